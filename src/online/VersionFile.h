#pragma once

#include <string_view>

// The vendor's version file: a text whose first 10 240 bytes are read. The version is the 4
// characters after "VerVerVerVer", converted like the C library's decimal conversion ("2.6C"
// reads 2.6, "3   " reads 3, a text that is no number reads 0); the file must also hold
// "CurCurCurCur" somewhere. -1 when either marker is missing.
double ParseVersionFile(std::string_view text);
