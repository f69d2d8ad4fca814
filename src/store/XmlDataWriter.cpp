#include "store/XmlDataWriter.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/XmlText.h"
#include "store/XmlDataNames.h"

namespace
{
// About what a guest line with every field filled takes, so a save grows the text rarely.
constexpr std::size_t kBytesPerGuest = 1024;
constexpr std::size_t kBytesBesideGuests = 64 * 1024;

void AppendStartTag(std::string& out, std::string_view element)
{
    out += '<';
    out += element;
    out += ">\r\n";
}

void AppendEndTag(std::string& out, std::string_view element)
{
    out += "</";
    out += element;
    out += ">\r\n";
}

template <class R>
void AppendField(std::string& out, const SXmlField<R>& field, const R& record)
{
    switch (field.form)
    {
    case EXmlForm::Integer:
    case EXmlForm::Coordinate:
        AppendIntElement(out, field.element, field.getInteger(record));
        break;
    case EXmlForm::Flag:
        AppendIntElement(out, field.element, field.getFlag(record) ? 1 : 0);
        break;
    case EXmlForm::Amount:
        AppendFixedElement(out, field.element, field.getAmount(record), 1);
        break;
    case EXmlForm::Text:
        if (field.onlyWhenSet && field.getText(record).empty())
            break;
        AppendCdataElement(out, field.element, field.getText(record));
        break;
    case EXmlForm::Date:
        AppendTextElement(out, field.element,
                          CPayment::FormatDate(field.getDate(record), IsHebrewUi()));
        break;
    case EXmlForm::TextList:
        // The list's start tag shares its line with the first entry.
        out += '<';
        out += field.listElement;
        out += '>';
        for (const std::string& entry : field.getList(record))
            AppendCdataElement(out, field.element, entry);
        AppendEndTag(out, field.listElement);
        break;
    }
}

template <class R>
void AppendStart(std::string& out, const SXmlRecordNames<R>& names, const R& record)
{
    if (names.attribute == nullptr)
    {
        AppendStartTag(out, names.record);
        return;
    }
    out += '<';
    out += names.record;
    out += ' ';
    out += names.attribute->element;
    out += "=\"";
    out += FormatInt(names.attribute->getInteger(record));
    out += "\">\r\n";
}

template <class R>
void AppendFields(std::string& out, const SXmlRecordNames<R>& names, const R& record)
{
    for (const SXmlField<R>& field : names)
        AppendField(out, field, record);
}

template <class R>
void AppendEnd(std::string& out, const SXmlRecordNames<R>& names)
{
    AppendEndTag(out, names.record);
    if (names.blankLineAfter)
        out += "\r\n";
}

template <class R>
void AppendPlainRecord(std::string& out, const SXmlRecordNames<R>& names, const R& record)
{
    AppendStart(out, names, record);
    AppendFields(out, names, record);
    AppendEnd(out, names);
}

template <class R>
void AppendCollection(std::string& out, const SXmlRecordNames<R>& names,
                      const std::vector<std::unique_ptr<R>>& records)
{
    AppendStartTag(out, names.collection);
    for (const auto& record : records)
        CXmlDataWriter::AppendRecord(out, *record);
    AppendEndTag(out, names.collection);
}
} // namespace

std::string CXmlDataWriter::DataFileText(const SRecords& records)
{
    std::string out;
    out.reserve(records.guests.size() * kBytesPerGuest + kBytesBesideGuests);
    out += kXmlDeclaration;
    AppendStartTag(out, kXmlDataRoot);
    AppendCollection(out, kGuestXml, records.guests);
    AppendCollection(out, kExpenseXml, records.expenses);
    AppendCollection(out, kTableXml, records.tables);
    AppendCollection(out, kGroupXml, records.groups);
    AppendCollection(out, kMeetingXml, records.meetings);
    AppendCollection(out, kCategoryXml, records.categories);
    AppendCollection(out, kOfferXml, records.offers);
    AppendCollection(out, kShapeXml, records.shapes);
    AppendEndTag(out, kXmlDataRoot);
    return out;
}

std::string CXmlDataWriter::HallDraftText(const std::vector<std::unique_ptr<CShape>>& shapes)
{
    std::string out(kXmlDeclaration);
    AppendCollection(out, kShapeXml, shapes);
    return out;
}

void CXmlDataWriter::AppendRecord(std::string& out, const CGuest& guest)
{
    AppendPlainRecord(out, kGuestXml, guest);
}

void CXmlDataWriter::AppendRecord(std::string& out, const CExpence& expense)
{
    AppendStart(out, kExpenseXml, expense);
    AppendFields(out, kExpenseXml, expense);
    AppendStartTag(out, kPaymentXml.collection);
    for (const CPayment& payment : expense.GetPayments())
        AppendPlainRecord(out, kPaymentXml, payment);
    AppendEndTag(out, kPaymentXml.collection);
    AppendEnd(out, kExpenseXml);
}

void CXmlDataWriter::AppendRecord(std::string& out, const CTable& table)
{
    AppendPlainRecord(out, kTableXml, table);
}

void CXmlDataWriter::AppendRecord(std::string& out, const CGroup& group)
{
    AppendPlainRecord(out, kGroupXml, group);
}

void CXmlDataWriter::AppendRecord(std::string& out, const CMeeting& meeting)
{
    AppendPlainRecord(out, kMeetingXml, meeting);
}

void CXmlDataWriter::AppendRecord(std::string& out, const CCategory& category)
{
    AppendPlainRecord(out, kCategoryXml, category);
}

void CXmlDataWriter::AppendRecord(std::string& out, const COffer& offer)
{
    AppendPlainRecord(out, kOfferXml, offer);
}

void CXmlDataWriter::AppendRecord(std::string& out, const CShape& shape)
{
    AppendPlainRecord(out, kShapeXml, shape);
}
