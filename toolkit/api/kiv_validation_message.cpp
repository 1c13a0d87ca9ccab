#include "toolkit/api/kiv_validation_message.h"

#include <initializer_list>

#include "toolkit/api/kiv_validation_path.h"

namespace {

// The format with each "%s" replaced by the next text; a "%s" without a text left is dropped.
std::string fillPlaceholders(std::string_view format, std::initializer_list<std::string_view> texts) {
    std::string message;
    const std::string_view* next = texts.begin();
    for (size_t at = 0; at < format.size();) {
        size_t placeholder = format.find("%s", at);
        message.append(format.substr(at, placeholder - at));
        if (placeholder == std::string_view::npos) break;
        if (next != texts.end()) message.append(*next++);
        at = placeholder + 2;
    }
    return message;
}

std::string_view clampText(std::string_view text) {
    return text.substr(0, kKivPathMaxChars);
}

}  // namespace

std::string kivMessageWithPath(std::string_view format, std::string_view path) {
    std::string_view used = clampText(path);
    size_t room = kKivMessageOctets - format.size();
    if (used.size() >= room) used = used.substr(used.size() - room);
    return fillPlaceholders(format, {used});
}

std::string kivMessageWithTwoTexts(std::string_view format, std::string_view first, std::string_view second) {
    std::string_view usedFirst = clampText(first);
    std::string_view usedSecond = clampText(second);
    if (usedFirst.size() + usedSecond.size() >= kKivMessageOctets - format.size()) {
        usedFirst = {};
        usedSecond = {};
    }
    return fillPlaceholders(format, {usedFirst, usedSecond});
}
