#pragma once

#include "model/ArrivalFilter.h"
#include "ui/FrameView.h"

class CGuest;
class CRealTimeGuestsModel;
class CRealTimeTablesModel;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The check-in desk of the day of the event (real-time mode): the guest lines that have not
// arrived, filtered by parts of their names; the tables with their free seats on the day; the
// number of people who arrived; "Guest arrived" with its dialogs, "Add new guest" for walk-ins and
// the page of check-in codes.
//
// Built for a busy desk: the first-name filter has the focus at start and after every arrival,
// Enter (in a filter or on a row) records the arrival of the selected line, Escape clears the
// filters, the arrow keys move through the list from the filter, and a filter made only of digits
// followed by Enter (a scanned check-in code) selects the guest with that unique id and opens the
// arrival dialog.
//
// The rules are the core's (Edits::GuestArrived, AddWalkInGuest, TableChoiceLines); the lists are
// models over the document's guests and tables that drop their pointers on the removal hints.
class CRealTimeView : public CFrameView
{
    Q_OBJECT
public:
    explicit CRealTimeView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    QString CommandText(ECommand command) const override;
    void RunCommand(ECommand command) override;
    void OnActivated() override;

    // "Guest arrived": the arrival dialog for the selected line (nothing without one).
    void RecordArrival();
    // "Add new guest": the walk-in dialog, then the new line selected.
    void AddWalkInGuest();
    // Enter in a filter: a check-in code selects its guest and records the arrival; a name part
    // records the arrival of the selected line.
    void OnFilterEnter(QLineEdit* field);
    // Escape: both name filters emptied (one rebuild), the focus in the first-name filter.
    void ClearFilters();
    // "Print check-in codes ...": a PDF file chosen by the user, then opened for printing.
    void PrintCheckinCodes();
    // Selects the guest's line; false when it is not shown.
    bool SelectGuest(const CGuest* guest);

    CGuest* CurrentGuest() const;
    QString StatusText() const;
    QLineEdit* FirstNameFilter() const { return m_firstName; }
    QLineEdit* FamilyNameFilter() const { return m_familyName; }
    QCheckBox* NotArrivedOnly() const { return m_notArrivedOnly; }
    QCheckBox* RoomLeftOnly() const { return m_roomLeftOnly; }
    QTableView* GuestsList() const { return m_guests; }
    QTableView* TablesList() const { return m_tables; }
    CRealTimeGuestsModel* GuestsModel() const { return m_guestsModel; }
    CRealTimeTablesModel* TablesModel() const { return m_tablesModel; }
    QPushButton* ArrivedButton() const { return m_arrived; }
    QAction* PrintAction() const { return m_print; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildFilters();
    void OnFilterChanged();
    // Rebuilds the guests list; keeps the given guest selected when it is still shown, else the
    // first line.
    void RebuildGuests(const CGuest* keep);
    void RebuildTables();
    void RefreshStatus();
    void SelectRow(int row);
    // Back to the first-name filter with its text selected, so the next name replaces it.
    void FocusFilter();
    // Runs the arrival rules for the guest with the number from the dialog; true when recorded.
    bool Arrive(CGuest* guest, int people, QWidget* dialog);

    CArrivalFilter m_filter;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_familyName = nullptr;
    QCheckBox* m_notArrivedOnly = nullptr;
    QCheckBox* m_roomLeftOnly = nullptr;
    QTableView* m_guests = nullptr;
    QTableView* m_tables = nullptr;
    CRealTimeGuestsModel* m_guestsModel = nullptr;
    CRealTimeTablesModel* m_tablesModel = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_arrived = nullptr;
    QPushButton* m_addGuest = nullptr;
    QPushButton* m_printButton = nullptr;
    QAction* m_print = nullptr;
    QAction* m_arrivedAction = nullptr;
    bool m_settingFilters = false;
};
