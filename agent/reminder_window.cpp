#include "reminder_window.h"

#include "sound_player.h"
#include "ring_supervisor.h"
#include "settings_file.h"
#include "settings_keys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

const QString kDefaultMusic = QStringLiteral("sound/爱的纪念.mp3");
const QString kPagePath = QStringLiteral("/tj/mss200.html?6.4.1");
const QColor kBackground(239, 235, 231);
const QColor kAccent(229, 94, 35);

// Paints the last spectrum picture stretched over the box, so it survives a repaint.
class SpectrumBox : public QWidget
{
public:
    SpectrumBox(const QImage& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_picture.isNull())
            return;
        QPainter painter(this);
        painter.drawImage(rect(), m_picture);
    }

private:
    const QImage& m_picture;
};

QLabel* makeLineLabel(const QString& name, const QString& text, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    // One CJK face for the whole window: each further face maps another large font file.
    QFont font(QStringList{QStringLiteral("NSimSun"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(12);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(225, 9, 0); background: transparent;"));
    return label;
}

} // namespace

ReminderWindow::ReminderWindow(SoundPlayer& music, const SettingsFile& settings,
                               std::function<int()> ringInterval, QString pageProgram,
                               QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      m_music(music), m_settings(settings),
      m_supervisor(new RingSupervisor(music, std::move(ringInterval),
                                      QDir(settings.folder()).filePath(kDefaultMusic), this)),
      m_pageProgram(std::move(pageProgram))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("悦时电脑闹钟提醒："));
    setFixedSize(414, 251);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setGeometry(24, 8, 169, 89);
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont memoFont(QStringList{QStringLiteral("Arial"), QStringLiteral("Noto Sans CJK SC")});
    memoFont.setPixelSize(14);
    m_memo->setFont(memoFont);
    m_memo->setAccessibleName(QStringLiteral("提醒内容"));

    m_paintBox = new SpectrumBox(m_spectrum, this);
    m_paintBox->setObjectName(QStringLiteral("PaintBox1"));
    m_paintBox->setGeometry(24, 100, kSpectrumWidth, kSpectrumHeight);

    m_pageHolder = new QWidget(this);
    m_pageHolder->setObjectName(QStringLiteral("WebBrowser1"));
    m_pageHolder->setGeometry(207, 8, 200, 200);

    m_countdownLine = makeLineLabel(QStringLiteral("Label8"), RingSupervisor::countdownText(60),
                                    QRect(22, 211, 171, 17), this);
    m_countdownLine->hide();
    m_ringModeLine = makeLineLabel(QStringLiteral("Label5"), RingSupervisor::ringModeText(0),
                                   QRect(22, 229, 227, 17), this);

    m_musicPath = new QLineEdit(this);
    m_musicPath->setObjectName(QStringLiteral("Edit1"));
    m_musicPath->hide();

    m_stopButton = new QPushButton(QStringLiteral("停止闹铃(&S)"), this);
    m_stopButton->setObjectName(QStringLiteral("bsSkinButton1"));
    m_stopButton->setGeometry(256, 220, 73, 25);
    m_closeButton = new QPushButton(QStringLiteral("关闭闹铃(&C)"), this);
    m_closeButton->setObjectName(QStringLiteral("bsSkinButton2"));
    m_closeButton->setGeometry(336, 220, 73, 25);

    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setAccessibleDescription(control->objectName());

    m_spectrumTimer.setObjectName(QStringLiteral("Timer4"));
    m_spectrumTimer.setInterval(30);
    connect(&m_spectrumTimer, &QTimer::timeout, this, &ReminderWindow::spectrumTick);
    connect(m_stopButton, &QPushButton::clicked, this, &ReminderWindow::stopClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &ReminderWindow::closeClicked);
    connect(m_supervisor, &RingSupervisor::countdownLineChanged, this,
            [this](const QString& text, bool visible) {
                m_countdownLine->setText(text);
                m_countdownLine->setVisible(visible);
            });
}

ReminderWindow::~ReminderWindow()
{
    dropPage();
}

void ReminderWindow::showReminder(const QString& musicPath, const QString& text,
                                  const std::optional<QString>& caption)
{
    m_musicPath->setText(musicPath);
    m_memo->setPlainText(text);
    if (caption)
        setWindowTitle(*caption);
    // Already visible: the text and music change, the showing steps do not run again.
    show();
    raise();
    playAlarm();
}

void ReminderWindow::playAlarm()
{
    m_supervisor->setMusicPath(m_musicPath->text());
    m_supervisor->playAlarm();
}

void ReminderWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    openPage();
    m_spectrumTimer.start();
    m_ringModeLine->setText(m_supervisor->startSupervising());
}

