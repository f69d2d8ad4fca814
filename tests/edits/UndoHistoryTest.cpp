#include "store/UndoHistory.h"

#include "budget/ExpenseDraft.h"
#include "budget/GiftList.h"
#include "budget/OfferDraft.h"
#include "edits/BudgetEdits.h"
#include "edits/GiftEdits.h"
#include "edits/GroupEdits.h"
#include "edits/GuestEdits.h"
#include "edits/HallEdits.h"
#include "edits/MeetingEdits.h"
#include "edits/MoneyEdits.h"
#include "edits/TableEdits.h"
#include "edits/TaskEdits.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/RecordCounters.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "model/Task.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{
// Says Yes to every question, so a random operation is never refused by its question.
class CYesPrompt : public IPrompt
{
public:
    EAnswer Ask(const std::string&, const std::string&, EButtons buttons) override
    {
        return buttons == EButtons::YesNo || buttons == EButtons::YesNoCancel ? EAnswer::Yes
                                                                              : EAnswer::Ok;
    }
};

void AppendTasks(std::string& out, const CTask& task, int depth)
{
    out += std::string(static_cast<std::size_t>(depth), ' ') + task.GetName() + "|" +
           task.GetInfo() + "|" + (task.IsChecked() ? "x" : "-") + "\n";
    for (int i = 0; i < task.GetChildCount(); ++i)
        AppendTasks(out, *task.GetChild(i), depth + 1);
}
} // namespace

class UndoHistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CRecordCounters::ResetAllForTests();
        m_folders =
            std::make_unique<CProgramFolders>(m_root.Path(), m_root / "program", false, true);
        m_doc = std::make_unique<CNewOrvDoc>(*m_folders, m_prompt);
        ASSERT_TRUE(m_doc->OnNewDocument());
    }

    // Everything a step may change: the whole data file, the task tree and the settings the
    // edits change.
    std::string State() const
    {
        std::string state = m_doc->BuildDataFileText();
        AppendTasks(state, *m_doc->GetTaskRoot(), 0);
        CEventSettings& settings = m_doc->GetSettings();
        state += std::to_string(settings.GetGuestsPerTable()) + "|" +
                 settings.GetKeySetting("UpperBudgetLimit") + "\n";
        return state;
    }

    // A realistic start: four groups of guests, some seated, tables, an expense, a task.
    void MakeEvent()
    {
        CNewOrvDoc& doc = *m_doc;
        const char* groups[] = {"Family", "Work", "Friends", "Neighbours"};
        for (const char* group : groups)
            Edits::AddGroup(doc, group, false, nullptr);
        for (int i = 0; i < 4; ++i)
            Edits::CreateTable(doc, std::string("Table ") + std::to_string(i + 1), -1, 12);
        for (int i = 0; i < 40; ++i)
        {
            CGuest* guest = Edits::AddGuest(doc, "Guest" + std::to_string(i), "Levi", nullptr);
            Edits::EditGuestField(doc, guest, Edits::EGuestField::Group, std::string(groups[i % 4]),
                                  nullptr);
            if (i % 3 == 0)
                Edits::SeatGuest(doc, guest, doc.GetTableAt(1 + i % 4));
        }
        CExpenseDraft draft;
        draft.name = "Flowers";
        Edits::AddExpense(doc, draft, nullptr);
        Edits::AddTask(doc, {doc.GetTaskRoot(), 0}, "Book the band", "", nullptr);
        History().Clear();
    }

    CUndoHistory& History() { return m_doc->GetUndoHistory(); }

    CGuest* AnyGuest(std::mt19937& random)
    {
        if (m_doc->GetGuestCount() == 0)
            return nullptr;
        return m_doc->GetGuestAt(static_cast<int>(random() % m_doc->GetGuestCount()));
    }
    CTable* AnyTable(std::mt19937& random, bool unseatedToo)
    {
        const int first = unseatedToo ? 0 : 1;
        if (m_doc->GetTableCount() <= first)
            return nullptr;
        return m_doc->GetTableAt(first +
                                 static_cast<int>(random() % (m_doc->GetTableCount() - first)));
    }

    // One user operation of the mix the history must take back exactly.
    void RandomOperation(std::mt19937& random, int n)
    {
        CNewOrvDoc& doc = *m_doc;
        const std::string tag = std::to_string(n);
        switch (random() % 18)
        {
        case 0: // seat
        case 1: // move to another table
            Edits::SeatGuest(doc, AnyGuest(random), AnyTable(random, true));
            break;
        case 2:
            if (CTable* a = AnyTable(random, false))
                Edits::SwapTables(doc, a, AnyTable(random, false));
            break;
        case 3:
            Edits::DeleteTable(doc, AnyTable(random, false));
            break;
        case 4:
            if (random() % 2 == 0)
                Edits::ArrangeAllGuests(doc);
            else
                Edits::ArrangeTablelessGuests(doc);
            break;
        case 5:
            Edits::AddGuest(doc, "New" + tag, "Cohen", nullptr);
            break;
        case 6:
            Edits::DeleteGuestWithQuestion(doc, AnyGuest(random));
            break;
        case 7:
            if (doc.GetGroupCount() > 0)
                Edits::RenameGroup(doc,
                                   doc.GetGroupAt(static_cast<int>(random() % doc.GetGroupCount())),
                                   "Group " + tag, nullptr);
            break;
        case 8:
        {
            CGiftList::SGift gift;
            gift.description = "Cheque " + tag;
            gift.shekels = static_cast<int>(random() % 1000) + 1;
            Edits::SetGift(doc, AnyGuest(random), gift, nullptr);
            break;
        }
        case 9:
        {
            CExpenseDraft draft;
            draft.name = "Expense " + tag;
            CPayment payment;
            payment.SetShekels(100 + n);
            draft.AddPayment(payment);
            payment.SetPaidState(CPayment::kPaid);
            draft.AddPayment(payment);
            CExpence* expense = Edits::AddExpense(doc, draft, nullptr);
            Edits::PayPayment(doc, expense, 0, nullptr);
            break;
        }
        case 10:
            if (!doc.GetExpenses().empty())
                Edits::DeleteExpenseWithQuestion(doc, doc.GetExpenses().front().get(), nullptr);
            break;
        case 11:
            Edits::EditGuestField(doc, AnyGuest(random), Edits::EGuestField::Coming,
                                  static_cast<int>(random() % 5), nullptr);
            break;
        case 12:
            Edits::MoveTable(doc, 1, doc.GetTableCount() - 1);
            break;
        case 13:
            if (random() % 2 == 0 || doc.GetMeetings().empty())
                Edits::AddMeeting(doc, nullptr);
            else
                Edits::DeleteMeetingWithQuestion(doc, doc.GetMeetings().back().get(), nullptr);
            break;
        case 14:
            if (doc.GetTaskRoot()->GetChildCount() > 0 && random() % 2 == 0)
                Edits::SetTaskChecked(doc, doc.GetTaskRoot()->GetChild(0),
                                      !doc.GetTaskRoot()->GetChild(0)->IsChecked(), nullptr);
            else
                Edits::AddTask(doc, {doc.GetTaskRoot(), 0}, "Task " + tag, "", nullptr);
            break;
        case 15:
        {
            CCategory* category = Edits::AddCategory(doc, "Category " + tag, nullptr);
            COfferDraft offer;
            offer.name = "Offer " + tag;
            offer.category = category != nullptr ? category->GetName() : std::string();
            offer.fixedAmount = 500 + n;
            Edits::AddOffer(doc, offer, nullptr);
            Edits::SetBudgetLimit(doc, 10000 + n, nullptr);
            break;
        }
        case 16:
            if (!doc.GetCategories().empty())
                Edits::DeleteCategoryWithQuestion(doc, doc.GetCategories().front().get(), nullptr);
            break;
        default:
        {
            Edits::STableSetup setup = Edits::GetTableSetup(doc);
            setup.seats = 8 + static_cast<int>(random() % 6);
            Edits::SetTableSetup(doc, setup, nullptr);
            if (doc.GetShapes().empty() || random() % 2 == 0)
                Edits::AddShape(doc, CShape::kShapeSquare, "Bar " + tag, 0xFF, "Bar", nullptr);
            else
                Edits::DeleteShapeWithQuestion(doc, doc.GetShapes().front().get());
            break;
        }
        }
    }

    CTempDir m_root;
    CYesPrompt m_prompt;
    std::unique_ptr<CProgramFolders> m_folders;
    std::unique_ptr<CNewOrvDoc> m_doc;
};

