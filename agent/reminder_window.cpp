#include "reminder_window.h"

#include "music_output.h"
#include "ring_supervisor.h"
#include "settings_file.h"
#include "settings_keys.h"
#include "time_texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineView>

namespace {

const QString kDefaultMusic = QStringLiteral("sound/爱的纪念.mp3");
const QString kPagePath = QStringLiteral("/tj/mss200.html?6.4.1");
const QColor kBackground(239, 235, 231);
const QColor kAccent(229, 94, 35);

// The page keeps to its 200 × 200 box: no scroll bars, border or margin.
const QString kFitPageScript = QStringLiteral(
    "document.body.scroll = 'no';"
    "document.body.style.border = 'none';"
    "document.body.style.margin = '0px';"
    "document.body.style.overflow = 'hidden';");

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
    QFont font(QStringList{QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(12);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(225, 9, 0); background: transparent;"));
    return label;
}

} // namespace

ReminderWindow::ReminderWindow(MusicOutput& music, const SettingsFile& settings,
                               std::function<int()> ringInterval, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      m_music(music), m_settings(settings),
      m_supervisor(new RingSupervisor(music, std::move(ringInterval),
                                      QDir(settings.folder()).filePath(kDefaultMusic), this))
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

ReminderWindow::~ReminderWindow() = default;

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

QString ReminderWindow::pageHtml(const QDateTime& now)
{
    QFile file(QStringLiteral(":/agent/reminder_page.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("{date}"), TimeTexts::dateText(now.date()))
        .replace(QStringLiteral("{weekday}"), TimeTexts::weekdayName(now.date()))
        .replace(QStringLiteral("{time}"), TimeTexts::timeText(now.time()));
}

void ReminderWindow::openPage()
{
    // Made for each showing and dropped on closing, so the idle agent stays small.
    dropPage();
    m_webView = new QWebEngineView(m_pageHolder);
    m_webView->setObjectName(QStringLiteral("WebView"));
    m_webView->setGeometry(0, 0, 200, 200);
    m_webView->setContextMenuPolicy(Qt::NoContextMenu);
    connect(m_webView, &QWebEngineView::loadFinished, this, [this](bool) {
        if (m_webView)
            m_webView->page()->runJavaScript(kFitPageScript, [this](const QVariant&) { emit pageReady(); });
    });
    const QUrl url = pageUrl();
    if (url.isValid())
        m_webView->load(url);
    else
        m_webView->setHtml(pageHtml(QDateTime::currentDateTime()));
    m_webView->show();
}

void ReminderWindow::dropPage()
{
    delete m_webView;
    m_webView = nullptr;
}
