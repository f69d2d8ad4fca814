#pragma once

#include <string>

// Diagnostic trace: one line "WEDDING - <where> <detail>" on standard error, written only when the
// environment variable VELLORAN_TRACE is 1. An empty where gives "WEDDING - <detail>".
void Trace(const std::string& where, const std::string& detail);
bool IsTraceEnabled();
