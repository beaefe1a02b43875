#include "page_control.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), m_strip(new QWidget(this)), m_stripLayout(new QHBoxLayout(m_strip)),
      m_tabs(new QButtonGroup(this)), m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("PageControl1"));
    m_strip->setObjectName(QStringLiteral("TabStrip"));
    m_strip->setAttribute(Qt::WA_StyledBackground);
    m_stripLayout->setContentsMargins(6, 4, 6, 0);
    m_stripLayout->setSpacing(2);
    m_stripLayout->addStretch();
    m_strip->installEventFilter(this);
    m_tabs->setExclusive(true);
    // Toggled rather than clicked: keyboard and assistive technology check a tab without a click.
    connect(m_tabs, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            m_pages->setCurrentIndex(index);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_strip);
    layout->addWidget(m_pages, 1);
}

void PageControl::addPage(QWidget* page, const QString& caption, const QIcon& icon)
{
    auto* tab = new QToolButton(m_strip);
    tab->setObjectName(page->objectName() + QStringLiteral("_Tab"));
    tab->setText(caption);
    tab->setIcon(icon);
    tab->setIconSize(QSize(28, 28));
    tab->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tab->setCheckable(true);
    tab->setAutoRaise(true);
    tab->installEventFilter(this);
    const int index = m_pages->addWidget(page);
    m_tabs->addButton(tab, index);
    m_stripLayout->insertWidget(index, tab);
    if (index == 0)
        tab->setChecked(true);
}

int PageControl::currentIndex() const
{
    return m_pages->currentIndex();
}

QWidget* PageControl::currentPage() const
{
    return m_pages->currentWidget();
}

void PageControl::setCurrentIndex(int index)
{
    if (QAbstractButton* tab = m_tabs->button(index))
        tab->setChecked(true);
    m_pages->setCurrentIndex(index);
}

int PageControl::count() const
{
    return m_pages->count();
}

bool PageControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        emit tabStripPressed();
    return QWidget::eventFilter(watched, event);
}
