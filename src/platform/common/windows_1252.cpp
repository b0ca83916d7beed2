#include "platform/common/windows_1252.h"

namespace {
// Unicode of codes 0x80..0x9F; 0 marks the five unassigned codes. The other
// codes are the Unicode characters of the same number.
constexpr int HIGH_CODES[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
}  // namespace

int UnicodeOfWindows1252(int code)
{
    if (code < 0 || code > 255) {
        return 0;
    }
    return code >= 0x80 && code <= 0x9F ? HIGH_CODES[code - 0x80] : code;
}

int IsWindows1252Control(int code)
{
    return (code >= 0 && code < 0x20) || code == 0x7F ? 1 : 0;
}
