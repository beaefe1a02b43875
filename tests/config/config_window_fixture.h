#pragma once

#include "config_application.h"
#include "main_window.h"
#include "notices.h"
#include "notices_interface.h"
#include "plan_table.h"
#include "sound_player.h"
#include "settings_file.h"
#include "test_support.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

// Records what the listen buttons asked of the preview channel.
class FakePreviewPlayer final : public SoundPlayer
{
public:
    void pause() override { calls << QStringLiteral("pause"); }
    bool isPlaying() const override { return false; }
    std::array<float, 512> spectrum() const override { return {}; }
    bool open(const QString& path) override
    {
        calls << QStringLiteral("open ") + path;
        return !path.endsWith(QStringLiteral(".bad"));
    }
    void play() override { calls << QStringLiteral("play"); }
    void stop() override { calls << QStringLiteral("stop"); }

    QStringList calls;
};

// A main window on a fresh program folder: its own data.tdb and config.ini, a clock that
// stands still, and the notices it sends, heard on the session bus.
class ConfigWindowFixture
{
public:
    explicit ConfigWindowFixture(const QDateTime& now);
    ~ConfigWindowFixture();

    QString folder() const { return m_dir.path(); }
    QString tablePath() const { return m_dir.filePath(QStringLiteral("data.tdb")); }
    SettingsFile settings() const { return SettingsFile(m_dir.filePath(QStringLiteral("config.ini"))); }
    PlanTable& table() { return *m_table; }
    QByteArray settingsBytes() const;

    // Creates the window, so that answers can be queued before it starts.
    void create();
    // Starts and shows the window (creating it first if need be); false when start() refused.
    bool open();
    MainWindow& window() { return *m_window; }
    ConfigMessageBox& messages() { return m_window->message1(); }

    template<typename T> T* find(const QString& name) const
    {
        T* child = m_window->findChild<T*>(name);
        if (!child)
            qWarning("no control %s", qPrintable(name));
        return child;
    }
    void click(const QString& buttonName);
    QStringList listTexts(const QString& listName, int column) const;
    // The names of the notices sent so far: a marker sent after them on the same connection
    // arrives after them, so nothing on its way is missed.
    QStringList notices();

    ManualClock clock;
    FakePreviewPlayer preview;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PlanTable> m_table;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<OrgYueshiNoticesInterface> m_listener;
    std::unique_ptr<QTimer> m_watchdog;
    QStringList m_notices;
};

ConfigApplication& configApp();

// Runs action on the next modal dialog once it is shown (inside its own event loop).
void whenModalShown(std::function<void(QWidget*)> action);

#define CONFIG_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        ConfigApplication app(argc, argv);                                                         \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
