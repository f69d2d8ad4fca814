#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class IXmlDataSink;

// Which records a read keeps.
enum class ERecordFilter
{
    All,
    // Only "Shape" elements (a hall draft, or the shapes of an event's data file).
    ShapesOnly,
};

// Reads the event's XML data file (WeddingData.xml) or a hall draft file into a sink.
//
// Each record is created with the sink's owner and settings, handed to the sink at its start
// element and then filled, so a damaged file keeps every record read before the damage. The sink
// must keep the records alive until its Complete() is called; Complete() is called once at the end
// of every read, also a failed one. While a record is being filled it is detached from its owner
// (no data-changed marks, broadcasts or renames in other guests' lists reach the document); it gets
// its owner back, with its new and modified flags cleared (groups keep theirs), at its end element
// or at the end of the read.
//
// The file is hostile input: a document type declaration is refused (the file counts as damaged),
// no outside entity is ever fetched, only a regular file is read (a FIFO or a device never), and
// the size of the file (128 MiB), of one text field (1 Mi characters, the rest is dropped), the
// element depth, the number of different element names and the number of records (250,000) are
// bounded. Counts never read below 0.
//
// Both functions return false when the file could not be read, the parser reported a fatal
// error, a limit above was reached, or a value had to be bounded to be kept (a text cut at its
// limit, a hall-plan position beyond a million, an amount beyond a float): what was read is kept
// all the same, and the caller treats the file as damaged, so the next save keeps a copy of it
// first. error (when given) then gets a short English reason with the line number. Text is stored
// as UTF-8 with CR LF line breaks. Not thread-safe: the XML platform is initialised and terminated
// around each read.
class CXmlDataReader
{
public:
    static bool ReadFile(const std::filesystem::path& path, IXmlDataSink& sink,
                         std::string* error = nullptr, ERecordFilter filter = ERecordFilter::All);

    // bytes: the whole file as stored (any encoding the XML declaration names; UTF-8 without
    // one).
    static bool ReadText(std::string_view bytes, IXmlDataSink& sink, std::string* error = nullptr,
                         ERecordFilter filter = ERecordFilter::All);

    // Whether the reader would take a data file text of that many records whole: within the
    // file size, the number of records and the length of every text (CDATA) value. The writer's
    // save refuses what the reader would refuse or cut. reason (when given) gets a short phrase
    // for the user in the interface language. Counts a CR LF as the one character the parser
    // makes of it, so a text is measured as the reader measures it.
    static bool IsReadable(std::string_view text, std::size_t records,
                           std::string* reason = nullptr);

    static constexpr std::size_t kMaxFileBytes = 128u << 20;
    static constexpr std::size_t kMaxFieldChars = 1u << 20;
    static constexpr int kMaxRecords = 250000;
};
