#pragma once

#include <QObject>

class PlanListPanel;
class QAction;
class QMenu;
class QWidget;

// PopupMenu1, shared by the four lists: 编辑 and 删除. The items keep the state of the last
// click on any list.
class PlanListMenu : public QObject
{
    Q_OBJECT
public:
    explicit PlanListMenu(QWidget* parent);

    void attach(PlanListPanel* panel, bool countdown);
    QMenu* menu() const { return m_menu; }
    QAction* editAction() const { return m_edit; }
    QAction* deleteAction() const { return m_delete; }

signals:
    void editTriggered();
    void deleteTriggered();

private:
    void onListClicked(PlanListPanel* panel, bool countdown);

    QMenu* m_menu;
    QAction* m_edit;
    QAction* m_delete;
};
