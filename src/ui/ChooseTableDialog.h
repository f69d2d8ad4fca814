#pragma once

#include "seating/ArrivalRules.h"

#include <QDialog>
#include <vector>

class QListWidget;

// "Chose Table": the tables an arriving guest line can be seated at, as TableChoiceLines lists
// them (tables with room enough, the separator, tables with some room), each "name [free seats]".
// Only table lines can be chosen; the first is chosen when the dialog opens. OK without a table
// line chosen keeps the guest's seat (ChosenTableId 0); a double click on a table is OK.
class CChooseTableDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CChooseTableDialog(const std::vector<STableChoiceLine>& lines,
                                QWidget* parent = nullptr);

    // The table id of the chosen line; 0 for none.
    int ChosenTableId() const;
    // Chooses the line of that table; false when it is not offered.
    bool ChooseTable(int tableId);
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};
