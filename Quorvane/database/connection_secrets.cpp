#include "Quorvane/database/connection_secrets.h"

#include "toolkit/util/str_case.h"

namespace {

constexpr std::string_view kMask = "*****";

bool isSecretName(std::string_view name) {
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    return StrCaseCompare(name, "PWD") == 0 || StrCaseCompare(name, "PASSWORD") == 0;
}

// The end of the value that starts at from: after its closing brace (a "}}" inside braces stands for one
// brace) or at the next ';'.
std::size_t valueEnd(std::string_view text, std::size_t from) {
    std::size_t at = from;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < text.size() && text[at] == '{') {
        for (++at; at < text.size(); ++at) {
            if (text[at] != '}') continue;
            if (at + 1 < text.size() && text[at + 1] == '}') {
                ++at;
                continue;
            }
            ++at;
            break;
        }
    }
    std::size_t semicolon = text.find(';', at);
    return semicolon == std::string_view::npos ? text.size() : semicolon;
}

}  // namespace

std::string MaskConnectionSecrets(std::string_view connection) {
    std::string out;
    std::size_t at = 0;
    while (at < connection.size()) {
        std::size_t equals = connection.find('=', at);
        std::size_t semicolon = connection.find(';', at);
        if (equals == std::string_view::npos || (semicolon != std::string_view::npos && semicolon < equals)) {
            std::size_t end = semicolon == std::string_view::npos ? connection.size() : semicolon + 1;
            out.append(connection.substr(at, end - at));
            at = end;
            continue;
        }
        std::size_t end = valueEnd(connection, equals + 1);
        out.append(connection.substr(at, equals + 1 - at));
        if (isSecretName(connection.substr(at, equals - at))) {
            out.append(kMask);
        } else {
            out.append(connection.substr(equals + 1, end - equals - 1));
        }
        if (end < connection.size()) out.push_back(';');
        at = end + 1;
    }
    return out;
}
