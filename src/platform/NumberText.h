#pragma once

#include <string>
#include <string_view>

// Numbers in files are written and read without regard to the process locale: Qt sets the C
// library's locale at start-up, and "%.2f" would then write "4,50".

// "%d".
std::string FormatInt(long long value);

// "%.<decimals>f" with a full stop; an exact half rounds away from zero ("0.125" gives "0.13").
// Decimals are taken between 0 and kMaxDecimals; a value that is not finite is written as 0.
constexpr int kMaxDecimals = 100;
std::string FormatFixed(double value, int decimals);

// The shortest decimal text that reads back as the same single-precision value, with a full stop
// ("4360", "1234.5", "0.1"): a float sum shown as it is, without rounding. Not finite: "0".
std::string FormatShortest(float value);

// The profile functions' integer conversion: optional leading blanks, an optional sign, then
// decimal digits up to the first other character. No digits gives 0. Saturates at the int range.
int ParseLeadingInt(std::string_view text);

// The C library's decimal conversion of a leading floating-point number ("4.5abc" gives 4.5),
// without regard to the locale; 0 when the text does not start with one, and for infinities, "nan"
// and numbers out of the double range.
double ParseLeadingDouble(std::string_view text);
