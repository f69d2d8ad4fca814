#include "GuiTestSupport.h"
#include "budget/BudgetPlan.h"
#include "model/Category.h"
#include "model/Guest.h"
#include "model/Offer.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/BudgetView.h"
#include "ui/CategoryNameDialog.h"
#include "ui/CombinationModel.h"
#include "ui/MainFrame.h"
#include "ui/OfferDialog.h"
#include "ui/ViewCodes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

namespace
{
COffer* FindOffer(CNewOrvDoc& doc, const std::string& name)
{
    for (const auto& offer : doc.GetOffers())
        if (offer->GetName() == name)
            return offer.get();
    return nullptr;
}
} // namespace

class BudgetViewGuiTest : public QObject, private CViewFixture<CBudgetView>
{
    Q_OBJECT

private:
    QStringList ListedOffers()
    {
        QStringList names;
        const CCombinationModel& model = *m_view->ListModel();
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.index(row, CCombinationModel::kColumnOffers).data().toString();
        return names;
    }

    void MoveIn(const std::string& offer)
    {
        m_view->SelectInTree(FindOffer(Doc(), offer));
        m_view->MoveRight();
    }

private slots:
    void init() { Open(VIEW_BUDGET); }
    void cleanup() { QCOMPARE(Close(), 0); }

