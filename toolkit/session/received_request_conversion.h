#pragma once
// The conversions of the received requests (and access-control response, resource-control response and
// trigger) into the records a target receives. Each makes a new record in *dst and fills it from the decoded
// codec structure, which it only reads; a null structure gives an empty record. Optional components become
// values only when present (a reference id, operation id or object identifier only when its length is not
// 0); enumerations outside their lists become -1 where the record's comment says so. A failed allocation
// throws KivConversionError{-1}; what was built stays in *dst.

#include <memory>

#include "toolkit/api/kiv_access_resource.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_delete.h"
#include "toolkit/api/kiv_extended_services.h"
#include "toolkit/api/kiv_init.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_resource_report.h"
#include "toolkit/api/kiv_scan.h"
#include "toolkit/api/kiv_search.h"
#include "toolkit/api/kiv_sort.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/codec/z3950/apdu_two.h"

// Bit texts of protocolVersion and options (one character per bit); psAuthentication: open IAT_Open with its
// text, idPass IAT_IdPass with the strings that are present, anonymous IAT_Anonymous, other IAT_Other with an
// EXTERNAL.
void siInitializeReqFromCodec(std::unique_ptr<KivInitializeReq>* dst,
                              const codec::z3950::InitializeRequest* src);
// ppsDatabaseNames always present (possibly empty); psQuery always set.
void siSearchReqFromCodec(std::unique_ptr<KivSearchReq>* dst, const codec::z3950::SearchRequest* src);
void siPresentReqFromCodec(std::unique_ptr<KivPresentReq>* dst, const codec::z3950::PresentRequest* src);
// eDeleteFunction DF_List or DF_All, any other value DF_Invalid.
void siDeleteResultSetReqFromCodec(std::unique_ptr<KivDeleteResultSetReq>* dst,
                                   const codec::z3950::DeleteResultSetRequest* src);
// ppsDatabaseNames always present (possibly empty).
void siScanReqFromCodec(std::unique_ptr<KivScanReq>* dst, const codec::z3950::ScanRequest* src);
void siResourceReportReqFromCodec(std::unique_ptr<KivResourceReportReq>* dst,
                                  const codec::z3950::ResourceReportRequest* src);
// Sort keys: relation ascending 1, descending 2, by frequency 3 and 4, any other -1; case sensitive 1,
// insensitive 2, any other -1; missing-value action abort 1, null 2, constant 3 with its octets.
void siSortReqFromCodec(std::unique_ptr<KivSortReq>* dst, const codec::z3950::SortRequest* src);
// eFunction 1 to 3 and eWaitAction 1 to 4, any other value -1; pcPackageType always set.
void siExtendedServicesReqFromCodec(std::unique_ptr<KivExtendedServicesReq>* dst,
                                    const codec::z3950::ExtendedServicesRequest* src);
// A simple-form challenge keeps its octets only when they are not empty.
void siAccessControlRspFromCodec(std::unique_ptr<KivAccessControlRsp>* dst,
                                 const codec::z3950::AccessControlResponse* src);
void siResourceControlRspFromCodec(std::unique_ptr<KivResourceControlRsp>* dst,
                                   const codec::z3950::ResourceControlResponse* src);
// eRequestedAction 1 to 3; any other value leaves it 0.
void siTriggerResourceControlReqFromCodec(std::unique_ptr<KivTriggerResourceControlReq>* dst,
                                          const codec::z3950::TriggerResourceControlRequest* src);

// A new record in *dst, filled by fill(record, codec structure) when the structure is set.
template <typename Record, typename Codec, typename Fill>
void siNewReceivedRecord(std::unique_ptr<Record>* dst, const Codec* src, Fill&& fill) {
    kivFromCodec([&] { *dst = std::make_unique<Record>(); });
    if (src != nullptr) fill(**dst, *src);
}

// The value when it lies in low..high, else otherwise.
inline int32_t siEnumFromCodec(BerInteger value, int32_t low, int32_t high, int32_t otherwise) {
    return value >= low && value <= high ? value : otherwise;
}
