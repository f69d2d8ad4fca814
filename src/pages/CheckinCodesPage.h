#pragma once

#include "seating/CheckinCodes.h"

#include <QByteArray>
#include <filesystem>
#include <vector>

class CNewOrvDoc;

// The page of check-in codes, drawn with Qt GUI (no widgets) so that the GUI and the CLI write
// the same file. Each label holds one guest line's QR code (its unique id in digits), the name,
// the table and the digits themselves, to be cut out and sent with the invitation. Needs a
// QGuiApplication (the CLI makes one on the offscreen platform).

// The PDF: A4 portrait, three labels across and four down, with light cutting lines; labels run
// from the top left, from the top right when rightToLeft. Empty for no codes.
QByteArray CheckinCodesPdf(const std::vector<SCheckinCode>& codes, bool rightToLeft);

enum class ECheckinCodes
{
    Written,
    Nothing, // the event has no guest lines: the user was told, no file written
    Failed,  // the file could not be written: the user was told, any old file is as it was
};

// Writes the event's codes (CollectCheckinCodes, the interface language's direction) to path,
// replacing it atomically. Tells the user through the document's prompt when nothing was written.
ECheckinCodes WriteCheckinCodes(CNewOrvDoc& doc, const std::filesystem::path& path,
                                int* written = nullptr);
