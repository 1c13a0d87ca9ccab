#pragma once
// Export Specification and Export Invocation packages with every optional group filled, that conversion,
// validation and printer tests start from.

#include <memory>
#include <string>

#include "tests/api/carried_records_samples.h"
#include "toolkit/api/kivproto.h"

namespace export_package_test {

using carried::text;

// A composition with every member: an alternative syntax, a generic and a database-specific specification
// and two record syntaxes.
inline KivCompSpec composition() {
    KivCompSpec value;
    value.fSelectAlternativeSyntax = 1;
    value.psGeneric = std::make_unique<KivSpecification>();
    value.psGeneric->pcSchema = "1.2.840.10003.13.1";
    value.psGeneric->psElementSpec = std::make_unique<KivElementSpec>();
    value.psGeneric->psElementSpec->eElementSpecType = EST_Primitive;
    value.psGeneric->psElementSpec->uElementSpec.psPrimitive = text("F");
    KivDbSpecific* books = value.ppsDbSpecific.emplace();
    books->sDatabaseName.pcValue = "books";
    books->sSpecification.pcSchema = "1.2.840.10003.13.2";
    *value.ppcRecordSyntax.emplace() = "1.2.840.10003.5.10";
    *value.ppcRecordSyntax.emplace() = "1.2.840.10003.5.109.10";
    return value;
}

// The destination of a type: an address text for 1 to 8, an other destination with its vehicle for 9.
inline KivDestination destination(int32_t type) {
    KivDestination destination;
    destination.eDestinationType = type;
    if (type == DT_Other) {
        destination.uDestinationType.psOther = std::make_unique<KivDestinationOther>();
        destination.uDestinationType.psOther->psVehicle = text("courier");
        destination.uDestinationType.psOther->sDestination.pcValue = "Reading Room 2";
    } else {
        destination.uDestinationType.*kKivDestinationAddresses[type - 1] =
            text("address " + std::to_string(type));
    }
    return destination;
}

inline KivExpSpecToKeep specToKeep(int32_t destinationType) {
    return KivExpSpecToKeep{composition(), destination(destinationType)};
}

// A request (ESROR_Request) or task package (ESROR_Response) with its part to keep.
inline std::unique_ptr<KivExpSpecExtendedService> specification(int32_t reqOrRsp, int32_t destinationType) {
    auto package = std::make_unique<KivExpSpecExtendedService>();
    package->eExpSpecReqOrRsp = reqOrRsp;
    if (reqOrRsp == ESROR_Request) {
        package->uExpSpecReqOrRsp.psExpSpecRequest =
            std::make_unique<KivExpSpecRequest>(KivExpSpecRequest{specToKeep(destinationType)});
    } else {
        package->uExpSpecReqOrRsp.psExpSpecResponse =
            std::make_unique<KivExpSpecResponse>(KivExpSpecResponse{specToKeep(destinationType)});
    }
    return package;
}

inline KivExternal specificationExternal(const std::string& oid, int32_t reqOrRsp,
                                         int32_t destinationType = DT_EmailAddress) {
    return carried::singleExternal(oid, AT_ExportSpecification, [&](KivSingleASN1Type& content) {
        content.uASN1.psExpSpecExtendedService = specification(reqOrRsp, destinationType);
    });
}

inline std::unique_ptr<KivIntUnit> intUnit(uint32_t value) {
    auto unit = std::make_unique<KivIntUnit>();
    unit->ulValue = value;
    unit->sUnitUsed.psUnitSystem = text("iso4217");
    unit->sUnitUsed.pulScaleFactor = 2;
    return unit;
}

// A request that applies a specification given in full to two ranges, one of them to the end of the set.
inline KivExternal invocationRequest(const std::string& oid) {
    return carried::singleExternal(oid, AT_ExportInvocation, [](KivSingleASN1Type& content) {
        auto package = std::make_unique<KivExpInvoExtendedService>();
        package->eExpInvoReqOrRsp = EIROR_Request;
        auto request = std::make_unique<KivExpInvoRequest>();
        KivExpInvoExportSpec& exportSpec = request->sToKeep.sExportSpec;
        exportSpec.eExpInvoOriginPartToKeepChoiceType = EI_PackageSpec;
        exportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec = specification(ESROR_Request, DT_Other);
        request->sToKeep.ulNumberOfCopies = 2;
        request->sNotToKeep.sResultSetId.pcValue = "default";
        KivExpInvoRecords& records = request->sNotToKeep.sRecords;
        records.eExpInvoRecordsType = RTT_Ranges;
        records.uExpInvoRecords.ppsRanges.emplace(KivExpInvoRange{1, 10});
        records.uExpInvoRecords.ppsRanges.emplace(KivExpInvoRange{50, std::nullopt});
        package->uExpInvoReqOrRsp.psExpInvoRequest = std::move(request);
        content.uASN1.psExpInvoExtendedService = std::move(package);
    });
}

// A task package naming its specification, with all four target-part members.
inline KivExternal invocationResponse(const std::string& oid) {
    return carried::singleExternal(oid, AT_ExportInvocation, [](KivSingleASN1Type& content) {
        auto package = std::make_unique<KivExpInvoExtendedService>();
        package->eExpInvoReqOrRsp = EIROR_Response;
        auto response = std::make_unique<KivExpInvoResponse>();
        KivExpInvoExportSpec& exportSpec = response->sOriginPart.sExportSpec;
        exportSpec.eExpInvoOriginPartToKeepChoiceType = EI_PackageName;
        exportSpec.uExpInvoOriginPartToKeepChoice.psPackageName = text("weekly-list");
        response->sOriginPart.ulNumberOfCopies = 1;
        KivExpInvoTargetPart& target = response->sTargetPart;
        target.psEstimatedQuantity = intUnit(120);
        target.psQuantitySoFar = intUnit(40);
        target.psEstimatedCost = intUnit(1500);
        target.psCostSoFar = intUnit(500);
        package->uExpInvoReqOrRsp.psExpInvoResponse = std::move(response);
        content.uASN1.psExpInvoExtendedService = std::move(package);
    });
}

inline KivExpSpecExtendedService& specificationOf(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psExpSpecExtendedService;
}

inline KivExpInvoExtendedService& invocationOf(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psExpInvoExtendedService;
}

}  // namespace export_package_test
