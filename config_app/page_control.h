#pragma once

#include <QIcon>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;

// The main window's page control: a strip of tab buttons, each an image above its caption,
// over a stack of pages.
class PageControl : public QWidget
{
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    void addPage(QWidget* page, const QString& caption, const QIcon& icon);
    int currentIndex() const;
    QWidget* currentPage() const;
    void setCurrentIndex(int index);
    int count() const;

signals:
    // Any mouse button went down on the tab strip, before a tab is switched.
    void tabStripPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_strip;
    QHBoxLayout* m_stripLayout;
    QButtonGroup* m_tabs;
    QStackedWidget* m_pages;
};
