#pragma once
// Copies between the counted texts of the programming interface (KivOctets, KivInternationalString) and
// plain texts, for building responses and writing request fields into log lines. Counted texts are copied
// whole, zero octets included.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_basic_types.h"

// An exact copy of the request's reference id for the response; null for null.
std::unique_ptr<KivOctets> CopyReferenceId(const KivOctets* referenceId);
// The octets as a text; nothing when the structure is absent.
std::optional<std::string> OctetsToText(const KivOctets* octets);
// The octets as a text; an empty text when the structure is absent.
std::string OctetsToString(const KivOctets* octets);
// A new counted text holding the text.
std::unique_ptr<KivInternationalString> NewInternationalString(std::string_view text);
// The value for a log line: "NULL" when the structure is absent, else its text.
std::string PrintCountedText(const KivInternationalString* text);
std::string PrintOctetsText(const KivOctets* octets);
