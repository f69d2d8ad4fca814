#pragma once

#include "ui/FrameView.h"

#include <QList>

class CCellEditDelegate;
class CGiftsModel;
class CGuest;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

// The gifts view: every guest with the gift received, the totals (shekels, dollars, and the total
// received in shekels), "Edit Gift" (the shared gift dialog), "Delete Gift" with its messages, a
// search by name forwards or backwards around the ends, in-place editing (F2 or Enter), "Go to
// guest information" and the frame's calculator. The rules are budget/GiftList.h's; every change
// goes through the gift edit operations (HINT_GIFT_CHANGED).
class CGiftsView : public CFrameView
{
    Q_OBJECT
public:
    enum ETotal
    {
        kTotalShekels,
        kTotalDollars,
        kTotalReceived,
        kTotalCount,
    };

    explicit CGiftsView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    void RunCommand(ECommand command) override;
    bool HasPendingEdit() const override;
    void CommitPendingEdit() override;

    void EditGift();
    void DeleteGift();
    // The search dialog, then the next match from the selected row.
    void Search();
    // The next (previous) row whose name matches text, around the ends; "This guest was not found"
    // when none does. True when found (and selected).
    bool FindNext(const QString& text, bool backwards);
    void GoToGuest();

    // Fills the context menu: "Add gift ..." and "Go to guest information"; returns them in order.
    QList<QAction*> BuildContextMenu(QMenu& menu);

    int SelectedRow() const;
    void SelectRow(int row);
    CGuest* SelectedGuest() const;
    QString TotalText(ETotal total) const;

    QTableView* List() const { return m_list; }
    CGiftsModel* Model() const { return m_model; }
    QWidget* OpenEditor() const;
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;

private:
    void RefreshList();
    void RefreshTotals();
    void UpdateButtons();
    void ShowContextMenu(const QPoint& position);
    bool CheckInPlaceEdit(const QModelIndex& index);

    QTableView* m_list;
    CGiftsModel* m_model;
    CCellEditDelegate* m_delegate;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_search;
    QPushButton* m_calculator;
    QLabel* m_totals[kTotalCount] = {};
    // The last search.
    QString m_searchText;
    bool m_searchBackwards = false;
};
