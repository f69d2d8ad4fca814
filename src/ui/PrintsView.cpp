#include "ui/PrintsView.h"

#include "cli/ReportPdf.h"
#include "office/OfficeHandOver.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "platform/TextEncoding.h"
#include "reports/CardDesign.h"
#include "reports/ReportFiles.h"
#include "reports/ReportWriter.h"
#include "settings/GeneralSettings.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "ui/CardDesignDialog.h"
#include "ui/ModalSeam.h"
#include "ui/ReportColumnsDialog.h"
#include "ui/ReportFilterDialog.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace
{
// "Text files|*.txt|All files (*.*)|*.*||" as Qt's name filters.
QStringList NameFilters(int filterId)
{
    const QStringList parts = UiText(filterId).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
    {
        const QString& caption = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (caption.contains(QLatin1Char('(')) ? caption : caption + " (" + patterns + ")");
    }
    return filters;
}

std::string ReadReportText(const std::filesystem::path& file)
{
    std::string bytes;
    ReadWholeFile(file, bytes);
    return DecodeFileText(bytes);
}
} // namespace

CPrintsView::CPrintsView(CNewOrvDoc& doc, QWidget* parent)
    : CFrameView(doc, parent), m_columns(SReportOptions::DefaultColumns(IsHebrewUi()))
{
    CGeneralSettings general;
    general.Load(doc.GetFolders().ProgramGeneralIni(), CProgramFolders::UserGeneralIni());
    m_approvalPageUrl = general.approvalPageUrl;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_PRINTS_EXPLANATION));

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("ReportTabs"));
    for (int tab = 0; tab < REPORT_TAB_COUNT; ++tab)
        m_tabs->addTab(UiText(ReportTabTextId(tab)));
    m_tabs->setCurrentIndex(REPORT_TAB_GUESTS);
    layout->addWidget(m_tabs);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(UiText(IDS_PRINTS_KIND_LABEL), this));
    m_kinds = new QComboBox(this);
    m_kinds->setObjectName(QStringLiteral("ReportKinds"));
    m_kinds->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    choices->addWidget(m_kinds);
    choices->addSpacing(12);
    choices->addWidget(new QLabel(UiText(IDS_PRINTS_LINES_PER_PAGE), this));
    m_lines = new QSpinBox(this);
    m_lines->setObjectName(QStringLiteral("LinesPerPage"));
    m_lines->setRange(1, 10000);
    m_lines->setValue(SReportOptions::kDefaultLinesPerPage);
    choices->addWidget(m_lines);
    choices->addWidget(new QLabel(UiText(IDS_PRINTS_CARDS_PER_LINE), this));
    m_perLine = new QSpinBox(this);
    m_perLine->setObjectName(QStringLiteral("CardsPerLine"));
    m_perLine->setRange(1, 20);
    m_perLine->setValue(SReportOptions::kDefaultCardsPerLine);
    choices->addWidget(m_perLine);
    m_abc = new QCheckBox(UiText(IDS_PRINTS_ABC_IN_GROUP), this);
    m_pagePerCard = new QCheckBox(UiText(IDS_PRINTS_PAGE_PER_CARD), this);
    choices->addStretch(1);
    layout->addLayout(choices);

    m_columnsButton = MakeCommandButton("view-list-details", IDS_PRINTS_COLUMNS);
    m_filterButton = MakeCommandButton("view-filter", IDS_PRINTS_FILTER);
    m_designButton = MakeCommandButton("document-page-setup", IDS_PRINTS_PAGE_DESIGN);
    auto* print = MakeCommandButton("document-print-preview", IDS_PRINTS_PRINT);
    m_saveTextButton = MakeCommandButton("text-x-generic", IDS_PRINTS_SAVE_TEXT);
    auto* saveHtml = MakeCommandButton("document-save-as", IDS_PRINTS_SAVE_HTML);
    auto* pdf = MakeCommandButton("document-export", IDS_PRINTS_EXPORT_PDF);
    auto* browser = MakeCommandButton("internet-web-browser", IDS_PRINTS_OPEN_BROWSER);
    m_excelButton = MakeCommandButton("x-office-spreadsheet", IDS_PRINTS_OPEN_EXCEL);
    m_excelButton->setObjectName(QStringLiteral("OpenInExcel"));
    auto* word = MakeCommandButton("x-office-document", IDS_PRINTS_OPEN_WORD);
    // What shapes the report, then what is done with it: two rows, so the screen fits a narrow
    // window (large scaling) too.
    QHBoxLayout* shaping = MakeButtonRow({m_columnsButton, m_filterButton, m_designButton});
    shaping->insertWidget(shaping->count() - 1, m_abc);
    shaping->insertWidget(shaping->count() - 1, m_pagePerCard);
    layout->addLayout(shaping);
    layout->addLayout(
        MakeButtonRow({print, m_saveTextButton, saveHtml, pdf, browser, m_excelButton, word}));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("ReportPane"));
    m_browser->setOpenLinks(false);
    layout->addWidget(m_browser, 1);

    connect(m_columnsButton, &QPushButton::clicked, this, &CPrintsView::ChooseColumns);
    connect(m_filterButton, &QPushButton::clicked, this, &CPrintsView::ChooseFilter);
    connect(m_designButton, &QPushButton::clicked, this, &CPrintsView::DesignPage);
    connect(print, &QPushButton::clicked, this, &CPrintsView::Print);
    connect(m_saveTextButton, &QPushButton::clicked, this, &CPrintsView::SaveAsText);
    connect(saveHtml, &QPushButton::clicked, this, &CPrintsView::SaveAsHtml);
    connect(pdf, &QPushButton::clicked, this, &CPrintsView::ExportPdf);
    connect(browser, &QPushButton::clicked, this, &CPrintsView::OpenInBrowser);
    connect(m_excelButton, &QPushButton::clicked, this, &CPrintsView::OpenInSpreadsheet);
    connect(word, &QPushButton::clicked, this, &CPrintsView::OpenInWordProcessor);
    connect(m_tabs, &QTabBar::currentChanged, this,
            [this]
            {
                FillKinds();
                WriteCurrent();
            });
    connect(m_kinds, qOverload<int>(&QComboBox::activated), this, [this] { WriteCurrent(); });
    for (QSpinBox* box : {m_lines, m_perLine})
        connect(box, &QSpinBox::editingFinished, this,
                [this]
                {
                    if (m_hasReport)
                        WriteCurrent();
                });
    for (QCheckBox* box : {m_abc, m_pagePerCard})
        connect(box, &QCheckBox::toggled, this,
                [this]
                {
                    if (m_hasReport)
                        WriteCurrent();
                });

    FillKinds();
    UpdateControls();
    // The introduction until a report is chosen.
    const std::filesystem::path intro =
        std::filesystem::path(m_folder.path().toStdString()) / "DefaultReport.html";
    if (m_folder.isValid() && WriteReportFile(intro, CReportWriter::Introduction(IsHebrewUi())))
        ShowFile(intro);
}