    void theViewsMenuAndCommands()
    {
        CMainFrame& frame = m_gui->Frame();
        QVERIFY(MenuBarTitles(frame).contains(QStringLiteral("Budget")));
        QCOMPARE(frame.GenericActions().add->text(), QStringLiteral("&Add Category"));
        QCOMPARE(m_view->AddOfferAction()->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
        QCOMPARE(m_view->DeleteOfferAction()->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
        // No print command until the budget report exists: never a dead entry.
        QVERIFY(FindAction(frame.menuBar()->actions(), QStringLiteral("Print")) == nullptr);
        QCOMPARE(m_view->Tabs()->count(), 3);
        QCOMPARE(m_view->Tabs()->tabText(1), QStringLiteral("Second Combination"));
        QVERIFY(m_view->MoveRightButton()->toolTip().contains(QStringLiteral("left to right")));
        QCOMPARE(m_view->LimitField()->value(), 50000);
    }

    void movingAsksForTheCategoryAndTheLimit()
    {
        QVERIFY(!m_view->MoveRightButton()->isEnabled());
        MoveIn("Food Co Catering");
        QCOMPARE(ListedOffers(), QStringList{QStringLiteral("Food Co Catering")});
        QCOMPARE(m_view->TotalText(), QStringLiteral("Total 10000"));
        QVERIFY(!m_view->MoveRightButton()->isEnabled());
        QCOMPARE(m_spy.Count(HINT_BUDGET_CHANGED), 1);

        // A limit typed and not yet stored is saved with the event, and a move is asked about
        // against it (the category and limit questions are the core's).
        m_view->LimitField()->setValue(15000);
        QVERIFY(m_view->HasPendingEdit());
        Doc().SaveEventData();
        QVERIFY(!m_view->HasPendingEdit());
        QCOMPARE(Doc().GetSettings().GetKeySetting(CBudgetPlan::kLimitKey), std::string("15000"));
        m_bench->AnswerMessage(QMessageBox::No);
        MoveIn("Blue River Band");
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Expences exceeds budget limit"));
        QCOMPARE(ListedOffers().size(), 1);
        MoveIn("Musica Plus");
        QCOMPARE(m_view->TotalText(), QStringLiteral("Total 15000"));

        // Back: the row above is selected afterwards; another tab shows its own combination.
        m_view->List()->setCurrentIndex(m_view->ListModel()->index(1, 0));
        m_view->MoveBack();
        QCOMPARE(ListedOffers(), QStringList{QStringLiteral("Food Co Catering")});
        QCOMPARE(m_view->List()->currentIndex().row(), 0);
        m_view->ShowCombination(2);
        QCOMPARE(ListedOffers(), QStringList());
        QCOMPARE(m_view->TotalText(), QStringLiteral("Total 0"));
        m_view->ShowCombination(0);
        m_view->MoveAllBack();
        QCOMPARE(ListedOffers(), QStringList());
        QVERIFY(!FindOffer(Doc(), "Musica Plus")->IsInCombination(0));
    }

    void aPerGuestOfferFollowsTheGuests()
    {
        CGuest* guest = Doc().AddGuest("Dan", "Levi");
        guest->SetInvitedCount(3);
        m_bench->Fill<COfferDialog>(
            [](COfferDialog& offer)
            {
                offer.NameField()->setText(QStringLiteral("Chef"));
                offer.PerGuestButton()->setChecked(true);
                offer.PerGuestField()->setValue(100);
                offer.CategoryBox()->setCurrentText(QStringLiteral("Caterings"));
            });
        m_view->AddOffer();
        COffer* chef = FindOffer(Doc(), "Chef");
        QVERIFY(chef != nullptr);
        QVERIFY(chef->IsPerGuest());
        QCOMPARE(m_view->SelectedTreeOffer(), chef);
        m_view->MoveRight();
        QCOMPARE(m_view->TotalText(), QStringLiteral("Total 300"));
        guest->SetInvitedCount(4);
        Doc().UpdateAllViews(nullptr, HINT_GUEST_CHANGED, guest);
        m_view->FlushRefresh();
        QCOMPARE(m_view->TotalText(), QStringLiteral("Total 400"));
        QCOMPARE(m_view->ListModel()->index(0, CCombinationModel::kColumnSum).data().toString(),
                 QStringLiteral("400"));
    }

    void theOfferDialogRefusesAnEmptyNameAndAZeroTotal()
    {
        QString total;
        m_bench->Answer(
            [&](QDialog& dialog)
            {
                auto& offer = static_cast<COfferDialog&>(dialog);
                offer.PerGuestButton()->setChecked(true);
                offer.PerGuestField()->setValue(20);
                offer.OtherGuestsButton()->setChecked(true);
                offer.GuestsField()->setValue(30);
                total = offer.TotalText();
                offer.accept(); // no name: refused, the dialog stays
                offer.NameField()->setText(QStringLiteral("Band"));
                offer.PerGuestField()->setValue(0);
                offer.accept(); // a total of 0: refused
                return offer.result();
            });
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_bench->AnswerMessage(QMessageBox::Ok);
        const std::size_t offers = Doc().GetOffers().size();
        m_view->AddOffer();
        QCOMPARE(total, QStringLiteral("600"));
        QCOMPARE(m_bench->MessageTexts().size(), std::size_t(2));
        QCOMPARE(m_bench->MessageTexts()[0], QStringLiteral("Please fill all mandatory details"));
        QCOMPARE(m_bench->MessageTexts()[1], QStringLiteral("Please fill the offer sum."));
        QCOMPARE(Doc().GetOffers().size(), offers);
    }

    void categoriesAreAddedRenamedAndDeletedWithTheirOffers()
    {
        CMainFrame& frame = m_gui->Frame();
        m_bench->Fill<CCategoryNameDialog>(
            [](CCategoryNameDialog& opened)
            { opened.NameField()->setText(QStringLiteral(" Cakes ")); });
        frame.GenericActions().add->trigger();
        CCategory* cakes = Doc().FindCategory("Cakes");
        QVERIFY(cakes != nullptr);
        QCOMPARE(m_view->SelectedCategory(), cakes);

        MoveIn("Musica Plus");
        m_view->SelectInTree(Doc().FindCategory("DJs"));
        m_bench->Fill<CCategoryNameDialog>(
            [](CCategoryNameDialog& opened)
            { opened.NameField()->setText(QStringLiteral("Music")); });
        frame.GenericActions().edit->trigger();
        QCOMPARE(FindOffer(Doc(), "Musica Plus")->GetCategory(), std::string("Music"));

        m_bench->AnswerMessage(QMessageBox::Yes);
        frame.GenericActions().remove->trigger();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete Category"));
        QVERIFY(FindOffer(Doc(), "Musica Plus") == nullptr);
        QCOMPARE(ListedOffers(), QStringList());
        QCOMPARE(m_spy.Count(HINT_BUDGET_REMOVING), 1);
    }

    void deletingAnOfferFromTheTree()
    {
        MoveIn("Photographers inc");
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteOffer();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete offer"));
        QVERIFY(FindOffer(Doc(), "Photographers inc") == nullptr);
        QCOMPARE(ListedOffers(), QStringList());
        QCOMPARE(m_view->SelectedCategory(), Doc().FindCategory("Photographers"));
        QVERIFY2(!m_view->DeleteOfferAction()->isEnabled(), "a category is selected");
    }
};

VELLORAN_GUI_TEST_MAIN(BudgetViewGuiTest)

#include "BudgetViewGuiTest.moc"
