#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "office/OfficeOpener.h"
#include "platform/Shell.h"
#include "platform/TextEncoding.h"
#include "reports/CardDesign.h"
#include "reports/ReportKind.h"
#include "settings/EventSettings.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "support/TempDir.h"
#include "ui/BudgetView.h"
#include "ui/CardDesignDialog.h"
#include "ui/MainFrame.h"
#include "ui/PrintsView.h"
#include "ui/ReportColumnsDialog.h"
#include "ui/ReportFilterDialog.h"
#include "ui/ViewCodes.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

class PrintsViewGuiTest : public QObject, private CViewFixture<CPrintsView>
{
    Q_OBJECT

private:
    // The view over three guests of two groups, one with markup in the name.
    void OpenWithGuests(ELanguage language)
    {
        Open(VIEW_PRINTOUTS, language);
        const char* names[][3] = {{"Dan", "Levi", "Family"},
                                  {"Noa", "Cohen", "Friends"},
                                  {"<b>Tom & Jerry</b>", "Katz", "Friends"}};
        for (const char* group : {"Family", "Friends"})
            if (Doc().FindGroup(group) == nullptr)
                Doc().AddGroup(group);
        for (const auto& name : names)
            Doc().AddGuest(name[0], name[1])->SetGroupName(name[2]);
    }

    std::string FileText(const std::filesystem::path& file)
    {
        return DecodeFileText(ReadBytes(file));
    }

    void EveryKindIsWrittenAndShown()
    {
        QVERIFY(!m_view->HasReport());
        QVERIFY(m_view->Browser()->toPlainText().size() > 20); // the introduction
        for (const SReportKindInfo& info : ReportKinds())
        {
            if (info.tab < 0)
                continue;
            m_view->ShowKind(info.kind);
            QVERIFY(m_view->HasReport());
            QCOMPARE(static_cast<int>(m_view->CurrentKind()), static_cast<int>(info.kind));
            QCOMPARE(m_view->CurrentFile().filename().string(), std::string(info.file));
            const std::string bytes = ReadBytes(m_view->CurrentFile());
            QVERIFY(bytes.rfind("\xFF\xFE", 0) == 0);
            const QString shown = m_view->Browser()->toPlainText();
            QVERIFY2(!shown.trimmed().isEmpty(), info.cli);
            if (IsGuestList(info.kind) || IsTableReport(info.kind) || IsCardPage(info.kind))
                QVERIFY2(shown.contains(QStringLiteral("<b>Tom & Jerry</b>")), info.cli);
        }
    }

private slots:
    void init() { OpenWithGuests(ELanguage::English); }

    void cleanup()
    {
        SetShellOpenHandler({});
        QCOMPARE(Close(), 0);
    }

    void everyTabAndKindIsWrittenAndShownInEnglish() { EveryKindIsWrittenAndShown(); }

    void everyTabAndKindIsWrittenAndShownInHebrew()
    {
        QCOMPARE(Close(), 0);
        OpenWithGuests(ELanguage::Hebrew);
        EveryKindIsWrittenAndShown();
        m_view->ShowKind(EReportKind::TablesById);
        QVERIFY(FileText(m_view->CurrentFile()).find("charset=windows-1255") != std::string::npos);
    }

    void columnsAndFilterRewriteTheGuestList()
    {
        m_view->ShowKind(EReportKind::GuestsByView);
        m_bench->Fill<CReportColumnsDialog>(
            [](CReportColumnsDialog& opened)
            {
                QListWidget* list = opened.List();
                for (int row = 1; row < list->count(); ++row)
                    list->item(row)->setCheckState(Qt::Unchecked);
            });
        m_view->ChooseColumns();
        QCOMPARE(m_view->Options().columns, 0x1u);
        std::string html = FileText(m_view->CurrentFile());
        QCOMPARE(html.find("Last name"), std::string::npos);

        m_bench->Answer(
            [](QDialog& dialog)
            {
                auto* group = dialog.findChildren<QComboBox*>().front();
                group->setCurrentIndex(group->findData(QStringLiteral("Family")));
                return static_cast<int>(QDialog::Accepted);
            });
        m_view->ChooseFilter();
        html = FileText(m_view->CurrentFile());
        QVERIFY(html.find("<td>Dan</td>") != std::string::npos);
        QCOMPARE(html.find("<td>Noa</td>"), std::string::npos);
    }

