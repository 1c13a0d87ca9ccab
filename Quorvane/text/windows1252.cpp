#include "Quorvane/text/windows1252.h"

#include <cstdint>

#include "Quorvane/text/utf8.h"

namespace {

// Code points of 0x80-0x9F; 0 marks the undefined positions.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

}  // namespace

int EncodeWindows1252Char(std::string& output, char character) {
    auto octet = static_cast<unsigned char>(character);
    uint32_t codePoint = octet >= 0x80 && octet <= 0x9F ? kHighControls[octet - 0x80] : octet;
    return EncodeUtf8(output, codePoint);
}
