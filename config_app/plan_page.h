#pragma once

#include "plan_list_panel.h"

#include <QWidget>

class QPushButton;
class QStackedLayout;
class QTreeWidget;
struct ConfigContext;

// A plan page: its list panel and its editor panel at the same place, one visible at a
// time; deletion, clearing and (except for countdowns) modification of its kind's plans.
class PlanPage : public QWidget
{
    Q_OBJECT
  public:
    struct Setup
    {
        QString kind;       // 类型 of the page's rows
        QString modifyWord; // the kind word of the modification dialog; empty: no modification
        QString listPanel;
        QString list;
        QString listName; // accessible name of the list
        QList<PlanListPanel::Column> columns;
        PlanListPanel::Button newButton;
        PlanListPanel::Button modifyButton; // empty name: none
        PlanListPanel::Button deleteButton;
        QString clearButton;
        QString editorPanel;
        QString backButton;
    };

    PlanPage(ConfigContext& context, const Setup& setup, QWidget* parent = nullptr);

    void showList();
    void showEditor();
    bool editorShown() const;

    // The page's part of ReloadPlanLists: never disables the clear button.
    virtual void setPlans(const QList<ListedPlan>& plans);

    PlanListPanel* listPanel() const { return m_listPanel; }
    QTreeWidget* list() const { return m_listPanel->list(); }
    bool canModify() const { return !m_setup.modifyWord.isEmpty(); }

    void modifySelected();
    void deleteSelected();
    void clearList();

  protected:
    // The editor panel, to be filled by the page; the back button goes into its button row.
    QWidget* editorPanel() const { return m_editorPanel; }
    QPushButton* backButton() const { return m_backButton; }
    // Lays the editor panel out: its steps one above the other, then its action button (made
    // here and returned) and the back button at the bottom right.
    QPushButton* layOutEditor(QWidget* upperSteps, QWidget* lastStep,
                              const PlanListPanel::Button& action);
    ConfigContext& context() const { return m_context; }
    QPushButton* clearButton() const;
    // After a successful save: the clear button is enabled and the list comes back.
    void finishSave();

  private:
    void onSelectionChanged();

    ConfigContext& m_context;
    Setup m_setup;
    PlanListPanel* m_listPanel;
    QWidget* m_editorPanel;
    QPushButton* m_backButton;
    QStackedLayout* m_stack;
};
