#include "ui/PlanScene.h"

#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "store/NewOrvDoc.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <cmath>

namespace
{
constexpr int kPdfResolution = 300;
constexpr qreal kPageMarginMm = 10.0;
} // namespace

CPlanScene::CPlanScene(CNewOrvDoc& doc, QObject* parent) : QGraphicsScene(parent), m_doc(doc)
{
    m_doc.AddView(this);
}

CPlanScene::~CPlanScene()
{
    m_doc.RemoveView(this);
}

void CPlanScene::OnUpdate(IDocView*, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_REMOVING:
    case HINT_TABLE_DELETING:
    case HINT_GUEST_REMOVING:
    case HINT_SHAPE_REMOVING:
    case HINT_SHAPES_REMOVING:
        DropRecords(hint, record);
        break;
    default:
        break;
    }
}

std::vector<QRectF> CPlanScene::PageSlices(qreal) const
{
    return {sceneRect()};
}

QSize CPlanScene::ImageSize() const
{
    const QRectF rect = sceneRect();
    return QSize(static_cast<int>(std::ceil(rect.width())),
                 static_cast<int>(std::ceil(rect.height())));
}

bool CPlanScene::ExportTo(const QString& path, QString* error)
{
    m_printing = true;
    // The picture is made in memory and replaces the file in one step (the program's atomic
    // writer): a failure leaves an older file as it was.
    QByteArray bytes;
    bool made = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        {
            QImage image(ImageSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setRenderHint(QPainter::TextAntialiasing);
                render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())), sceneRect());
            }
            made = image.save(&buffer, "PNG");
        }
        else
        {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(kPdfResolution);
            pdf.setTitle(PlanTitle());
            pdf.setCreator(QStringLiteral("Velloran"));
            PaintPages(pdf);
            made = true;
        }
    }
    std::string cause;
    const bool written =
        made && WriteFileAtomic(path.toStdString(),
                                std::string_view(bytes.constData(), bytes.size()), &cause);
    if (!written && error != nullptr)
        *error = QString::fromStdString(cause); // empty when the picture could not be made
    m_printing = false;
    return written;
}

void CPlanScene::PaintPages(QPagedPaintDevice& device)
{
    const bool wasPrinting = m_printing;
    m_printing = true;
    const QRectF scene = sceneRect();
    device.setPageOrientation(scene.width() >= scene.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                          QPageLayout::Millimeter);

    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));

    QFont titleFont = painter.font();
    titleFont.setPointSizeF(14);
    titleFont.setBold(true);
    QFont summaryFont = painter.font();
    summaryFont.setPointSizeF(10);
    const qreal titleHeight = QFontMetricsF(titleFont, &device).height();
    const qreal summaryHeight = QFontMetricsF(summaryFont, &device).height();
    const qreal gap = summaryHeight * 0.6;
    const QRectF drawing(page.left(), page.top() + titleHeight + summaryHeight + gap, page.width(),
                         page.height() - titleHeight - summaryHeight - gap);

    const Qt::Alignment leading =
        (IsHebrewUi() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter;
    const std::vector<QRectF> slices =
        PageSlices(drawing.height() > 0 ? drawing.width() / drawing.height() : 1.0);
    for (std::size_t i = 0; i < slices.size(); ++i)
    {
        if (i > 0)
            device.newPage();
        painter.setFont(titleFont);
        painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight), leading,
                         PlanTitle());
        painter.setFont(summaryFont);
        painter.drawText(QRectF(page.left(), page.top() + titleHeight, page.width(), summaryHeight),
                         leading, PlanSummary());
        // The slice keeps its proportions and stands at the top of the drawing area.
        const QRectF& source = slices[i];
        const qreal scale =
            std::min(drawing.width() / source.width(), drawing.height() / source.height());
        const QSizeF size = source.size() * scale;
        const qreal left = IsHebrewUi() ? drawing.right() - size.width() : drawing.left();
        render(&painter, QRectF(QPointF(left, drawing.top()), size), source);
    }
    m_printing = wasPrinting;
}

QColor FromWindowsColour(int colour)
{
    const auto value = static_cast<unsigned>(colour);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

int ToWindowsColour(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}