CPrintsView::~CPrintsView() = default;

int CPrintsView::ViewCode() const
{
    return VIEW_PRINTOUTS;
}

void CPrintsView::FillKinds()
{
    QSignalBlocker block(m_kinds);
    m_kinds->clear();
    for (const SReportKindInfo* info : ReportKindsOfTab(m_tabs->currentIndex()))
        m_kinds->addItem(UiText(info->textId), static_cast<int>(info->kind));
    m_kinds->setCurrentIndex(0);
}

EReportKind CPrintsView::CurrentKind() const
{
    return static_cast<EReportKind>(m_kinds->currentData().toInt());
}

SReportOptions CPrintsView::Options() const
{
    SReportOptions options;
    options.columns = m_columns;
    options.linesPerPage = m_lines->value();
    options.abcInGroup = m_abc->isChecked();
    options.filter = m_filter;
    options.cardsPerLine = m_perLine->value();
    options.pagePerCard = m_pagePerCard->isChecked();
    options.familyNameFirst = m_familyNameFirst;
    options.approvalPageUrl = m_approvalPageUrl;
    return options;
}

void CPrintsView::ShowKind(EReportKind kind)
{
    const SReportKindInfo& info = ReportKindInfo(kind);
    if (info.tab < 0)
        return;
    {
        QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(info.tab);
    }
    FillKinds();
    m_kinds->setCurrentIndex(info.place);
    WriteCurrent();
}

