#pragma once

#include "bar_levels.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class SoundPlayer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProcess;
class QPushButton;
class RingSupervisor;
class SettingsFile;

// The one reminder window of the agent (TForm2): shows a reminder's text, plays its music,
// rings again by the ring interval and draws the music's spectrum. It is hidden and shown
// again for every reminder, never destroyed while the agent runs.
class ReminderWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSpectrumWidth = 169;
    static constexpr int kSpectrumHeight = 107;

    // pageProgram: the yueshi_page program that shows the page beside the text.
    ReminderWindow(SoundPlayer& music, const SettingsFile& settings,
                   std::function<int()> ringInterval, QString pageProgram,
                   QWidget* parent = nullptr);
    ~ReminderWindow() override;

    // What a due reminder or countdown does: the caption only for countdowns.
    void showReminder(const QString& musicPath, const QString& text,
                      const std::optional<QString>& caption);

    void playAlarm();

    // The address of the small page beside the text; empty for our own page.
    QUrl pageUrl() const;
    // Whether the page's process runs: only while the window is shown.
    bool pageRunning() const { return m_page != nullptr; }
    RingSupervisor& supervisor() { return *m_supervisor; }
    const QImage& spectrumPicture() const { return m_spectrum; }
    const SpectrumLevels& spectrumLevels() const { return m_levels; }

signals:
    // A page finished loading and was fitted to its box: its address, and its body's top
    // margin and border style after fitting.
    void pageReady(const QString& url, const QString& marginTop, const QString& borderStyle);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void stopClicked();
    void closeClicked();
    void spectrumTick();
    void openPage();
    void dropPage();
    void readPage();

    SoundPlayer& m_music;
    const SettingsFile& m_settings;
    RingSupervisor* m_supervisor;
    QPlainTextEdit* m_memo;
    QWidget* m_paintBox;
    QWidget* m_pageHolder;
    QString m_pageProgram;
    QProcess* m_page = nullptr;
    QWidget* m_pageContainer = nullptr;
    QLabel* m_countdownLine; // Label8
    QLabel* m_ringModeLine;  // Label5
    QLineEdit* m_musicPath;  // Edit1, never visible
    QPushButton* m_stopButton;
    QPushButton* m_closeButton;
    QTimer m_spectrumTimer; // Timer4
    QImage m_spectrum;
    SpectrumLevels m_levels;
    bool m_closingByButton = false;
};
