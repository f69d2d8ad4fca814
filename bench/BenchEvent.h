#pragma once

#include "budget/DefaultContent.h"
#include "platform/Prompt.h"

#include <filesystem>
#include <memory>
#include <string>

class CNewOrvDoc;
class CProgramFolders;

// The shape of a generated event. Every count is exact and every text deterministic, so two
// events of the same shape are equal.
struct SBenchEventShape
{
    int guestLines = 10000;
    int linesPerGroup = 20;   // one group per this many lines, in list order
    int linesPerTable = 10;   // one table per this many lines; 0: only the unseated table
    bool seated = true;       // lines sit at the tables in list order; false: all unseated
    int seatsPerTable = 10;   // also the event's default table size
    int nameLength = 8;       // least length of names (group, table, guest), ASCII bytes
    int textLength = 24;      // least length of address, e-mail, info and gift texts
    int restrictedEvery = 50; // every n-th line names the line before it as restricted; 0: none
    int expenses = 0;         // expenses added to the default ones' place (0: the defaults stay)
    int paymentsPerExpense = 3;
    int offers = 0; // offers added beside the example offers
};

// A document over a fresh temporary data root, filled with a generated event; the root is
// removed with it. Its prompt answers Yes (OK to a notice) to everything.
//
// Coming counts repeat 1, 2, 1, 0, 1, 1 (one person per line on average, a line of nobody
// among them), planned counts are the coming count plus one, arrived counts half the coming.
class CBenchEvent
{
public:
    explicit CBenchEvent(const SBenchEventShape& shape);
    ~CBenchEvent();
    CBenchEvent(const CBenchEvent&) = delete;
    CBenchEvent& operator=(const CBenchEvent&) = delete;

    CNewOrvDoc& Doc() { return *m_doc; }
    const SBenchEventShape& Shape() const { return m_shape; }
    const std::filesystem::path& Root() const { return m_root; }

private:
    class CYesPrompt : public IPrompt
    {
    public:
        EAnswer Ask(const std::string&, const std::string&, EButtons buttons) override
        {
            return buttons == EButtons::YesNo || buttons == EButtons::YesNoCancel ? EAnswer::Yes
                                                                                  : EAnswer::Ok;
        }
    };

    void Fill();

    SBenchEventShape m_shape;
    std::filesystem::path m_root;
    CYesPrompt m_prompt;
    CDefaultContent m_defaults;
    std::unique_ptr<CProgramFolders> m_folders;
    std::unique_ptr<CNewOrvDoc> m_doc;
};
