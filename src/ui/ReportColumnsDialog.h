#pragma once

#include <QDialog>

class QListWidget;

// "Chose Columns": the columns of the guest lists, each ticked or not; the result is a column
// mask (reports/GuestColumns.h). The shekel column is offered in the Hebrew interface only.
class CReportColumnsDialog : public QDialog
{
    Q_OBJECT
public:
    CReportColumnsDialog(unsigned columns, QWidget* parent = nullptr);
    unsigned Columns() const;
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};