    // "Open in EXCEL" hands over what the list shows (filter and columns), under the name the user
    // confirmed, and opens it once the question is answered; "Open in WORD" opens the report.
    void theOfficeProgramsGetWhatIsShown()
    {
        CTempDir out;
        std::vector<std::string> started;
        SetOfficeLauncher(
            [&started](const std::string&, const std::vector<std::string>& arguments)
            {
                started.push_back(arguments.back());
                return true;
            });
        m_view->ShowKind(EReportKind::GuestsByFirstName);
        m_bench->Answer(
            [](QDialog& dialog)
            {
                auto* group = dialog.findChildren<QComboBox*>().front();
                group->setCurrentIndex(group->findData(QStringLiteral("Friends")));
                return static_cast<int>(QDialog::Accepted);
            });
        m_view->ChooseFilter();
        m_bench->AnswerFile(QString::fromStdString((out / "friends.xls").string()));
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->OpenInSpreadsheet();
        const std::string tsv = FileText(out / "friends.xls");
        QVERIFY(tsv.find("Dan") == std::string::npos);
        // In the list's order: by first name, byte for byte.
        QVERIFY2(tsv.find("<b>Tom & Jerry</b>\tKatz") < tsv.find("Noa\tCohen"), tsv.c_str());
        QVERIFY(tsv.find("Noa\tCohen") != std::string::npos);
        m_view->OpenInWordProcessor();
        SetOfficeLauncher({});
        QCOMPARE(started, (std::vector<std::string>{(out / "friends.xls").string(),
                                                    m_view->CurrentFile().string()}));
        auto* excel = m_view->findChild<QPushButton*>(QStringLiteral("OpenInExcel"));
        QVERIFY(excel->isEnabled());
        m_view->ShowKind(EReportKind::GiftsByGroup);
        QVERIFY(!excel->isEnabled()); // the other tabs have no spreadsheet form
    }

    void pageDesignPreviewsAndStoresTheCard()
    {
        m_view->ShowKind(EReportKind::TableCards);
        QString preview;
        m_bench->Answer(
            [&preview](QDialog& dialog)
            {
                auto& design = static_cast<CCardDesignDialog&>(dialog);
                dialog.findChildren<QLineEdit*>().front()->setText(QStringLiteral("Hello guest"));
                preview = design.Preview()->toPlainText();
                return static_cast<int>(QDialog::Accepted);
            });
        m_view->DesignPage();
        QVERIFY(preview.contains(QStringLiteral("Hello guest")));
        QVERIFY(preview.contains(QStringLiteral("Adler Family")));
        QCOMPARE(Doc().GetSettings().GetTableNotes().line1, std::string("Hello guest"));
        QVERIFY(FileText(m_view->CurrentFile()).find("Hello guest") != std::string::npos);
    }

    void savingWritesTextHtmlAndPdf()
    {
        CTempDir out;
        m_view->ShowKind(EReportKind::TablesById);
        m_bench->AnswerFile(QString::fromStdString((out / "tables.txt").string()));
        m_view->SaveAsText();
        QVERIFY(FileText(out / "tables.txt").find("Table 0 ( Unseated Guests )") !=
                std::string::npos);
        m_bench->AnswerFile(QString::fromStdString((out / "tables.html").string()));
        m_view->SaveAsHtml();
        QCOMPARE(ReadBytes(out / "tables.html"), ReadBytes(m_view->CurrentFile()));
        m_bench->AnswerFile(QString::fromStdString((out / "tables.pdf").string()));
        m_view->ExportPdf();
        QVERIFY(ReadBytes(out / "tables.pdf").rfind("%PDF", 0) == 0);
    }

    void theBrowserAndThePrintPreviewGetTheReport()
    {
        m_view->ShowKind(EReportKind::AddressCards);
        std::string opened;
        SetShellOpenHandler(
            [&opened](const std::string& target)
            {
                opened = target;
                return true;
            });
        m_view->OpenInBrowser();
        QCOMPARE(opened, m_view->CurrentFile().string());
        bool previewed = false;
        m_bench->Answer(
            [&previewed](QDialog& dialog)
            {
                previewed = qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr;
                return static_cast<int>(QDialog::Rejected);
            });
        m_view->Print();
        QVERIFY(previewed);
    }

    void theBudgetScreenPrintsItsCombinationThroughTheSameWriter()
    {
        QVERIFY(m_gui->Frame().ShowView(VIEW_BUDGET));
        auto* budget = static_cast<CBudgetView*>(m_gui->Frame().ActiveView());
        m_bench->CancelNext();
        budget->PrintCombination();
        const auto report = Doc().GetFolders().DataRoot() / "Reports" / "Offer1.Html";
        QVERIFY(FileText(report).find("Offer number 1") != std::string::npos);
    }

    void theReportsMenuShowsItsReport()
    {
        m_gui->Frame().ShowView(VIEW_GUESTS);
        QAction* action =
            FindAction(m_gui->Frame().menuBar()->actions(), QStringLiteral("By table I.D."));
        QVERIFY(action != nullptr);
        action->trigger();
        QCOMPARE(m_gui->Frame().ActiveView(), static_cast<CFrameView*>(m_view));
        QCOMPARE(static_cast<int>(m_view->CurrentKind()),
                 static_cast<int>(EReportKind::TablesById));
    }
};

VELLORAN_GUI_TEST_MAIN(PrintsViewGuiTest)

#include "PrintsViewGuiTest.moc"