TEST_F(UndoHistoryTest, UndoingEveryStepGivesBackEachStateAndRedoingGivesTheEnd)
{
    MakeEvent();
    for (unsigned seed : {1u, 7u, 2026u})
    {
        std::mt19937 random(seed);
        History().Clear();
        std::vector<std::string> states{State()};
        for (int n = 0; n < 80; ++n)
        {
            const std::size_t steps = History().UndoCount();
            RandomOperation(random, n);
            History().CloseStep();
            const std::string state = State();
            if (History().UndoCount() == steps)
                ASSERT_EQ(state, states.back()) << "a change without a step, operation " << n;
            else
                states.push_back(state);
        }
        ASSERT_GT(states.size(), 40u) << "most operations change something";

        for (std::size_t k = states.size() - 1; k > 0; --k)
        {
            ASSERT_TRUE(m_doc->Undo());
            ASSERT_EQ(State(), states[k - 1]) << "seed " << seed << ", undoing step " << k;
        }
        EXPECT_FALSE(m_doc->Undo());
        for (std::size_t k = 1; k < states.size(); ++k)
        {
            ASSERT_TRUE(m_doc->Redo());
            ASSERT_EQ(State(), states[k]) << "seed " << seed << ", redoing step " << k;
        }
        EXPECT_FALSE(m_doc->Redo());
        // The table ids still match their places and the seating index agrees with the guests.
        for (int i = 0; i < m_doc->GetTableCount(); ++i)
            ASSERT_EQ(m_doc->GetTableAt(i)->GetId(), i);
        int seated = 0;
        for (int i = 0; i < m_doc->GetTableCount(); ++i)
            seated += m_doc->CountLinesAtTable(i);
        EXPECT_EQ(seated, m_doc->GetGuestCount());
    }
}

TEST_F(UndoHistoryTest, StepsAreNamedByTheirOperationAndANewChangeDropsTheRedoBranch)
{
    MakeEvent();
    CGuest* guest = m_doc->GetGuestAt(1);
    const std::size_t before = History().UndoCount();
    Edits::EditTable(*m_doc, m_doc->GetTableAt(1), "Table 1", m_doc->GetTableAt(1)->GetHallNumber(),
                     12, nullptr);
    History().CloseStep();
    EXPECT_EQ(History().UndoCount(), before) << "a step that changed nothing leaves no entry";

    const std::string start = State();
    Edits::SeatGuest(*m_doc, guest, m_doc->GetTableAt(2));
    History().CloseStep();
    Edits::DeleteGuestWithQuestion(*m_doc, m_doc->GetGuestAt(5));
    History().CloseStep();
    EXPECT_EQ(History().UndoName(), "Delete guest");
    const std::string afterDelete = State();
    ASSERT_TRUE(m_doc->Undo());
    EXPECT_EQ(History().UndoName(), "Move to table");
    EXPECT_EQ(History().RedoName(), "Delete guest");
    EXPECT_TRUE(m_doc->IsDataChanged());

    Edits::AddGuest(*m_doc, "Dana", "Mizrahi", nullptr);
    History().CloseStep();
    EXPECT_FALSE(History().CanRedo()) << "a new change drops what was undone";
    EXPECT_FALSE(m_doc->Redo());
    ASSERT_TRUE(m_doc->Undo());
    ASSERT_TRUE(m_doc->Undo());
    EXPECT_EQ(State(), start);
    EXPECT_NE(State(), afterDelete);
}

TEST_F(UndoHistoryTest, TheLimitDropsTheOldestStepsAndALoadClearsTheHistory)
{
    MakeEvent();
    History().SetLimits(3, CUndoHistory::kDefaultByteBudget);
    std::vector<std::string> states{State()};
    for (int i = 0; i < 5; ++i)
    {
        Edits::AddGroup(*m_doc, "Extra " + std::to_string(i), false, nullptr);
        History().CloseStep();
        states.push_back(State());
    }
    EXPECT_EQ(History().UndoCount(), 3u);
    while (m_doc->Undo())
    {
    }
    EXPECT_EQ(State(), states[2]) << "the two oldest steps are gone";

    // A byte budget smaller than one step keeps only the newest.
    History().SetLimits(100, 1);
    Edits::AddGroup(*m_doc, "Budget", false, nullptr);
    History().CloseStep();
    Edits::AddGroup(*m_doc, "Budget 2", false, nullptr);
    History().CloseStep();
    EXPECT_EQ(History().UndoCount(), 1u);

    // Saving keeps the history, and an undo after it makes the event changed again.
    ASSERT_TRUE(m_doc->SaveEventData());
    EXPECT_FALSE(m_doc->IsDataChanged());
    const unsigned long count = m_doc->GetChangeCount();
    ASSERT_TRUE(m_doc->Undo());
    EXPECT_TRUE(m_doc->IsDataChanged());
    EXPECT_GT(m_doc->GetChangeCount(), count);

    m_doc->ReloadEvent();
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(History().CanRedo());
}
