#include "Quorvane/scan/scan_window.h"

namespace {

// Above every UTF-8 text: the encoding of U+10FFFF, the last code point.
constexpr std::string_view kAboveEveryText = "\xF4\x8F\xBF\xBF";

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}

// The bound stepped up; false when it would leave the digits and letters (the side opens).
bool stepUp(std::string& bound) {
    auto first = static_cast<unsigned char>(bound[0]);
    auto second = static_cast<unsigned char>(bound[1]);
    if (second >= 'Z') {
        if (first >= 'Z') return false;
        ++first;
        second = 'A';
    } else {
        ++second;
    }
    if (first > 'Z') return false;
    if (first < '0') {
        first = '0';
        second = 'A';
    } else if (!isDigit(first) && !isLetter(first)) {
        first = 'A';
        second = 'A';
    }
    bound[0] = static_cast<char>(first);
    bound[1] = static_cast<char>(second);
    return true;
}

// The bound stepped down; false when it would leave the digits and letters (the side opens).
bool stepDown(std::string& bound) {
    auto first = static_cast<unsigned char>(bound[0]);
    auto second = static_cast<unsigned char>(bound[1]);
    if (second == 'A' || second <= '0') {
        if (first <= '0') return false;
        --first;
        second = 'Z';
    } else if (second > 'Z') {
        second = 'Z';
    } else {
        --second;
    }
    if (first < '0') return false;
    if (first > 'Z') {
        first = 'Z';
        second = 'Z';
    } else if (!isDigit(first) && !isLetter(first)) {
        first = '9';
        second = 'Z';
    }
    bound[0] = static_cast<char>(first);
    bound[1] = static_cast<char>(second);
    return true;
}

}  // namespace

ScanWindow::ScanWindow(std::string_view term) {
    std::string start = term.empty() ? std::string("AA") : std::string(term.substr(0, 2));
    if (start.size() == 1) start += 'A';
    if (term.empty()) {
        openBelow_ = true;
    } else {
        low_ = start;
    }
    high_ = start;
    widenUp();
}

void ScanWindow::widenDown() {
    if (openBelow_) return;
    if (!stepDown(low_)) {
        low_.clear();
        openBelow_ = true;
    }
}

void ScanWindow::widenUp() {
    if (openAbove_) return;
    if (!stepUp(high_)) {
        high_ = kAboveEveryText;
        openAbove_ = true;
    }
}
