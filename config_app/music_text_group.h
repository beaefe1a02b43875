#pragma once

#include <QGroupBox>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct ConfigContext;

// The music and text step of the alarm and countdown editors: the music file with its browse
// and listen buttons, and the reminder text.
class MusicTextGroup : public QGroupBox
{
    Q_OBJECT
  public:
    struct Names
    {
        QString music;
        QString browse;
        QString listen;
        QString text;
        QString musicAccessible; // what a screen reader calls the music field
    };

    MusicTextGroup(const QString& title, const Names& names, ConfigContext& context,
                   QWidget* parent);

    QString musicPath() const;
    void setMusicPath(const QString& path);
    QString text() const;
    void setText(const QString& text);
    // The folder the browse dialog starts in.
    void setFolder(const QString& folder) { m_folder = folder; }
    // Stops what the listen button plays and gives it back its caption.
    void stopListening();

  private:
    void browse();

    ConfigContext& m_context;
    QLineEdit* m_music;
    QPushButton* m_listen;
    QPlainTextEdit* m_text;
    QString m_folder;
};
