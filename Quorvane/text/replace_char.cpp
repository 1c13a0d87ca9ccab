#include "Quorvane/text/replace_char.h"

#include <algorithm>

void ReplaceChar(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}
