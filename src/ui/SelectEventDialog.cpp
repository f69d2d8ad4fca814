#include "ui/SelectEventDialog.h"

#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CSelectEventDialog::CSelectEventDialog(CNewOrvDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_SELECT_EVENT_TITLE));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(UiText(IDS_SELECT_EVENT_TEXT)));
    m_list = new QListWidget;
    for (const auto& event : doc.GetEvents())
    {
        auto* item = new QListWidgetItem(ToQt(event->GetName()), m_list);
        item->setData(Qt::UserRole, ToQt(event->GetId()));
        item->setToolTip(ToQt(event->GetFolder().string()));
        if (event.get() == doc.GetActiveEvent())
            m_list->setCurrentItem(item);
    }
    layout->addWidget(m_list);
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    m_list->setFocus();
}

CEventInfo* CSelectEventDialog::ChosenEvent() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr)
        return nullptr;
    return m_doc.FindEvent(FromQt(item->data(Qt::UserRole).toString()));
}
