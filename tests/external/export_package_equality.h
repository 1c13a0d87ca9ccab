#pragma once
// Deep equality of the Export Specification and Export Invocation packages and every structure they hold,
// on the shared toolkit of tests/api/kiv_equality.h. Their compositions are compared by
// tests/api/carried_records_equality.h, included at the end so that either header brings both.

#include "tests/api/kiv_equality.h"
#include "toolkit/api/kivproto.h"

// Defined with the carried records.
inline bool kivEqual(const KivCompSpec& a, const KivCompSpec& b);

inline bool kivEqual(const KivDestinationOther& a, const KivDestinationOther& b) {
    return kivEqual(a.psVehicle, b.psVehicle) && kivEqual(a.sDestination, b.sDestination);
}

inline bool kivEqual(const KivDestination& a, const KivDestination& b) {
    for (const auto member : kKivDestinationAddresses) {
        if (!kivEqual(a.uDestinationType.*member, b.uDestinationType.*member)) return false;
    }
    return a.eDestinationType == b.eDestinationType &&
           kivEqual(a.uDestinationType.psOther, b.uDestinationType.psOther);
}

inline bool kivEqual(const KivExpSpecToKeep& a, const KivExpSpecToKeep& b) {
    return kivEqual(a.sComposition, b.sComposition) && kivEqual(a.sExportDestination, b.sExportDestination);
}

inline bool kivEqual(const KivExpSpecRequest& a, const KivExpSpecRequest& b) {
    return kivEqual(a.sToKeep, b.sToKeep);
}

inline bool kivEqual(const KivExpSpecResponse& a, const KivExpSpecResponse& b) {
    return kivEqual(a.sOriginPart, b.sOriginPart);
}

inline bool kivEqual(const KivExpSpecExtendedService& a, const KivExpSpecExtendedService& b) {
    const auto& x = a.uExpSpecReqOrRsp;
    const auto& y = b.uExpSpecReqOrRsp;
    return a.eExpSpecReqOrRsp == b.eExpSpecReqOrRsp && kivEqual(x.psExpSpecRequest, y.psExpSpecRequest) &&
           kivEqual(x.psExpSpecResponse, y.psExpSpecResponse);
}

inline bool kivEqual(const KivExpInvoExportSpec& a, const KivExpInvoExportSpec& b) {
    const auto& x = a.uExpInvoOriginPartToKeepChoice;
    const auto& y = b.uExpInvoOriginPartToKeepChoice;
    return a.eExpInvoOriginPartToKeepChoiceType == b.eExpInvoOriginPartToKeepChoiceType &&
           kivEqual(x.psPackageName, y.psPackageName) && kivEqual(x.psPackageSpec, y.psPackageSpec);
}

inline bool kivEqual(const KivExpInvoToKeep& a, const KivExpInvoToKeep& b) {
    return kivEqual(a.sExportSpec, b.sExportSpec) && a.ulNumberOfCopies == b.ulNumberOfCopies;
}

inline bool kivEqual(const KivExpInvoRange& a, const KivExpInvoRange& b) {
    return a.ulstart == b.ulstart && kivEqual(a.pulCount, b.pulCount);
}

inline bool kivEqual(const KivExpInvoNotToKeep& a, const KivExpInvoNotToKeep& b) {
    return kivEqual(a.sResultSetId, b.sResultSetId) &&
           a.sRecords.eExpInvoRecordsType == b.sRecords.eExpInvoRecordsType &&
           kivEqual(a.sRecords.uExpInvoRecords.ppsRanges, b.sRecords.uExpInvoRecords.ppsRanges);
}

inline bool kivEqual(const KivExpInvoTargetPart& a, const KivExpInvoTargetPart& b) {
    return kivEqual(a.psEstimatedQuantity, b.psEstimatedQuantity) &&
           kivEqual(a.psQuantitySoFar, b.psQuantitySoFar) && kivEqual(a.psEstimatedCost, b.psEstimatedCost) &&
           kivEqual(a.psCostSoFar, b.psCostSoFar);
}

inline bool kivEqual(const KivExpInvoRequest& a, const KivExpInvoRequest& b) {
    return kivEqual(a.sToKeep, b.sToKeep) && kivEqual(a.sNotToKeep, b.sNotToKeep);
}

inline bool kivEqual(const KivExpInvoResponse& a, const KivExpInvoResponse& b) {
    return kivEqual(a.sOriginPart, b.sOriginPart) && kivEqual(a.sTargetPart, b.sTargetPart);
}

inline bool kivEqual(const KivExpInvoExtendedService& a, const KivExpInvoExtendedService& b) {
    const auto& x = a.uExpInvoReqOrRsp;
    const auto& y = b.uExpInvoReqOrRsp;
    return a.eExpInvoReqOrRsp == b.eExpInvoReqOrRsp && kivEqual(x.psExpInvoRequest, y.psExpInvoRequest) &&
           kivEqual(x.psExpInvoResponse, y.psExpInvoResponse);
}

// Defines the composition comparison declared above.
#include "tests/api/carried_records_equality.h"
