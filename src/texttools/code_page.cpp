#include "texttools/code_page.h"

#include <array>

namespace quillet {

namespace {

// Characters of the codes 0x80..0x9F; the undefined codes map to the C1 controls.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

int windows1252Code(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (int i = 0; i < int(kHighBlock.size()); ++i) {
        if (kHighBlock[i] == unit)
            return 0x80 + i;
    }
    return -1;
}

char16_t windows1252Char(int code) {
    if (code >= 0x80 && code < 0xA0)
        return kHighBlock[code - 0x80];
    return char16_t(code);
}

} // namespace quillet
