#include "ui/ChooseTableDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CChooseTableDialog::CChooseTableDialog(const std::vector<STableChoiceLine>& lines, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_RT_CHOOSE_TABLE_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(UiText(IDS_RT_CHOOSE_TABLE_TEXT));
    text->setWordWrap(true);
    layout->addWidget(text);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("TableChoice"));
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 18);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    // Table names are short; only the separator is wider than the list, and it may be cut.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const STableChoiceLine& line : lines)
    {
        auto* item = new QListWidgetItem(ToQt(line.text), m_list);
        item->setData(Qt::UserRole, line.tableId);
        // The separator and the empty lines around it only divide the list: the arrow keys pass
        // over them.
        if (line.kind != STableChoiceLine::kTable)
            item->setFlags(Qt::ItemIsEnabled);
    }
    layout->addWidget(m_list, 1);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item)
            {
                if (item->data(Qt::UserRole).toInt() > 0)
                    accept();
            });

    for (int row = 0; row < m_list->count(); ++row)
    {
        if (m_list->item(row)->data(Qt::UserRole).toInt() > 0)
        {
            m_list->setCurrentRow(row);
            break;
        }
    }
    m_list->setFocus();
}

int CChooseTableDialog::ChosenTableId() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
}

bool CChooseTableDialog::ChooseTable(int tableId)
{
    for (int row = 0; row < m_list->count(); ++row)
    {
        if (tableId > 0 && m_list->item(row)->data(Qt::UserRole).toInt() == tableId)
        {
            m_list->setCurrentRow(row);
            return true;
        }
    }
    return false;
}
