#pragma once
// CIP item-order packages that the conversion, validation and trace tests start from.

#include <memory>

#include "toolkit/api/kivproto.h"

namespace cip_test {

inline constexpr const char* kCipOrderOid = "1.2.840.10003.9.1000.99.1";

// A request whose parts fill every optional member: order specification with a price, two delivery units
// (ftp and mail delivery; a predefined and an ad hoc package), automatic status updates, user information
// with a credit-card billing and a private one, and OtherInformation wherever it may stand.
KivCipBItemOrderExtendedService fullRequest();
// A response with the same origin part and a target part with a dynamic order state.
KivCipBItemOrderExtendedService fullResponse();
// The smallest valid request: an action and an empty part not to keep.
KivCipBItemOrderExtendedService smallRequest();

// The package in a single-ASN1-type EXTERNAL under oid.
std::unique_ptr<KivExternal> cipOrderExternal(KivCipBItemOrderExtendedService package,
                                              const char* oid = kCipOrderOid);

}  // namespace cip_test
