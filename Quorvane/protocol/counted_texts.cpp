#include "Quorvane/protocol/counted_texts.h"

namespace {

constexpr const char* kAbsent = "NULL";

}  // namespace

std::unique_ptr<KivOctets> CopyReferenceId(const KivOctets* referenceId) {
    if (referenceId == nullptr) return nullptr;
    return std::make_unique<KivOctets>(*referenceId);
}

std::optional<std::string> OctetsToText(const KivOctets* octets) {
    if (octets == nullptr) return std::nullopt;
    return octets->pcValue;
}

std::string OctetsToString(const KivOctets* octets) {
    return octets == nullptr ? std::string() : octets->pcValue;
}

std::unique_ptr<KivInternationalString> NewInternationalString(std::string_view text) {
    auto counted = std::make_unique<KivInternationalString>();
    counted->pcValue = std::string(text);
    return counted;
}

std::string PrintCountedText(const KivInternationalString* text) {
    return text == nullptr ? std::string(kAbsent) : text->pcValue;
}

std::string PrintOctetsText(const KivOctets* octets) {
    return octets == nullptr ? std::string(kAbsent) : octets->pcValue;
}
