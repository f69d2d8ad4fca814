#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/GiftDialog.h"
#include "ui/GiftSearchDialog.h"
#include "ui/GiftsModel.h"
#include "ui/GiftsView.h"
#include "ui/MainFrame.h"
#include "ui/ViewCodes.h"

#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

class GiftsViewGuiTest : public QObject, private CViewFixture<CGiftsView>
{
    Q_OBJECT

private:
    std::vector<CGuest*> m_guests;

    void OpenWithGuests(ELanguage language)
    {
        Open(VIEW_GIFTS, language);
        // Dan Levi, Noa Cohen, Dana Levi, Avi Bar (added by another view).
        m_guests.clear();
        for (const auto& [first, family] : std::vector<std::pair<std::string, std::string>>{
                 {"Dan", "Levi"}, {"Noa", "Cohen"}, {"Dana", "Levi"}, {"Avi", "Bar"}})
            m_guests.push_back(Doc().AddGuest(first, family));
        m_view->FlushRefresh();
        m_spy.hints.clear();
    }

    QString Cell(int row, CGiftsModel::EColumn kind)
    {
        const CGiftsModel& model = *m_view->Model();
        return model.index(row, model.ColumnOf(kind)).data().toString();
    }

private slots:
    void init() { OpenWithGuests(ELanguage::English); }
    void cleanup() { QCOMPARE(Close(), 0); }

