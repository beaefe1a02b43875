#include "music_text_group.h"

#include "config_context.h"
#include "editor_support.h"
#include "sound_player.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

MusicTextGroup::MusicTextGroup(const QString& title, const Names& names, ConfigContext& context,
                               QWidget* parent)
    : QGroupBox(title, parent), m_context(context), m_music(new QLineEdit(this)),
      m_listen(new QPushButton(EditorSupport::kListen, this)), m_text(new QPlainTextEdit(this))
{
    m_music->setObjectName(names.music);
    m_music->setReadOnly(true);
    m_music->setAccessibleName(names.musicAccessible);
    auto* browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setObjectName(names.browse);
    browseButton->setAccessibleName(QStringLiteral("选择") + names.musicAccessible);
    m_listen->setObjectName(names.listen);
    m_listen->setToolTip(QStringLiteral("试听所选的闹铃音乐"));
    m_text->setObjectName(names.text);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* textLabel = new QLabel(QStringLiteral("请输入提醒内容："), this);
    textLabel->setBuddy(m_text);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("音乐："), this), 0, 0);
    grid->addWidget(m_music, 0, 1);
    grid->addWidget(browseButton, 0, 2);
    grid->addWidget(m_listen, 0, 3);
    grid->addWidget(textLabel, 1, 0, 1, 4);
    grid->addWidget(m_text, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    connect(browseButton, &QPushButton::clicked, this, &MusicTextGroup::browse);
    connect(m_listen, &QPushButton::clicked, this,
            [this] { EditorSupport::toggleListen(*m_listen, m_music->text(), m_context); });
}

QString MusicTextGroup::musicPath() const
{
    return m_music->text();
}

void MusicTextGroup::setMusicPath(const QString& path)
{
    m_music->setText(path);
}

QString MusicTextGroup::text() const
{
    return m_text->toPlainText();
}

void MusicTextGroup::setText(const QString& text)
{
    m_text->setPlainText(text);
}

void MusicTextGroup::stopListening()
{
    m_context.preview.stop();
    m_listen->setText(EditorSupport::kListen);
}

void MusicTextGroup::browse()
{
    const QString path = EditorSupport::browseFile(this, m_folder, EditorSupport::kMusicFilter);
    if (!path.isEmpty())
        m_music->setText(path);
}
