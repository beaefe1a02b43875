#pragma once

#include <QObject>

// The configuration program on the session bus: org.yueshi.Config at /org/yueshi/Config.
// The first instance owns the name; later ones queue behind it.
class ConfigService : public QObject
{
    Q_OBJECT
public:
    explicit ConfigService(QObject* parent = nullptr);
    bool publish();

public slots:
    // Closes the main window at once, without a question.
    void Close();

signals:
    void closeRequested();
};
