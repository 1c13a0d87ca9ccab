#pragma once
// The private Print, Alert and COrder extended-services packages.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_range.h"
#include "toolkit/api/kiv_record_composition.h"

enum : int32_t {
    PROR_Request = 1,
    PROR_Response = 2,
};

enum : int32_t {
    POPKT_Create = 1,
    POPKT_Delete = 2,
};

enum : int32_t {
    COPT_ResultSetReference = 1,
    COPT_AccessionReference = 2,
};

enum : int32_t {
    AROR_Request = 1,
    AROR_Response = 2,
};

enum : int32_t {
    COT_OrderRequest = 1,
    COT_OrderResponse = 2,
};

enum : int32_t {
    ORT_NormalOrder = 1,
    ORT_OrderRefs = 2,
};

// Where a print or an alert goes; shared by Print and Alert.
struct KivAddress {
    KivInternationalString sPostalAddress;
    std::unique_ptr<KivInternationalString> psEmailAddress;
};

struct KivResultSetReference {
    KivInternationalString sResultSetId;
    uint32_t ulResultSetStartPoint{};
    uint32_t ulNumberOfRecordsRequested{};
    KivArray<KivRange> ppsAdditionalRanges;
    std::unique_ptr<KivRecordComposition> psRecordComposition;
    KivAddress sAddress;
};

struct KivAccessionReference {
    KivInternationalString sReferenceId;
    std::unique_ptr<KivRecordComposition> psRecordComposition;
    KivAddress sAddress;
};

struct KivCreateOption {
    int32_t eCreateOptionType{};
    struct {
        std::unique_ptr<KivResultSetReference> psResultSetReference;
        std::unique_ptr<KivAccessionReference> psAccessionReference;
    } uCreateOption;
};

struct KivDeleteOption {
    KivInternationalString sJobReference;
};

struct KivPrintOriginPartToKeep {
    int32_t ePrintOriginPartToKeepType{};
    struct {
        std::unique_ptr<KivCreateOption> psCreateOption;
        std::unique_ptr<KivDeleteOption> psDeleteOption;
    } uPrintOriginPartToKeep;
};

struct KivPrintTargetPart {
    KivInternationalString sJobReference;
};

struct KivPrintRequest {
    std::unique_ptr<KivPrintOriginPartToKeep> psOriginPartToKeep;
};

struct KivPrintResponse {
    std::unique_ptr<KivPrintOriginPartToKeep> psOriginPartToKeep;
    KivPrintTargetPart sTargetPart;
};

struct KivPrintExtendedService {
    int32_t ePrintReqRsp{};
    struct {
        std::unique_ptr<KivPrintRequest> psPrintRequest;
        std::unique_ptr<KivPrintResponse> psPrintResponse;
    } uPrintReqOrRsp;
};

struct KivAlertOriginPartToKeep {
    KivInternationalString sAlertName;
    std::unique_ptr<KivAddress> psAddress;
};

struct KivAlertRequest {
    std::unique_ptr<KivAlertOriginPartToKeep> psOriginPartToKeep;
};

struct KivAlertResponse {
    std::unique_ptr<KivAlertOriginPartToKeep> psOriginPartToKeep;
};

struct KivAlertExtendedService {
    int32_t eAlertReqRsp{};
    struct {
        std::unique_ptr<KivAlertRequest> psAlertRequest;
        std::unique_ptr<KivAlertResponse> psAlertResponse;
    } uAlertReqOrRsp;
};

struct KivNormalOrder {
    KivArray<KivRange> ppsOrderRanges;
    uint32_t ulQuantity{};
};

struct KivOrderRequest {
    int32_t eOrderRequestType{};
    struct {
        std::unique_ptr<KivNormalOrder> psNormalOrder;
        KivArray<KivInternationalString> ppsOrderRefs;
    } uOrderRequest;
};

struct KivCOrder {
    int32_t eCOrderType{};
    struct {
        std::unique_ptr<KivOrderRequest> psOrderRequest;
        KivArray<KivInternationalString> ppsOrderResponse;
    } uCOrder;
};
