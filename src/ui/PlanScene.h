#pragma once

#include "store/DocView.h"

#include <QGraphicsScene>
#include <QString>
#include <vector>

class CNewOrvDoc;
class QColor;
class QPagedPaintDevice;

// The base of the two drawn views' scenes (the hall layout and the seating board). It attaches
// itself to the document, like the list models, and is told the removal hints before its view
// rebuilds, so no item keeps a record that is gone. It also puts the drawing on paper: a PDF or
// PNG file, or a printer, with what a caterer or a hall manager needs and nothing of the screen
// (no selection, no scroll state).
class CPlanScene : public QGraphicsScene, public IDocView
{
    Q_OBJECT
public:
    explicit CPlanScene(CNewOrvDoc& doc, QObject* parent = nullptr);
    ~CPlanScene() override;

    void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) final;

    CNewOrvDoc& Document() const { return m_doc; }

    // True while the scene is rendered for paper: items leave out what only the screen needs.
    bool IsPrinting() const { return m_printing; }

    // The parts of the scene that go on separate pages of the given width / height proportion,
    // top to bottom. The default is the whole scene on one page.
    virtual std::vector<QRectF> PageSlices(qreal pageAspect) const;

    // The texts above the drawing on paper: a title and one line of figures.
    virtual QString PlanTitle() const = 0;
    virtual QString PlanSummary() const = 0;

    // Writes the drawing to path: a PNG picture of exactly the scene's size when the name ends in
    // ".png" (any case), otherwise a PDF document with the title and the figures above the
    // drawing, scaled to the page. False (error set) when the file cannot be written.
    bool ExportTo(const QString& path, QString* error);
    // Paints the pages onto a printer or another paged device.
    void PaintPages(QPagedPaintDevice& device);
    // The size of the PNG picture.
    QSize ImageSize() const;

protected:
    CNewOrvDoc& Doc() const { return m_doc; }

    // Drops every pointer to a record the hint takes away (called whoever sent it):
    // HINT_EVENT_RELOADING, HINT_TABLES_REMOVING, HINT_TABLE_DELETING, HINT_GUEST_REMOVING,
    // HINT_SHAPE_REMOVING and HINT_SHAPES_REMOVING.
    virtual void DropRecords(EUpdateHint hint, CRecord* record) = 0;

private:
    CNewOrvDoc& m_doc;
    bool m_printing = false;
};

// A colour of the records (0x00BBGGRR) as a QColor, and back.
QColor FromWindowsColour(int colour);
int ToWindowsColour(const QColor& colour);
