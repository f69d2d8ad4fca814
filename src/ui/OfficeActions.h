#pragma once

class CNewOrvDoc;
class QAction;
class QWidget;

// The frame's office hand-over commands: "Import Data ..." (the import dialog; also the toolbar's
// Import) and the exports of the Reports menu. Each action belongs to frame.
struct SOfficeActions
{
    QAction* importData = nullptr;
    QAction* exportGuests = nullptr;   // tab-separated, opened in the spreadsheet program
    QAction* exportTables = nullptr;   // tab-separated, opened in the spreadsheet program
    QAction* exportWorkbook = nullptr; // .xlsx, opened in the spreadsheet program
};

SOfficeActions MakeOfficeActions(CNewOrvDoc& doc, QWidget* frame);
