#include "Quorvane/config/white_space.h"

#include <algorithm>
#include <cctype>

void RemoveWhiteSpace(std::string& text) {
    std::erase_if(text, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
}
