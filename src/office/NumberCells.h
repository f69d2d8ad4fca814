#pragma once

#include <string>

// A number cell's value as text, the same for the writer and the readers of spreadsheets: a
// whole number without a decimal point ("12"), otherwise the shortest text that reads back as
// the same double ("12.5").
std::string NumberCellText(double value);
