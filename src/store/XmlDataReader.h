#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class IXmlDataSink;

// Which records a read takes.
enum class ERecordFilter
{
    All,
    ShapesOnly, // hall draft files: only "Shape" elements
};

// Reads the XML data file (SAX, Xerces-C) into a sink.
class CXmlDataReader
{
public:
    // Returns false when the file is damaged (the records read before the damage stay in the
    // sink; *error gets a short reason for the user). The sink's Complete() is called either way.
    static bool ReadFile(const std::filesystem::path& path, IXmlDataSink& sink,
                         std::string* error = nullptr, ERecordFilter filter = ERecordFilter::All);
    static bool ReadText(std::string_view bytes, IXmlDataSink& sink, std::string* error = nullptr,
                         ERecordFilter filter = ERecordFilter::All);
};
