#pragma once

#include "model/GuestFilter.h"
#include "reports/ReportKind.h"
#include "reports/ReportOptions.h"
#include "ui/FrameView.h"

#include <QTemporaryDir>
#include <filesystem>
#include <memory>

class QCheckBox;
class QComboBox;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTextBrowser;

// The printouts screen: six tabs of report kinds; choosing a tab or a kind writes that report into
// a private temporary folder and shows the file in the pane. From there it is printed (a print
// preview), saved as text or HTML, exported to PDF or opened in the desktop's browser. The columns,
// the filter, the lines per page and the check boxes live in the view; the card designs are event
// settings.
class CPrintsView : public CFrameView
{
    Q_OBJECT
public:
    explicit CPrintsView(CNewOrvDoc& doc, QWidget* parent = nullptr);
    ~CPrintsView() override;

    int ViewCode() const override;

    // Chooses the kind's tab and the kind, writes the report and shows it.
    void ShowKind(EReportKind kind);
    // The kind shown; false before any report was chosen (the introduction page).
    bool HasReport() const { return m_hasReport; }
    EReportKind CurrentKind() const;
    // The file shown in the pane.
    const std::filesystem::path& CurrentFile() const { return m_currentFile; }
    QTextBrowser* Browser() const { return m_browser; }
    SReportOptions Options() const;

    void ChooseColumns();
    void ChooseFilter();
    void DesignPage();
    void Print();
    void SaveAsText();
    void SaveAsHtml();
    void ExportPdf();
    void OpenInBrowser();
    // "Open in EXCEL": the guests or tables shown, as tab-separated text under a name the user
    // confirms, then opened in the spreadsheet program.
    void OpenInSpreadsheet();
    // "Open in WORD": the report shown, in the word processor.
    void OpenInWordProcessor();

    // The print preview of a report's HTML on that printer (printing from it is the user's choice).
    static void PrintPreview(const QString& html, QPrinter& printer, QWidget* parent);

protected:
    void Refresh(unsigned stale) override;

private:
    void FillKinds();
    void WriteCurrent();
    void ShowFile(const std::filesystem::path& file);
    void UpdateControls();
    // A save dialog proposing a name in the reports folder; empty when cancelled.
    std::filesystem::path AskSavePath(int titleId, int filterId, const std::string& proposed,
                                      const QString& suffix);
    void TellWriteFailed(const std::string& error);
    bool Landscape() const;

    QTemporaryDir m_folder;
    std::string m_approvalPageUrl;
    unsigned m_columns;
    CGuestFilter m_filter;
    bool m_familyNameFirst = false;
    bool m_hasReport = false;
    std::filesystem::path m_currentFile;
    std::unique_ptr<QPrinter> m_printer;

    QTabBar* m_tabs;
    QComboBox* m_kinds;
    QSpinBox* m_lines;
    QSpinBox* m_perLine;
    QCheckBox* m_abc;
    QCheckBox* m_pagePerCard;
    QPushButton* m_columnsButton;
    QPushButton* m_filterButton;
    QPushButton* m_designButton;
    QPushButton* m_saveTextButton;
    QPushButton* m_excelButton;
    QTextBrowser* m_browser;
};
