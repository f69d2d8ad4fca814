#include "cli/ReportPdf.h"

#include "platform/StringTable.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <memory>

namespace
{
// The command line has no application object; fonts and the paint engine need one.
std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velloran-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}
} // namespace

bool WriteReportPdf(const std::string& html, const std::filesystem::path& pdf, bool landscape,
                    std::string* error)
{
    const auto application = EnsureGuiApplication();
    const QString path = QString::fromStdString(pdf.string());
    {
        // Probe first: QPdfWriter reports no failure of its own.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        {
            if (error != nullptr)
                *error = probe.errorString().toStdString() + ": " + pdf.string();
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Velloran"));
    writer.setResolution(96);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    QTextDocument document;
    document.setHtml(QString::fromStdString(html));
    document.print(&writer);
    return true;
}
