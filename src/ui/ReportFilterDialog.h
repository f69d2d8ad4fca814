#pragma once

#include "model/GuestFilter.h"

#include <QDialog>

class CNewOrvDoc;
class QComboBox;
class QLineEdit;

// "Filter": the guests view's filter fields (group, relation, the beginnings of the first and the
// family name, the approval status) for the guest lists and the approval notes.
class CReportFilterDialog : public QDialog
{
    Q_OBJECT
public:
    CReportFilterDialog(const CNewOrvDoc& doc, const CGuestFilter& filter,
                        QWidget* parent = nullptr);
    CGuestFilter Filter() const;

private:
    QComboBox* m_group;
    QComboBox* m_relation;
    QLineEdit* m_first;
    QLineEdit* m_family;
    QComboBox* m_status;
};
