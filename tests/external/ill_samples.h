#pragma once
// Interlibrary-loan APDUs in the programming interface for the conversion and validation tests.

#include <memory>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_ill_pdu.h"

namespace ill_test {

inline constexpr char kIllOid[] = "1.2.10161.2.1";

KivIllString visible(const char* text);
std::unique_ptr<KivIllString> newVisible(const char* text);

// An ILL-Request with every optional group filled: addresses, both delivery services' fields, search type,
// supply media, client, every item field, cost, third parties, flags, notes and an extension 800 with
// every part.
std::unique_ptr<KivIllPdu> fullRequest();
// An ILL-Request with its compulsory parts only.
std::unique_ptr<KivIllPdu> minimalRequest();
// A Status-Or-Error-Report with a status report, a user error report and a note.
std::unique_ptr<KivIllPdu> statusOrErrorReport();

// The APDU as the single-ASN1-type content of an EXTERNAL under 1.2.10161.2.1.
std::unique_ptr<KivExternal> illExternal(std::unique_ptr<KivIllPdu> pdu);

}  // namespace ill_test
