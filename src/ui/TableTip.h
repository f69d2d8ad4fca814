#pragma once

#include <QString>

class CNewOrvDoc;
class CTable;

// The tooltip of a table in the drawn views: its name and the guest lines its cell shows (Qt rich
// text; names are shown as they are, never read as mark-up).
QString TableGuestsTip(CNewOrvDoc& doc, const CTable& table);
