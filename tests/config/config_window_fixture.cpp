#include "config_window_fixture.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QTimer>

ConfigWindowFixture::ConfigWindowFixture(const QDateTime& now) : clock(now)
{
    createPlanTableFile(tablePath());
    m_table = std::make_unique<PlanTable>(tablePath());
    m_listener = std::make_unique<OrgYueshiNoticesInterface>(QString(), Bus::kNoticesPath,
                                                             QDBusConnection::sessionBus());
    QObject::connect(m_listener.get(), &OrgYueshiNoticesInterface::Notice, m_listener.get(),
                     [this](const QString& name) { m_notices << name; });

    // A message box no answer was queued for would wait for a click forever: close it, and
    // let the test fail on what it expected to be shown.
    m_watchdog = std::make_unique<QTimer>();
    m_watchdog->setInterval(50);
    QObject::connect(m_watchdog.get(), &QTimer::timeout, m_watchdog.get(), [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            qWarning("unanswered message box: %s", qPrintable(box->text()));
            box->reject();
        }
    });
    m_watchdog->start();
}

ConfigWindowFixture::~ConfigWindowFixture() = default;

QByteArray ConfigWindowFixture::settingsBytes() const
{
    QFile file(m_dir.filePath(QStringLiteral("config.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ConfigWindowFixture::create()
{
    m_window = std::make_unique<MainWindow>(folder(), clock, preview);
}

bool ConfigWindowFixture::open()
{
    if (!m_window)
        create();
    if (!m_window->start())
        return false;
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

void ConfigWindowFixture::click(const QString& buttonName)
{
    auto* button = find<QAbstractButton>(buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    QVERIFY2(button->isEnabled(), qPrintable(buttonName + QStringLiteral(" is disabled")));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QStringList ConfigWindowFixture::listTexts(const QString& listName, int column) const
{
    QStringList texts;
    auto* list = find<QTreeWidget>(listName);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

QStringList ConfigWindowFixture::notices()
{
    const QString marker = QStringLiteral("标记");
    QDBusMessage signal = QDBusMessage::createSignal(Bus::kNoticesPath, Bus::kNoticesInterface, QStringLiteral("Notice"));
    signal << marker;
    QDBusConnection::sessionBus().send(signal);
    if (!QTest::qWaitFor([this, &marker] { return m_notices.contains(marker); }, 10000))
        qWarning("the marker notice did not come back");
    QStringList heard = m_notices;
    m_notices.clear();
    heard.removeAll(marker);
    return heard;
}

ConfigApplication& configApp()
{
    return *static_cast<ConfigApplication*>(QCoreApplication::instance());
}

void whenModalShown(std::function<void(QWidget*)> action)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}
