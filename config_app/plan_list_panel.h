#pragma once

#include "plan_lists.h"

#include <QWidget>

#include <optional>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The list panel of a plan page: a list in report style, one row per plan, whole-row
// selection, at most one selected; and the page's buttons under it.
class PlanListPanel : public QWidget
{
    Q_OBJECT
public:
    struct Column
    {
        QString title;
        int width; // 0 hides the column
    };
    struct Button
    {
        QString name;
        QString text;
        QString hint; // empty: none
    };

    PlanListPanel(const QString& panelName, const QString& listName, const QString& accessibleName,
                  const QList<Column>& columns, const QList<Button>& buttons, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QPushButton* button(const QString& name) const;

    // Refills the list without drawing in between; every item keeps its row's ID.
    void setPlans(const QList<ListedPlan>& plans);
    QTreeWidgetItem* selectedItem() const;
    static qint64 idOf(const QTreeWidgetItem* item);

signals:
    // A mouse click anywhere on the list, on an item or not.
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* m_list;
    QList<QPushButton*> m_buttons;
};
