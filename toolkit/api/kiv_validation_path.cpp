#include "toolkit/api/kiv_validation_path.h"

void KivPathCopy(std::string& path, std::string_view text) {
    path.assign(text.substr(0, kKivPathMaxChars));
}

void KivPathAppend(std::string& path, std::string_view text) {
    if (path.size() >= kKivPathMaxChars) return;
    path.append(text.substr(0, kKivPathMaxChars - path.size()));
}

void KivPathClear(std::string& path) {
    path.clear();
}

std::string kivArrayElementPath(const std::string& path, std::string_view name, size_t index,
                                KivArrayElementKind kind) {
    std::string elementPath;
    KivPathCopy(elementPath, path);
    KivPathAppend(elementPath, name);
    KivPathAppend(elementPath, "[");
    KivPathAppend(elementPath, std::to_string(index));
    KivPathAppend(elementPath, "]");
    if (kind == KivArrayElementKind::Structure) KivPathAppend(elementPath, "->");
    return elementPath;
}
