#pragma once

#include <QWidget>

#include <array>

class QLabel;

// The two panels at the right edge, in front of every page: the days of use and the counters.
class InfoPanels : public QWidget
{
    Q_OBJECT
public:
    explicit InfoPanels(QWidget* parent = nullptr);

    void setDaysUsed(qint64 days);
    // Label7 to Label11.
    void setCounters(const QStringList& texts);

private:
    QLabel* m_days;
    std::array<QLabel*, 5> m_counters{};
};
