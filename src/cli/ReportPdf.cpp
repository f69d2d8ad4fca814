#include "cli/ReportPdf.h"

#include "platform/AtomicFile.h"
#include "platform/StringTable.h"

#include <QBuffer>
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
    // The pages are made in memory and replace the file in one step: a failure on the way (a full
    // disk, a kill) leaves an older file as it was, never a truncated one.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Velloran"));
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        QTextDocument document;
        document.setHtml(QString::fromStdString(html));
        document.print(&writer);
    }
    return WriteFileAtomic(pdf, std::string_view(bytes.constData(), bytes.size()), error);
}
