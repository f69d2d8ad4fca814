#include "ui/ReportFilterDialog.h"

#include "model/Group.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{
// A list whose first entry is "All" (the filter's "*"), then the given values.
QComboBox* MakeChoice(const QStringList& values, const std::string& current, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->addItem(UiText(IDS_PRINTS_FILTER_ALL), QString::fromLatin1(CGuestFilter::kAny));
    for (const QString& value : values)
        box->addItem(value, value);
    const int at = box->findData(ToQt(current));
    box->setCurrentIndex(at > 0 ? at : 0);
    return box;
}
} // namespace

CReportFilterDialog::CReportFilterDialog(const CNewOrvDoc& doc, const CGuestFilter& filter,
                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_PRINTS_FILTER));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    QStringList groups;
    for (const auto& group : doc.GetGroups())
        groups << ToQt(group->GetName());
    m_group = MakeChoice(groups, filter.group, this);
    m_relation = MakeChoice(
        {UiText(IDS_RELATION_BRIDE), UiText(IDS_RELATION_GROOM), UiText(IDS_RELATION_MUTUAL)},
        filter.relation, this);
    m_first = new QLineEdit(ToQt(filter.firstNamePrefix), this);
    m_family = new QLineEdit(ToQt(filter.familyNamePrefix), this);
    m_status = new QComboBox(this);
    m_status->addItem(UiText(IDS_PRINTS_FILTER_ALL), CGuestFilter::kAllStatuses);
    m_status->addItem(UiText(IDS_PRINTS_FILTER_NO_ANSWER), CGuestFilter::kNoAnswerOnly);
    m_status->addItem(UiText(IDS_PRINTS_FILTER_APPROVED), CGuestFilter::kApprovedOnly);
    m_status->addItem(UiText(IDS_PRINTS_FILTER_NOT_COMING), CGuestFilter::kNotComingOnly);
    m_status->setCurrentIndex(std::max(0, m_status->findData(filter.status)));
    form->addRow(UiText(IDS_PRINTS_FILTER_GROUP), m_group);
    form->addRow(UiText(IDS_PRINTS_FILTER_RELATION), m_relation);
    form->addRow(UiText(IDS_PRINTS_FILTER_FIRST), m_first);
    form->addRow(UiText(IDS_PRINTS_FILTER_FAMILY), m_family);
    form->addRow(UiText(IDS_PRINTS_FILTER_STATUS), m_status);
    layout->addLayout(form);
    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_group->setFocus();
}

CGuestFilter CReportFilterDialog::Filter() const
{
    CGuestFilter filter;
    filter.group = FromQt(m_group->currentData().toString());
    filter.relation = FromQt(m_relation->currentData().toString());
    filter.firstNamePrefix = FromQt(m_first->text());
    filter.familyNamePrefix = FromQt(m_family->text());
    filter.status = m_status->currentData().toInt();
    return filter;
}