    void everyGuestIsListedAndEditingAGiftTellsTheOthers()
    {
        QCOMPARE(m_view->Model()->rowCount(), 4);
        QCOMPARE(Cell(3, CGiftsModel::kColumnId), QStringLiteral("4"));
        QCOMPARE(Cell(1, CGiftsModel::kColumnName), QStringLiteral("Noa Cohen"));
        QCOMPARE(m_view->Model()->ColumnOf(CGiftsModel::kColumnShekels), -1);

        m_view->SelectRow(1);
        bool shekelsShown = true;
        m_bench->Fill<CGiftDialog>(
            [&shekelsShown](CGiftDialog& gift)
            {
                shekelsShown = gift.ShekelsField() != nullptr;
                gift.DescriptionField()->setText(QStringLiteral("Cheque"));
                gift.CommentsField()->setPlainText(QStringLiteral("From both\nof them"));
                gift.DollarsField()->setValue(180);
            });
        m_view->EditGift();
        QVERIFY2(!shekelsShown, "English counts dollars only");
        QCOMPARE(m_guests[1]->GetGift(), std::string("Cheque"));
        QCOMPARE(m_guests[1]->GetGiftDetails(), std::string("From both\r\nof them"));
        QCOMPARE(Cell(1, CGiftsModel::kColumnComments), QStringLiteral("From both..."));
        QCOMPARE(Cell(1, CGiftsModel::kColumnTotal), QStringLiteral("180.0"));
        QCOMPARE(m_view->TotalText(CGiftsView::kTotalDollars), QStringLiteral("180"));
        QCOMPARE(m_spy.hints.size(), std::size_t(1));
        QCOMPARE(m_spy.hints[0].hint, HINT_GIFT_CHANGED);
        QCOMPARE(m_spy.hints[0].record, static_cast<CRecord*>(m_guests[1]));
        QVERIFY(m_view->Model()
                    ->index(1, 0)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("Sum : 180")));
    }

    void deletingAGiftAsksOrTellsThereIsNone()
    {
        m_view->SelectRow(0);
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_view->DeleteGift();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("No gift for this guest"));

        m_guests[0]->SetGiftDollars(50);
        m_bench->AnswerMessage(QMessageBox::No);
        m_view->DeleteGift();
        QCOMPARE(m_guests[0]->GetGiftDollars(), 50.0f);
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteGift();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete gift?"));
        QCOMPARE(m_guests[0]->GetGiftDollars(), 0.0f);
        QCOMPARE(m_view->TotalText(CGiftsView::kTotalDollars), QStringLiteral("0"));
    }

    void searchingGoesAroundTheEnds()
    {
        m_view->SelectRow(2);
        m_bench->Fill<CGiftSearchDialog>([](CGiftSearchDialog& opened)
                                         { opened.TextField()->setText(QStringLiteral("levi")); });
        m_view->Search();
        QCOMPARE(m_view->SelectedRow(), 0); // past the end, around to the first Levi
        QVERIFY(m_view->FindNext(QStringLiteral("Levi"), true));
        QCOMPARE(m_view->SelectedRow(), 2);
        m_bench->AnswerMessage(QMessageBox::Ok);
        QVERIFY(!m_view->FindNext(QStringLiteral("Moshe"), false));
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("This guest was not found"));
        QCOMPARE(m_view->SelectedRow(), 2);
    }

    void inPlaceEditsStoreTheGift()
    {
        QTableView* list = m_view->List();
        const int dollars = m_view->Model()->ColumnOf(CGiftsModel::kColumnDollars);
        list->setCurrentIndex(m_view->Model()->index(3, dollars));
        list->edit(list->currentIndex());
        auto* spin = qobject_cast<QSpinBox*>(m_view->OpenEditor());
        QVERIFY(spin != nullptr);
        spin->setValue(120);
        m_view->CommitPendingEdit();
        QCOMPARE(m_guests[3]->GetGiftDollars(), 120.0f);
        // Received is in shekels at the event's rate, which is 0 here.
        QCOMPARE(m_view->TotalText(CGiftsView::kTotalReceived), QStringLiteral("0.0"));
        QCOMPARE(m_spy.Count(HINT_GIFT_CHANGED), 1);

        const int description = m_view->Model()->ColumnOf(CGiftsModel::kColumnDescription);
        list->setCurrentIndex(m_view->Model()->index(3, description));
        list->edit(list->currentIndex());
        auto* line = qobject_cast<QLineEdit*>(m_view->OpenEditor());
        QVERIFY(line != nullptr);
        line->setText(QStringLiteral("Vase"));
        m_view->CommitPendingEdit();
        QCOMPARE(m_guests[3]->GetGift(), std::string("Vase"));
    }

    void goToGuestInformationShowsTheGuest()
    {
        m_view->SelectRow(2);
        QMenu menu;
        const QList<QAction*> entries = m_view->BuildContextMenu(menu);
        QCOMPARE(entries[1]->text(), QStringLiteral("Go to guest information"));
        m_view->GoToGuest();
        QCOMPARE(m_gui->Frame().ActiveViewCode(), static_cast<int>(VIEW_GUESTS));
        QCOMPARE(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_GOTO_GUEST});
        QCOMPARE(m_spy.hints[0].record, static_cast<CRecord*>(m_guests[2]));
    }

    void hebrewAddsShekelsAtTheRate()
    {
        QCOMPARE(Close(), 0);
        OpenWithGuests(ELanguage::Hebrew);
        Doc().SetDollarRate(4.0);
        m_guests[0]->SetGiftDollars(100);
        m_guests[0]->SetGiftShekels(50);
        Doc().UpdateAllViews(nullptr, HINT_GIFT_CHANGED, m_guests[0]);
        m_view->FlushRefresh();
        QCOMPARE(m_view->Model()->ColumnOf(CGiftsModel::kColumnShekels), 4);
        QCOMPARE(Cell(0, CGiftsModel::kColumnTotal), QStringLiteral("450.0"));
        QCOMPARE(m_view->TotalText(CGiftsView::kTotalShekels), QStringLiteral("50"));
        QCOMPARE(m_view->TotalText(CGiftsView::kTotalReceived), QStringLiteral("450.0"));
    }
};

VELLORAN_GUI_TEST_MAIN(GiftsViewGuiTest)

#include "GiftsViewGuiTest.moc"
