#pragma once

#include "ui/FrameView.h"

#include <QList>
#include <vector>

class CGuestListModel;
class CTable;
class CTablesModel;
class QAction;
class QLabel;
class QPushButton;
class QTableView;

// The tables view: the tables in collection order (the unseated table in row 0) with their place,
// seats and people, the guests of the selected table with the "Move to table" popup, and adding,
// editing, deleting, reordering, "Table setup" and the automatic arrangement.
//
// Selecting a table tells the other views (HINT_SELECT_TABLE). Both lists' models drop their record
// pointers on the removal hints themselves; every other hint only marks the lists stale, so an
// arrangement's thousands of hints cost one refresh.
class CTablesView : public CFrameView
{
    Q_OBJECT
public:
    // The popup reaches tables 1 to 200: at most twenty blocks of ten.
    static constexpr int kMoveBlockSize = 10;
    static constexpr int kMoveBlocks = 20;

    explicit CTablesView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    void RunCommand(ECommand command) override;

    void AddTable();
    // The unseated table opens no dialog: it is explained instead.
    void EditTable();
    // The user's delete (asks when people sit there); never row 0.
    void DeleteTable();
    void MoveUp();
    void MoveDown();
    void TableSetup();
    void ArrangeAllGuests();
    void ArrangeTablelessGuests();
    // "Optimised arrangement ...": the dialog, then its accepted plan (Edits::ApplySeatingPlan).
    void OptimisedArrangement();
    void GoToGuestInformation();

    // Fills menu with the "Move to table" entries: "Not seated", then a submenu per block of ten
    // tables up to the last block that holds one. Returns every entry that moves; the data of each
    // is the target table id. The entry of the selected table is checked.
    QList<QAction*> BuildMoveMenu(QMenu& menu);
    // Seats the selected guest rows at the table with that id, asking as the seating rules do
    // (a refused guest stays), then rebuilds the list and selects the row at the first selected
    // position, or the one before it when that position is now the last row or beyond.
    void MoveSelectedGuests(int tableId);

    int SelectedRow() const;
    void SelectRow(int row);
    CTable* SelectedTable() const;
    // Ascending.
    std::vector<int> SelectedGuestRows() const;
    void SelectGuestRows(const std::vector<int>& rows);

    QString TablesCaption() const;
    QTableView* TablesList() const { return m_tables; }
    QTableView* GuestsList() const { return m_guests; }
    CTablesModel* TablesModel() const { return m_tablesModel; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;

private:
    void RefreshTables();
    // keepSelection: the guest row selected before stays selected (bounded to the list).
    void RefreshGuests(bool keepSelection);
    void UpdateButtons();
    void OnTableSelected();
    // Rebuilds now, after an operation of this view.
    void RefreshNow();
    void ShowGuestsMenu(const QPoint& position);

    QLabel* m_caption;
    QTableView* m_tables;
    CTablesModel* m_tablesModel;
    QLabel* m_guestsCaption;
    QTableView* m_guests;
    CGuestListModel* m_guestModel;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_up;
    QPushButton* m_down;
    // The selected row when the lists were dropped, selected again by the next refresh.
    int m_rowBeforeDrop = -1;
    // Selecting on another view's HINT_SELECT_TABLE sends no hint back.
    bool m_followingOtherView = false;
};
