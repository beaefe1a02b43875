#include "plan_list_menu.h"

#include "plan_list_panel.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

PlanListMenu::PlanListMenu(QWidget* parent)
    : QObject(parent), m_menu(new QMenu(parent)), m_edit(m_menu->addAction(QStringLiteral("编辑"))),
      m_delete(m_menu->addAction(QStringLiteral("删除")))
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_edit->setObjectName(QStringLiteral("N1"));
    m_delete->setObjectName(QStringLiteral("N2"));
    connect(m_edit, &QAction::triggered, this, &PlanListMenu::editTriggered);
    connect(m_delete, &QAction::triggered, this, &PlanListMenu::deleteTriggered);
}

void PlanListMenu::attach(PlanListPanel* panel, bool countdown)
{
    connect(panel, &PlanListPanel::clicked, this, [this, panel, countdown] { onListClicked(panel, countdown); });
    QTreeWidget* list = panel->list();
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& pos) { m_menu->popup(list->viewport()->mapToGlobal(pos)); });
}

void PlanListMenu::onListClicked(PlanListPanel* panel, bool countdown)
{
    const bool hasItems = panel->list()->topLevelItemCount() > 0;
    if (!hasItems) {
        m_edit->setEnabled(false);
        m_delete->setEnabled(false);
        return;
    }
    if (countdown) {
        m_edit->setVisible(false);
    } else {
        m_edit->setEnabled(true);
        m_edit->setVisible(true);
    }
    m_delete->setEnabled(true);
}
