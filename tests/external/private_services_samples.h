#pragma once
// Print, Alert and COrder packages that the conversion, validation and trace tests start from.

#include <memory>

#include "toolkit/api/kivproto.h"

namespace sil_test {

inline constexpr const char* kPrintOid = "1.2.840.10003.9.1000.70.1";
inline constexpr const char* kAlertOid = "1.2.840.10003.9.1000.70.2";
inline constexpr const char* kCOrderOid = "1.2.840.10003.9.4.1000.70.1";

// A request to print records 1 to 5 and two further ranges of result set "a", element set "F", to an
// address with e-mail.
KivPrintExtendedService printResultSetRequest();
// A response to a request to print an accession reference with a comp spec, with job reference "job-1".
KivPrintExtendedService printAccessionResponse();
// A request to delete job "J1".
KivPrintExtendedService printDeleteRequest();
// A request for alert "new titles" to a postal address.
KivAlertExtendedService alertRequest();
// A normal order for the range {1, 10} of quantity 2.
KivCOrder normalOrder();
// A request for the references "a" and "b", or a response holding them.
KivCOrder orderReferences(int32_t eCOrderType);

std::unique_ptr<KivExternal> printExternal(KivPrintExtendedService package, const char* oid = kPrintOid);
std::unique_ptr<KivExternal> alertExternal(KivAlertExtendedService package, const char* oid = kAlertOid);
std::unique_ptr<KivExternal> corderExternal(KivCOrder order, const char* oid = kCOrderOid);

}  // namespace sil_test
