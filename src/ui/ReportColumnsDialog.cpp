#include "ui/ReportColumnsDialog.h"

#include "platform/Language.h"
#include "reports/GuestColumns.h"
#include "reports/ReportOptions.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QListWidget>
#include <QVBoxLayout>

CReportColumnsDialog::CReportColumnsDialog(unsigned columns, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_PRINTS_COLUMNS));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ColumnList"));
    for (const SGuestColumn& column : GuestColumns())
    {
        if (column.bit == SReportOptions::kShekelColumn && !IsHebrewUi())
            continue;
        auto* item = new QListWidgetItem(UiText(column.headerId), m_list);
        item->setData(Qt::UserRole, column.bit);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState((columns & column.bit) != 0 ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(m_list);
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_list->setFocus();
}

unsigned CReportColumnsDialog::Columns() const
{
    unsigned mask = 0;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->checkState() == Qt::Checked)
            mask |= m_list->item(row)->data(Qt::UserRole).toUInt();
    return mask;
}
