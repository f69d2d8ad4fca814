#include "BenchEvent.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
const int kComingPattern[] = {1, 2, 1, 0, 1, 1};

// The stem and the number, padded with 'x' to length bytes; never cut, so texts stay distinct.
std::string Text(const std::string& stem, int number, int length)
{
    std::string text = stem + std::to_string(number);
    if (static_cast<int>(text.size()) < length)
        text.append(static_cast<std::size_t>(length) - text.size(), 'x');
    return text;
}

fs::path MakeRoot()
{
    std::string pattern = (fs::temp_directory_path() / "velloran-bench-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary data root");
    return fs::path(buffer.data());
}
} // namespace

CBenchEvent::CBenchEvent(const SBenchEventShape& shape) : m_shape(shape), m_root(MakeRoot())
{
    m_folders = std::make_unique<CProgramFolders>(m_root, m_root / "program", false, true);
    m_doc = std::make_unique<CNewOrvDoc>(*m_folders, m_prompt);
    m_doc->SetDefaultContentSource(&m_defaults);
    m_doc->OnNewDocument();
    Fill();
}

CBenchEvent::~CBenchEvent()
{
    m_doc.reset();
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

void CBenchEvent::Fill()
{
    CNewOrvDoc& doc = *m_doc;
    doc.GetSettings().SetGuestsPerTable(static_cast<short>(m_shape.seatsPerTable));
    // Only the unseated table stays of the default content.
    while (doc.GetTableCount() > 1)
        doc.DeleteTable(doc.GetTableAt(doc.GetTableCount() - 1));

    const int lines = m_shape.guestLines;
    const int groups =
        m_shape.linesPerGroup > 0 ? (lines + m_shape.linesPerGroup - 1) / m_shape.linesPerGroup : 0;
    for (int g = 0; g < groups; ++g)
        doc.AddGroup(Text("Group ", g, m_shape.nameLength));
    const int tables =
        m_shape.linesPerTable > 0 ? (lines + m_shape.linesPerTable - 1) / m_shape.linesPerTable : 0;
    for (int t = 1; t <= tables; ++t)
        doc.CreateTable(Text("Table ", t, m_shape.nameLength), t, m_shape.seatsPerTable);

    const int text = m_shape.textLength;
    for (int i = 0; i < lines; ++i)
    {
        CGuest* guest = doc.AddGuest(Text("F", i, m_shape.nameLength),
                                     Text("Family", i % 997, m_shape.nameLength));
        const int coming = kComingPattern[i % 6];
        guest->SetComingCount(coming);
        guest->SetInvitedCount(coming + 1);
        guest->SetArrivedCount(coming / 2);
        if (groups > 0)
            guest->SetGroupName(doc.GetGroupAt(i / m_shape.linesPerGroup)->GetName());
        if (m_shape.seated && tables > 0)
            guest->SetTable(static_cast<std::int16_t>(1 + i / m_shape.linesPerTable));
        guest->SetAddress(Text("Street ", i, text));
        guest->SetPhone(Text("03-", i, std::min(text, 12)));
        guest->SetEmail(Text("guest", i, text) + "@example.org");
        guest->SetInfo(Text("Note ", i, text));
        guest->SetGift(Text("Gift ", i, text));
        guest->SetStatus(i % 3);
        guest->SetMobile(Text("050-", i, std::min(text, 12)));
        guest->SetGiftDetails(Text("Details ", i, text));
        guest->SetRelation(i % 3 == 0 ? "Bride" : i % 3 == 1 ? "Groom" : "Mutual");
        guest->SetTransportation(i % 6);
        if (m_shape.restrictedEvery > 0 && i > 0 && i % m_shape.restrictedEvery == 0)
            guest->AddRestricted(doc.GetGuestAt(i - 1)->GetFullName(), false);
    }

    if (m_shape.expenses > 0)
    {
        while (!doc.GetExpenses().empty())
            doc.RemoveExpense(doc.GetExpenses().front().get());
        for (int e = 0; e < m_shape.expenses; ++e)
        {
            auto expense = std::make_unique<CExpence>(&doc);
            expense->SetName(Text("Expense ", e, m_shape.nameLength));
            expense->SetInfo(Text("Comment ", e, text));
            expense->SetCategory(Text("Category ", e % 12, m_shape.nameLength));
            for (int p = 0; p < m_shape.paymentsPerExpense; ++p)
                expense->SetPayment(p, 1000 + p, 300 + p, p % 2, SDate(2027, 1 + p, 10 + p),
                                    Text("Payment ", p, text));
            expense->RecomputePaidState();
            doc.AddExpense(std::move(expense));
        }
    }
    for (int o = 0; o < m_shape.offers; ++o)
        doc.AddOffer(Text("Offer ", o, m_shape.nameLength),
                     doc.GetCategories()[static_cast<std::size_t>(o) % doc.GetCategories().size()]
                         ->GetName(),
                     500 + o, Text("Offer details ", o, text));
}
