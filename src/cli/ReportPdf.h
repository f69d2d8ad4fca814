#pragma once

#include <filesystem>
#include <string>

// A report or card page as a PDF, laid out by Qt's rich-text engine on A4 pages (the pages'
// "page-break-before" marks start new pages). The printouts screen's "Export to PDF" and the
// command line's "report --pdf" both call this, so they write the same file.
//
// html is the report's UTF-8 text. Needs a QGuiApplication; without one a temporary one is made on
// the offscreen platform. Returns false with *error set when the file cannot be written.
bool WriteReportPdf(const std::string& html, const std::filesystem::path& pdf, bool landscape,
                    std::string* error = nullptr);
