#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;

// Tab-separated exports of the guests and the tables, the files handed to a spreadsheet program.
// Both are UTF-8 with a byte-order mark (so a spreadsheet program takes the Hebrew right) and CR LF
// line ends; every header and every field is followed by a tab. A tab or a line break inside a
// field becomes a space, so each record stays on one line and its columns hold. Reading only:
// nothing here changes the document.

// The guest-list column bits of the printouts screen that the export knows, in the file's order.
enum EGuestColumnBit : unsigned
{
    kColumnBitName = 0x1,
    kColumnBitLastName = 0x2,
    kColumnBitRelation = 0x4,
    kColumnBitGroup = 0x8,
    kColumnBitPhone = 0x10,
    kColumnBitAddress = 0x20,
    kColumnBitGift = 0x40,
    kColumnBitGiftComments = 0x80,
    kColumnBitShekels = 0x100, // Hebrew interface only
    kColumnBitDollars = 0x200,
    kColumnBitStatus = 0x400,
    kColumnBitInvitationSent = 0x800,
    kColumnBitInvited = 0x2000,
    kColumnBitComing = 0x4000,
    kColumnBitTable = 0x8000,
    kColumnBitMobile = 0x40000,
};

// Every column the export knows (the main menu's export writes them all).
constexpr unsigned kAllGuestColumns =
    kColumnBitName | kColumnBitLastName | kColumnBitRelation | kColumnBitGroup | kColumnBitPhone |
    kColumnBitAddress | kColumnBitGift | kColumnBitGiftComments | kColumnBitShekels |
    kColumnBitDollars | kColumnBitStatus | kColumnBitInvitationSent | kColumnBitInvited |
    kColumnBitComing | kColumnBitTable | kColumnBitMobile;

// The text of the guest export: the chosen columns (bits above; the shekel column only in the
// Hebrew interface), one line per guest in the order given.
std::string BuildGuestsTsv(const std::vector<const CGuest*>& guests, unsigned columns);

// The text of the table export: one line per table from position 1 (the unseated table is no
// table in the hall): id, name, place in the hall, seats, people coming and guest lines.
std::string BuildTablesTsv(CNewOrvDoc& doc);

// Write the texts above in one piece, replacing path atomically. False with the reason in *error
// (a sentence for the user) when the file could not be written; path is then as it was.
bool WriteGuestsTsv(const CNewOrvDoc& doc, unsigned columns, const std::filesystem::path& path,
                    std::string* error = nullptr);
bool WriteGuestsTsv(const std::vector<const CGuest*>& guests, unsigned columns,
                    const std::filesystem::path& path, std::string* error = nullptr);
bool WriteTablesTsv(CNewOrvDoc& doc, const std::filesystem::path& path,
                    std::string* error = nullptr);

// A field as the export writes it: tabs, CR and LF each become a space.
std::string TsvField(const std::string& text);
