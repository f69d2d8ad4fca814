#include "ui/ArrivalDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
// 0 stays possible, so that OK with nobody gets its message.
constexpr int kMaxPeople = 999;
} // namespace

CArrivalDialog::CArrivalDialog(const QString& guestName, const QString& tableText, int people,
                               QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_RT_ARRIVAL_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* name = new QLabel(guestName);
    name->setObjectName(QStringLiteral("ArrivalGuestName"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    layout->addWidget(name);
    auto* table = new QLabel(tableText);
    table->setObjectName(QStringLiteral("ArrivalTable"));
    layout->addWidget(table);

    auto* form = new QFormLayout;
    m_count = new QSpinBox;
    m_count->setObjectName(QStringLiteral("ArrivalCount"));
    m_count->setRange(0, std::max(kMaxPeople, people));
    m_count->setValue(people);
    m_count->setAlignment(Qt::AlignTrailing);
    form->addRow(UiText(IDS_RT_ARRIVAL_COUNT_LABEL), m_count);
    layout->addLayout(form);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CArrivalDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    // Typing a number replaces the one proposed; Enter is OK.
    m_count->setFocus();
    m_count->selectAll();
}

int CArrivalDialog::People() const
{
    return m_count->value();
}

void CArrivalDialog::SetPeople(int people)
{
    m_count->setValue(people);
}

void CArrivalDialog::accept()
{
    m_count->interpretText(); // a number typed but not yet taken by the spin box
    if (!m_handler || m_handler(People()))
        QDialog::accept();
    else
    {
        m_count->setFocus();
        m_count->selectAll();
    }
}
