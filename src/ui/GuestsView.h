#pragma once

#include "model/GuestFilter.h"
#include "online/MailLinks.h"
#include "ui/FrameView.h"

#include <QString>
#include <functional>

class CGuest;
class CGuestDetailsPanel;
class CGuestItemDelegate;
class CGuestsTableModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QTableWidget;

// The guests view, the program's main screen: the guest lines a filter lets through (group,
// relation, first-name and family-name prefixes, status), the statistics over them, and adding,
// deleting, searching and in-place editing of guests.
//
// The list is a CGuestsTableModel over guest pointers, which drops them on the removal hints
// itself. Every edit goes through the guest edit operations, which tell the other views with
// HINT_GUEST_CHANGED. The column widths live in the event settings under the "GV_" keys: read
// when the view is built, written in OnFrameClosing (0 hides a column).
//
// Beside the list, the guest details panel shows and changes the current guest; it can be hidden
// (the view's menu), and its width and whether it is shown live in the user's AppSettings.ini.
class CGuestsView : public CFrameView
{
    Q_OBJECT
public:
    explicit CGuestsView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    QString CommandText(ECommand command) const override;
    void RunCommand(ECommand command) override;
    bool HasPendingEdit() const override;
    void CommitPendingEdit() override;
    void OnFrameClosing() override;

    // Appends a "New Guest" line and selects it; an existing line of that name is selected instead.
    void AddGuest();
    // Asks, then removes and destroys the current guest.
    void DeleteGuest();
    // Approved <-> no answer yet, for the current guest.
    void ToggleApproved();
    void EditRestrictions();
    // The search dialog, then the first match from the current line on.
    void Search();
    // Repeats the last search (the dialog when there was none). "Not found" leaves the selection.
    void FindNext(bool backwards);
    void ClearFilters();
    // Recomputes the statistics table over the shown lines.
    void RefreshStatistics();
    // Selects the guest's line, clearing the filters when they hide it.
    void SelectGuest(CGuest* guest);
    // "Multiple Guests Update ...": the dialog, then the list and the statistics are rebuilt.
    void UpdateMultipleGuests();
    // Shows or hides the details panel.
    void ShowDetails(bool shown);
    // Edit (Ctrl+E): the panel's first field, for the current guest.
    void EditInPanel();
    // Where the panel's approval mail takes the event's details from (the frame's settings).
    void SetApprovalMailSource(std::function<SApprovalMailInfo()> source);

    CGuest* CurrentGuest() const;
    // The text of a statistics cell: row 0 to 3 (Bride, Groom, Mutual, Total), column 0 (the row
    // label) to 5.
    QString StatisticsCell(int row, int column) const;

    QTableView* List() const { return m_list; }
    CGuestsTableModel* Model() const { return m_model; }
    QTableWidget* StatisticsTable() const { return m_statistics; }
    QComboBox* GroupFilter() const { return m_groupFilter; }
    QComboBox* RelationFilter() const { return m_relationFilter; }
    QComboBox* StatusFilter() const { return m_statusFilter; }
    QLineEdit* FirstNameFilter() const { return m_firstNameFilter; }
    QLineEdit* FamilyNameFilter() const { return m_familyNameFilter; }
    QLabel* EmptyHelp() const { return m_emptyHelp; }
    QPushButton* AddButton() const { return m_add; }
    CGuestDetailsPanel* Details() const { return m_details; }
    QSplitter* Splitter() const { return m_splitter; }
    // The in-place editor that is open, or null.
    QWidget* OpenEditor() const;

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildFilters();
    QWidget* BuildStatistics();
    void ReadDetailsWidth();
    void ReadColumnWidths();
    // The least width that shows a fixed-choice column's texts whole; 0 for free text columns.
    int FittingWidth(int column) const;
    void ShowColumnChooser(const QPoint& position);
    void FlipColumn(int column);
    void ShowGuestMenu(const QPoint& position);

    // Takes the filter from the fields and rebuilds the list and the statistics.
    void OnFilterChanged();
    void RebuildList();
    // Returns true when the group filter had to fall back to "*".
    bool RebuildGroupFilter();
    void UpdateEmptyState();
    void SelectRow(int row, int column);
    void OnGuestEdited();
    QStringList GroupNames() const;

    CGuestFilter m_filter;
    QComboBox* m_groupFilter = nullptr;
    QComboBox* m_relationFilter = nullptr;
    QComboBox* m_statusFilter = nullptr;
    QLineEdit* m_firstNameFilter = nullptr;
    QLineEdit* m_familyNameFilter = nullptr;
    QPushButton* m_clearFilters = nullptr;
    QLabel* m_emptyHelp = nullptr;
    QTableView* m_list = nullptr;
    CGuestsTableModel* m_model = nullptr;
    CGuestItemDelegate* m_delegate = nullptr;
    QTableWidget* m_statistics = nullptr;
    QPushButton* m_add = nullptr;
    QSplitter* m_splitter = nullptr;
    CGuestDetailsPanel* m_details = nullptr;
    QAction* m_showDetails = nullptr;
    QAction* m_multipleUpdate = nullptr;
    int m_detailsWidth = 0; // as the user left it in this run; 0 when not moved
    bool m_settingFilters = false;

    // The last search.
    bool m_hasSearch = false;
    QString m_searchFirstName;
    QString m_searchFamilyName;
};