void CPrintsView::WriteCurrent()
{
    if (!m_folder.isValid() || m_kinds->currentIndex() < 0)
        return;
    const EReportKind kind = CurrentKind();
    const std::filesystem::path file =
        std::filesystem::path(m_folder.path().toStdString()) / ReportKindInfo(kind).file;
    std::string error;
    if (!WriteReportFile(file, CReportWriter(Doc(), Options()).Html(kind), &error))
    {
        TellWriteFailed(error);
        return;
    }
    m_hasReport = true;
    ShowFile(file);
    UpdateControls();
}

void CPrintsView::ShowFile(const std::filesystem::path& file)
{
    m_currentFile = file;
    m_browser->setHtml(ToQt(ReadReportText(file)));
}

void CPrintsView::UpdateControls()
{
    const int tab = m_tabs->currentIndex();
    const bool guests = tab == REPORT_TAB_GUESTS;
    const bool cards = tab == REPORT_TAB_STICKERS;
    m_columnsButton->setEnabled(guests);
    m_filterButton->setEnabled(guests || (tab == REPORT_TAB_MISC && m_hasReport &&
                                          CurrentKind() == EReportKind::Approvals));
    m_designButton->setEnabled(cards);
    m_abc->setEnabled(guests);
    m_pagePerCard->setEnabled(cards);
    m_perLine->setEnabled(cards);
    m_saveTextButton->setEnabled(m_hasReport && HasTextForm(CurrentKind()));
    m_excelButton->setEnabled(m_hasReport &&
                              (IsGuestList(CurrentKind()) || IsTableReport(CurrentKind())));
}

void CPrintsView::Refresh(unsigned)
{
    // Reports are written afresh from the event as it is now.
    if (m_hasReport)
        WriteCurrent();
}

void CPrintsView::ChooseColumns()
{
    CReportColumnsDialog dialog(m_columns, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_columns = dialog.Columns();
    if (m_hasReport)
        WriteCurrent();
}

void CPrintsView::ChooseFilter()
{
    CReportFilterDialog dialog(Doc(), m_filter, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_filter = dialog.Filter();
    if (m_hasReport)
        WriteCurrent();
}

void CPrintsView::DesignPage()
{
    const bool address = m_hasReport && CurrentKind() == EReportKind::AddressCards;
    SCardDesign design = SCardDesign::Load(Doc().GetSettings(), address);
    design.familyNameFirst = m_familyNameFirst;
    const std::filesystem::path preview =
        std::filesystem::path(m_folder.path().toStdString()) /
        (address ? "AddressPreview.html" : "TableCardPreview.html");
    CCardDesignDialog dialog(design, preview, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    const SCardDesign chosen = dialog.Design();
    chosen.Store(Doc().GetSettings());
    m_familyNameFirst = chosen.familyNameFirst;
    WriteCurrent();
}

bool CPrintsView::Landscape() const
{
    return m_hasReport && PrintsLandscape(CurrentKind(), Options());
}

void CPrintsView::Print()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // One card per page and wide guest lists print across; the printer is turned back
    // afterwards.
    const QPageLayout::Orientation previous = m_printer->pageLayout().orientation();
    if (Landscape())
        m_printer->setPageOrientation(QPageLayout::Landscape);
    PrintPreview(ToQt(ReadReportText(m_currentFile)), *m_printer, this);
    m_printer->setPageOrientation(previous);
}

void CPrintsView::PrintPreview(const QString& html, QPrinter& printer, QWidget* parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [html](QPrinter* target)
                     {
                         QTextDocument document;
                         document.setHtml(html);
                         document.print(target);
                     });
    CModalSeam::Exec(dialog);
}

std::filesystem::path CPrintsView::AskSavePath(int titleId, int filterId,
                                               const std::string& proposed, const QString& suffix)
{
    QFileDialog dialog(this, UiText(titleId));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filterId));
    dialog.setDefaultSuffix(suffix);
    const std::filesystem::path folder = ReportsFolder(Doc().GetFolders().DataRoot());
    dialog.selectFile(
        ToQt((folder.empty() ? std::filesystem::path(proposed) : folder / proposed).string()));
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().toStdString();
}

