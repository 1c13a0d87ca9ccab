#pragma once
// The Export Specification extended-services package (how records are composed and where they are sent) and
// the Export Invocation package (which specification, named or in full, applies to which records of a result
// set).

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/api/kiv_units.h"

enum : int32_t {
    ESROR_Request = 1,
    ESROR_Response = 2,
    ESROR_Invalid = -1,
};

enum : int32_t {
    DT_PhoneNumber = 1,
    DT_FaxNumber = 2,
    DT_X400Address = 3,
    DT_EmailAddress = 4,
    DT_PagerNumber = 5,
    DT_FtpAddress = 6,
    DT_FtamAddress = 7,
    DT_PrinterAddress = 8,
    DT_Other = 9,
    DT_Invalid = -1,
};

enum : int32_t {
    EIROR_Request = 1,
    EIROR_Response = 2,
    EIROR_Invalid = -1,
};

enum : int32_t {
    EI_PackageName = 1,
    EI_PackageSpec = 2,
    EI_Invalid = -1,
};

enum : int32_t {
    RTT_All = 1,
    RTT_Ranges = 2,
    RTT_Invalid = -1,
};

struct KivDestinationOther {
    std::unique_ptr<KivInternationalString> psVehicle;
    KivInternationalString sDestination;
};

// Where exported records go; psEmailAddresss and psFtpAddresss keep their three s.
struct KivDestination {
    int32_t eDestinationType{};
    struct {
        std::unique_ptr<KivInternationalString> psPhoneNumber;
        std::unique_ptr<KivInternationalString> psFaxNumber;
        std::unique_ptr<KivInternationalString> psX400Address;
        std::unique_ptr<KivInternationalString> psEmailAddresss;
        std::unique_ptr<KivInternationalString> psPagerNumber;
        std::unique_ptr<KivInternationalString> psFtpAddresss;
        std::unique_ptr<KivInternationalString> psFtamAddress;
        std::unique_ptr<KivInternationalString> psPrinterAddress;
        std::unique_ptr<KivDestinationOther> psOther;
    } uDestinationType;
};

// The text members of the destination types DT_PhoneNumber to DT_PrinterAddress, in the order of their
// numbers: the member of type t is uDestinationType.*kKivDestinationAddresses[t - 1].
using KivDestinationMembers = decltype(KivDestination::uDestinationType);
inline constexpr std::unique_ptr<KivInternationalString> KivDestinationMembers::*kKivDestinationAddresses[] = {
    &KivDestinationMembers::psPhoneNumber,  &KivDestinationMembers::psFaxNumber,
    &KivDestinationMembers::psX400Address,  &KivDestinationMembers::psEmailAddresss,
    &KivDestinationMembers::psPagerNumber,  &KivDestinationMembers::psFtpAddresss,
    &KivDestinationMembers::psFtamAddress,  &KivDestinationMembers::psPrinterAddress,
};

struct KivExpSpecToKeep {
    KivCompSpec sComposition;
    KivDestination sExportDestination;
};

// The part not to keep of a request and the target part of a task package are NULLs and have no field.
struct KivExpSpecRequest {
    KivExpSpecToKeep sToKeep;
};

struct KivExpSpecResponse {
    KivExpSpecToKeep sOriginPart;
};

struct KivExpSpecExtendedService {
    int32_t eExpSpecReqOrRsp{};
    struct {
        std::unique_ptr<KivExpSpecRequest> psExpSpecRequest;
        std::unique_ptr<KivExpSpecResponse> psExpSpecResponse;
    } uExpSpecReqOrRsp;
};

// The specification an invocation applies: by its package name or in full.
struct KivExpInvoExportSpec {
    int32_t eExpInvoOriginPartToKeepChoiceType{};
    struct {
        std::unique_ptr<KivInternationalString> psPackageName;
        std::unique_ptr<KivExpSpecExtendedService> psPackageSpec;
    } uExpInvoOriginPartToKeepChoice;
};

struct KivExpInvoToKeep {
    KivExpInvoExportSpec sExportSpec;
    uint32_t ulNumberOfCopies{};
};

// Records from ulstart on: pulCount of them, or to the end of the set when it is absent.
struct KivExpInvoRange {
    uint32_t ulstart{};
    std::optional<uint32_t> pulCount;
};

struct KivExpInvoRecords {
    int32_t eExpInvoRecordsType{};
    struct {
        KivArray<KivExpInvoRange> ppsRanges;
    } uExpInvoRecords;
};

struct KivExpInvoNotToKeep {
    KivInternationalString sResultSetId;
    KivExpInvoRecords sRecords;
};

struct KivExpInvoTargetPart {
    std::unique_ptr<KivIntUnit> psEstimatedQuantity;
    std::unique_ptr<KivIntUnit> psQuantitySoFar;
    std::unique_ptr<KivIntUnit> psEstimatedCost;
    std::unique_ptr<KivIntUnit> psCostSoFar;
};

struct KivExpInvoRequest {
    KivExpInvoToKeep sToKeep;
    KivExpInvoNotToKeep sNotToKeep;
};

struct KivExpInvoResponse {
    KivExpInvoToKeep sOriginPart;
    KivExpInvoTargetPart sTargetPart;
};

struct KivExpInvoExtendedService {
    int32_t eExpInvoReqOrRsp{};
    struct {
        std::unique_ptr<KivExpInvoRequest> psExpInvoRequest;
        std::unique_ptr<KivExpInvoResponse> psExpInvoResponse;
    } uExpInvoReqOrRsp;
};
