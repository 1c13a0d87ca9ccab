#pragma once
// CIP specific information that the conversion, validation and trace tests start from.

#include <cstdint>
#include <memory>

#include "toolkit/api/kivproto.h"

namespace cip_test {

inline constexpr const char* kCipSpecificOid = "1.2.840.10003.2.1000.99.1";

// The value in a single-ASN1-type EXTERNAL under oid.
std::unique_ptr<KivExternal> cipExternal(KivCIPSpecificInfo info, const char* oid = kCipSpecificOid);
// A search control of the given item descriptor and scope.
KivCIPSpecificInfo searchControl(int32_t item, int32_t scope);
// A term of the given type: track 7 with the frames 1 and 2; a circle of 20 km; a period of 30 days a year.
// Any other type gives a term without a member.
KivCIPSpecificInfo term(int32_t type);
// Explain information with every optional part.
KivCIPSpecificInfo explainInfo();

}  // namespace cip_test