void CPrintsView::SaveAsText()
{
    if (!m_hasReport || !HasTextForm(CurrentKind()))
        return; // the other tabs have no text form
    const std::filesystem::path folder = ReportsFolder(Doc().GetFolders().DataRoot());
    const std::string proposed = UniqueReportPath(folder, "report", "txt").filename().string();
    const std::filesystem::path path =
        AskSavePath(IDS_PRINTS_SAVE_TEXT, IDS_PRINTS_TEXT_FILTER, proposed, QStringLiteral("txt"));
    if (path.empty())
        return;
    std::string error;
    if (!WriteReportFile(path, CReportWriter(Doc(), Options()).Text(CurrentKind()), &error))
        TellWriteFailed(error);
}

void CPrintsView::SaveAsHtml()
{
    const std::filesystem::path path = AskSavePath(IDS_PRINTS_SAVE_HTML, IDS_PRINTS_HTML_FILTER,
                                                   "HtmlReport.html", QStringLiteral("html"));
    if (path.empty())
        return;
    std::string error;
    if (!CopyFileAtomic(m_currentFile, path, &error))
        TellWriteFailed(error);
}

void CPrintsView::ExportPdf()
{
    std::string base = m_currentFile.stem().string();
    const std::filesystem::path path = AskSavePath(IDS_PRINTS_EXPORT_PDF, IDS_PRINTS_PDF_FILTER,
                                                   base + ".pdf", QStringLiteral("pdf"));
    if (path.empty())
        return;
    std::string error;
    if (!WriteReportPdf(ReadReportText(m_currentFile), path, Landscape(), &error))
        TellWriteFailed(error);
}

void CPrintsView::OpenInBrowser()
{
    if (!m_currentFile.empty())
        ShellOpen(m_currentFile.string());
}

void CPrintsView::OpenInSpreadsheet()
{
    if (!m_hasReport)
        return;
    const EReportKind kind = CurrentKind();
    if (!IsGuestList(kind) && !IsTableReport(kind))
        return; // only the guest lists and table reports have a spreadsheet form
    const std::filesystem::path folder = ReportsFolder(Doc().GetFolders().DataRoot());
    const std::string proposed = UniqueReportPath(folder, "report", "xls").filename().string();
    const std::filesystem::path path = AskSavePath(IDS_PRINTS_OPEN_EXCEL, IDS_PRINTS_EXCEL_FILTER,
                                                   proposed, QStringLiteral("xls"));
    if (path.empty())
        return;
    const CReportWriter writer(Doc(), Options());
    OpenPrintoutInSpreadsheet(Doc(),
                              IsGuestList(kind) ? EPrintoutTab::Guests : EPrintoutTab::Tables,
                              writer.Guests(kind), m_columns, path, false);
}

void CPrintsView::OpenInWordProcessor()
{
    if (!m_currentFile.empty())
        OpenReportInWordProcessor(Doc(), m_currentFile);
}

void CPrintsView::TellWriteFailed(const std::string& error)
{
    Doc().GetPrompt().Ask(FormatText(LoadString(IDS_PRINTS_WRITE_FAILED), {error}),
                          LoadString(IDS_PRINTS_CAPTION), EButtons::Ok);
}