void ReminderWindow::closeEvent(QCloseEvent* event)
{
    // Only its two buttons dismiss the window.
    if (!m_closingByButton) {
        event->ignore();
        return;
    }
    dropPage();
    QWidget::closeEvent(event);
}

void ReminderWindow::stopClicked()
{
    m_spectrumTimer.stop();
    m_supervisor->stopRinging();
}

void ReminderWindow::closeClicked()
{
    m_spectrumTimer.stop();
    m_supervisor->closeRinging();
    m_closingByButton = true;
    close();
    m_closingByButton = false;
}

void ReminderWindow::spectrumTick()
{
    if (!m_music.isPlaying())
        return;
    m_levels.update(m_music.spectrum(), kSpectrumHeight);

    if (m_spectrum.isNull())
        m_spectrum = QImage(kSpectrumWidth, kSpectrumHeight, QImage::Format_RGB32);
    m_spectrum.fill(kBackground);
    QPainter painter(&m_spectrum);
    painter.setPen(kAccent);
    const int height = kSpectrumHeight;
    for (int band = 0; band < SpectrumLevels::kBands; ++band) {
        const int left = 9 * band;
        if (left >= kSpectrumWidth)
            break; // the rest lies outside the picture
        const int peak = m_levels.peaks[band];
        const int fall = m_levels.falls[band];
        painter.drawLine(left, height - peak, left + 8, height - peak);
        painter.fillRect(QRect(left, height - fall, 8, fall), kAccent);
    }
    painter.end();
    m_paintBox->update();
}

QUrl ReminderWindow::pageUrl() const
{
    const QString server = m_settings.readText(SettingKeys::kPageServer).trimmed();
    if (server.isEmpty())
        return {};
    return QUrl(server).resolved(QUrl(kPagePath));
}

void ReminderWindow::openPage()
{
    // The web engine runs in a process of its own, started for each showing and ended on
    // closing, so the waiting agent carries none of its memory.
    dropPage();
    // The page's window is taken into ours as a foreign window, which only X11 allows;
    // elsewhere it would stand alone on the desktop, so there is no page.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    m_page = new QProcess(this);
    m_page->setProgram(m_pageProgram);
    const QUrl url = pageUrl();
    if (url.isValid())
        m_page->setArguments({QStringLiteral("--url"), url.toString(QUrl::FullyEncoded)});
    m_page->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_page, &QProcess::readyReadStandardOutput, this, &ReminderWindow::readPage);
    m_page->start();
}

void ReminderWindow::readPage()
{
    while (m_page && m_page->canReadLine()) {
        const QStringList words = QString::fromUtf8(m_page->readLine()).trimmed().split(QLatin1Char(' '));
        if (words.value(0) == QLatin1String("window") && !m_pageContainer) {
            QWindow* page = QWindow::fromWinId(words.value(1).toULongLong());
            m_pageContainer = QWidget::createWindowContainer(page, m_pageHolder);
            m_pageContainer->setGeometry(0, 0, 200, 200);
            m_pageContainer->show();
        } else if (words.value(0) == QLatin1String("ready")) {
            emit pageReady(words.value(1), words.value(2), words.value(3));
        }
    }
}

void ReminderWindow::dropPage()
{
    delete m_pageContainer;
    m_pageContainer = nullptr;
    if (!m_page)
        return;
    // Closing its input asks the page to end; it is killed if it does not.
    QProcess* page = m_page;
    m_page = nullptr;
    disconnect(page, nullptr, this, nullptr);
    if (page->state() == QProcess::NotRunning) {
        page->deleteLater();
        return;
    }
    page->closeWriteChannel();
    connect(page, &QProcess::finished, page, &QObject::deleteLater);
    QTimer::singleShot(5000, page, &QProcess::kill);
}
