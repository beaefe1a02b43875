#include "plan_list_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kIdRole = Qt::UserRole;
}

PlanListPanel::PlanListPanel(const QString& panelName, const QString& listName,
                             const QString& accessibleName, const QList<Column>& columns,
                             const QList<Button>& buttons, QWidget* parent)
    : QWidget(parent), m_list(new QTreeWidget(this))
{
    setObjectName(panelName);
    m_list->setObjectName(listName);
    m_list->setAccessibleName(accessibleName);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setColumnCount(int(columns.size()));
    QStringList titles;
    for (const Column& column : columns)
        titles << column.title;
    m_list->setHeaderLabels(titles);
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionsMovable(false);
    for (int i = 0; i < columns.size(); ++i) {
        m_list->setColumnWidth(i, columns[i].width);
        m_list->setColumnHidden(i, columns[i].width == 0);
    }
    m_list->viewport()->installEventFilter(this);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const Button& entry : buttons) {
        auto* button = new QPushButton(entry.text, this);
        button->setObjectName(entry.name);
        if (!entry.hint.isEmpty())
            button->setToolTip(entry.hint);
        buttonRow->addWidget(button);
        m_buttons << button;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttonRow);
}

QPushButton* PlanListPanel::button(const QString& name) const
{
    for (QPushButton* button : m_buttons) {
        if (button->objectName() == name)
            return button;
    }
    return nullptr;
}

void PlanListPanel::setPlans(const QList<ListedPlan>& plans)
{
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(plans.size());
    for (const ListedPlan& plan : plans) {
        auto* item = new QTreeWidgetItem(plan.columns);
        item->setData(0, kIdRole, plan.id);
        items << item;
    }
    m_list->addTopLevelItems(items); // the list owns them from here
    m_list->setUpdatesEnabled(true);
}

QTreeWidgetItem* PlanListPanel::selectedItem() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

qint64 PlanListPanel::idOf(const QTreeWidgetItem* item)
{
    return item->data(0, kIdRole).toLongLong();
}

bool PlanListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease)
        emit clicked();
    return QWidget::eventFilter(watched, event);
}
