#include "plan_page.h"

#include "config_context.h"
#include "plan_modify_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

PlanPage::PlanPage(ConfigContext& context, const Setup& setup, QWidget* parent)
    : QWidget(parent), m_context(context), m_setup(setup), m_editorPanel(new QWidget(this)),
      m_backButton(new QPushButton(QStringLiteral("返回列表"), m_editorPanel)),
      m_stack(new QStackedLayout(this))
{
    QList<PlanListPanel::Button> buttons{setup.newButton};
    if (!setup.modifyButton.name.isEmpty())
        buttons << setup.modifyButton;
    buttons << setup.deleteButton
            << PlanListPanel::Button{setup.clearButton, QStringLiteral("清空列表"),
                                     QStringLiteral("清空列表")};
    m_listPanel = new PlanListPanel(setup.listPanel, setup.list, setup.listName, setup.columns,
                                    buttons, this);
    for (const auto& button : buttons) {
        if (button.name != setup.newButton.name)
            m_listPanel->button(button.name)->setEnabled(false);
    }
    m_editorPanel->setObjectName(setup.editorPanel);
    m_backButton->setObjectName(setup.backButton);
    m_backButton->setToolTip(QStringLiteral("返回管理界面"));
    m_stack->setContentsMargins(8, 6, 8, 6);
    m_stack->addWidget(m_listPanel);
    m_stack->addWidget(m_editorPanel);

    connect(m_listPanel->button(setup.newButton.name), &QPushButton::clicked, this,
            &PlanPage::showEditor);
    connect(m_backButton, &QPushButton::clicked, this, &PlanPage::showList);
    if (canModify())
        connect(m_listPanel->button(setup.modifyButton.name), &QPushButton::clicked, this,
                &PlanPage::modifySelected);
    connect(m_listPanel->button(setup.deleteButton.name), &QPushButton::clicked, this,
            &PlanPage::deleteSelected);
    connect(clearButton(), &QPushButton::clicked, this, &PlanPage::clearList);
    connect(list(), &QTreeWidget::itemSelectionChanged, this, &PlanPage::onSelectionChanged);
}

void PlanPage::showList()
{
    m_stack->setCurrentWidget(m_listPanel);
}

void PlanPage::showEditor()
{
    m_stack->setCurrentWidget(m_editorPanel);
}

bool PlanPage::editorShown() const
{
    return m_stack->currentWidget() == m_editorPanel;
}

void PlanPage::setPlans(const QList<ListedPlan>& plans)
{
    m_listPanel->setPlans(plans);
    if (!plans.isEmpty())
        clearButton()->setEnabled(true);
}

QPushButton* PlanPage::clearButton() const
{
    return m_listPanel->button(m_setup.clearButton);
}

void PlanPage::finishSave()
{
    clearButton()->setEnabled(true);
    showList();
}

void PlanPage::onSelectionChanged()
{
    // The countdown page has no modify button; selecting a countdown enables its delete
    // button all the same, so a countdown can be deleted without the pop-up menu.
    const bool selected = m_listPanel->selectedItem() != nullptr;
    if (canModify())
        m_listPanel->button(m_setup.modifyButton.name)->setEnabled(selected);
    m_listPanel->button(m_setup.deleteButton.name)->setEnabled(selected);
}

void PlanPage::modifySelected()
{
    if (!canModify())
        return;
    QTreeWidgetItem* item = m_listPanel->selectedItem();
    if (!item) {
        m_context.messages.error(QStringLiteral("您尚未选择计划，无法查看修改！"));
        return;
    }
    PlanModifyDialog dialog(m_context, m_setup.modifyWord, *item, window());
    dialog.exec();
}

void PlanPage::deleteSelected()
{
    QTreeWidgetItem* item = m_listPanel->selectedItem();
    if (!item) {
        m_context.messages.error(QStringLiteral(
            "还没有选择计划，无法删除！请选择一个要删除的计划，然后单击“删除”按钮。"));
        return;
    }
    const qint64 id = PlanListPanel::idOf(item);
    if (!m_context.table->find(id))
        return;
    if (!m_context.messages.question(QStringLiteral("你确定要删除此计划吗？")))
        return;
    m_context.table->remove(id);
    delete item;
    m_context.tellAgent(Notice::Refresh);
    if (canModify())
        m_listPanel->button(m_setup.modifyButton.name)->setEnabled(false);
    m_listPanel->button(m_setup.deleteButton.name)->setEnabled(false);
    m_context.reloadPlanLists();
}

void PlanPage::clearList()
{
    if (!m_context.messages.question(QStringLiteral("清空将不可恢复,您确认要清空吗？")))
        return;
    list()->clear();
    m_listPanel->button(m_setup.deleteButton.name)->setEnabled(false);
    ensureAgent(m_context.programFolder);
    m_context.table->removeKind(m_setup.kind);
    broadcastNotice(Notice::Refresh);
    m_context.reloadPlanLists();
}

QPushButton* PlanPage::layOutEditor(QWidget* upperSteps, QWidget* lastStep,
                                    const PlanListPanel::Button& action)
{
    auto* actionButton = new QPushButton(action.text, m_editorPanel);
    actionButton->setObjectName(action.name);
    actionButton->setToolTip(action.hint);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(actionButton);
    buttons->addWidget(m_backButton);

    auto* layout = new QVBoxLayout(m_editorPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(upperSteps);
    layout->addWidget(lastStep, 1);
    layout->addLayout(buttons);
    return actionButton;
}
