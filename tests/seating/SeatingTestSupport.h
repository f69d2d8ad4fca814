#pragma once

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/StringTable.h"
#include "seating/SeatingRules.h"
#include "seating/TableArrangement.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A new event (the unseated table and the example table at place 1), run once with the seating
// index and once walking the guest list: both must behave the same.
class CSeatingFixture : public CDocFixture, public ::testing::WithParamInterface<bool>
{
protected:
    CNewOrvDoc& OpenEvent()
    {
        CNewOrvDoc& doc = Open();
        // The example table a new event gets with its default content.
        doc.CreateTable(LoadString(IDS_EXAMPLE_TABLE_NAME), 1, CTable::kDefaultSeats);
        doc.SetDataChanged(false);
        doc.UseSeatingIndex(GetParam());
        m_spy.hints.clear();
        return doc;
    }

    CGuest* Guest(const std::string& first, const std::string& family, int coming, int table = 0,
                  const std::string& group = std::string())
    {
        CGuest* guest = m_doc->AddGuest(first, family);
        guest->SetComingCount(coming);
        guest->SetGroupName(group);
        guest->SetTable(static_cast<std::int16_t>(table));
        return guest;
    }

    // Tables 1..count-1 after the unseated one, named "T1", "T2" ..., places 1, 2 ... (the
    // example table is replaced).
    void MakeTables(int count, int seats = 10)
    {
        while (m_doc->GetTableCount() > 1)
            m_doc->DeleteTable(m_doc->GetTableAt(m_doc->GetTableCount() - 1));
        for (int i = 1; i < count; ++i)
            m_doc->CreateTable("T" + std::to_string(i), i, seats);
    }

    std::vector<std::string> NamesAt(int tableId, bool sorted = false)
    {
        std::vector<CGuest*> guests;
        m_doc->GetGuestsAtTable(tableId, guests, sorted);
        std::vector<std::string> names;
        for (const CGuest* guest : guests)
            names.push_back(guest->GetFullName());
        return names;
    }

    std::vector<std::string> TableNames()
    {
        std::vector<std::string> names;
        for (const auto& table : m_doc->GetTables())
            names.push_back(table->GetName());
        return names;
    }

    void Clear()
    {
        m_spy.hints.clear();
        m_prompt.Clear();
        m_doc->SetDataChanged(false);
    }
};

inline std::string IndexMode(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "Indexed" : "Walking";
}
