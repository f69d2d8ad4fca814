#pragma once

#include "ui/FrameView.h"

class CBudgetTreeModel;
class CCategory;
class CCombinationModel;
class COffer;
class QAction;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTableView;
class QTreeView;

// The budget view: the "Categories" tree with the offers under their categories, three tabs for
// the combinations over one list ("Sum", "Offers") with its total, and the budget limit. The
// generic Add / Edit / Delete commands work on categories; the offers have commands of their own
// (Ctrl+Shift+N, E, D in the view's menu). Moving an offer into the combination shown asks about a
// second offer of its category and about going over the limit (budget/BudgetPlan.h has the rules).
//
// The tree and the list are models of their own over the document's offers and categories, which
// drop their pointers when an offer or a category is about to go. The budget report's print command
// joins with the reports.
class CBudgetView : public CFrameView
{
    Q_OBJECT
public:
    explicit CBudgetView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    QString CommandText(ECommand command) const override;
    void RunCommand(ECommand command) override;
    // A limit typed but not yet stored (the field still has the focus) is an edit in progress.
    bool HasPendingEdit() const override;
    void CommitPendingEdit() override;

    void AddCategory();
    // Writes the report of the combination shown (Reports/Offer<n>.Html) and previews its print.
    void PrintCombination();
    void RenameCategory();
    void DeleteCategory();
    void AddOffer();
    // The offer selected in the tree, or else the one selected in the list.
    void EditOffer();
    // Only an offer selected in the tree.
    void DeleteOffer();
    // The offer selected in the tree into the combination shown.
    void MoveRight();
    // The offer selected in the list out of the combination shown.
    void MoveBack();
    void MoveAllBack();
    // Stores the limit field's value (leaving the field does it too).
    void ApplyLimit();

    // 0 to 2.
    int CurrentCombination() const;
    void ShowCombination(int combination);
    // The tree's selection.
    CCategory* SelectedCategory() const;
    COffer* SelectedTreeOffer() const;
    COffer* SelectedListOffer() const;
    void SelectInTree(const CCategory* category);
    void SelectInTree(const COffer* offer);
    QString TotalText() const;

    QTreeView* Tree() const { return m_tree; }
    QTableView* List() const { return m_list; }
    CCombinationModel* ListModel() const { return m_listModel; }
    QTabBar* Tabs() const { return m_tabs; }
    QSpinBox* LimitField() const { return m_limit; }
    QLabel* TotalLabel() const { return m_total; }
    QPushButton* MoveRightButton() const { return m_moveRight; }
    QPushButton* MoveBackButton() const { return m_moveBack; }
    QPushButton* MoveAllBackButton() const { return m_moveAllBack; }
    QAction* AddOfferAction() const { return m_addOfferAction; }
    QAction* EditOfferAction() const { return m_editOfferAction; }
    QAction* DeleteOfferAction() const { return m_deleteOfferAction; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;

private:
    QWidget* BuildTreeSide();
    QWidget* BuildMoveButtons();
    QWidget* BuildCombinationSide();
    void RefreshTree();
    void RefreshList();
    void RefreshTotal();
    void UpdateButtons();

    QTreeView* m_tree;
    CBudgetTreeModel* m_treeModel;
    QTabBar* m_tabs;
    QTableView* m_list;
    CCombinationModel* m_listModel;
    QLabel* m_total;
    QSpinBox* m_limit;
    QPushButton* m_addCategory;
    QPushButton* m_renameCategory;
    QPushButton* m_deleteCategory;
    QPushButton* m_addOffer;
    QPushButton* m_editOffer;
    QPushButton* m_deleteOffer;
    QPushButton* m_moveRight;
    QPushButton* m_moveBack;
    QPushButton* m_moveAllBack;
    QAction* m_addOfferAction;
    QAction* m_editOfferAction;
    QAction* m_deleteOfferAction;
};
