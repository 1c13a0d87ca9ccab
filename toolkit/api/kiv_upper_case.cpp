#include "toolkit/api/kiv_upper_case.h"

#include <cctype>

void KivUpperCase(std::string* text) {
    for (char& c : *text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
