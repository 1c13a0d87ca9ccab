#pragma once
// The OPAC record: a bibliographic record with holdings and circulation data.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"

enum : int32_t {
    HRT_MarcHoldingsRecord = 1,
    HRT_HoldingsAndCirc = 2,
};

struct KivVolume {
    std::unique_ptr<KivInternationalString> psEnumeration;
    std::unique_ptr<KivInternationalString> psChronology;
    std::unique_ptr<KivInternationalString> psEnumAndChron;
};

struct KivCircRecord {
    uint32_t fAvailableNow{};
    std::unique_ptr<KivInternationalString> psAvailabilityDate;
    std::unique_ptr<KivInternationalString> psAvailableThru;
    std::unique_ptr<KivInternationalString> psRestrictions;
    std::unique_ptr<KivInternationalString> psItemId;
    uint32_t fRenewable{};
    uint32_t fOnHold{};
    std::unique_ptr<KivInternationalString> psEnumAndChron;
    std::unique_ptr<KivInternationalString> psMidspine;
    std::unique_ptr<KivInternationalString> psTemporaryLocation;
};

struct KivHoldingsAndCirc {
    std::unique_ptr<KivInternationalString> psTypeOfRecord;
    std::unique_ptr<KivInternationalString> psEncodingLevel;
    std::unique_ptr<KivInternationalString> psFormat;
    std::unique_ptr<KivInternationalString> psReceiptAcqStatus;
    std::unique_ptr<KivInternationalString> psGeneralRetention;
    std::unique_ptr<KivInternationalString> psCompleteness;
    std::unique_ptr<KivInternationalString> psDateOfReport;
    std::unique_ptr<KivInternationalString> psNucCode;
    std::unique_ptr<KivInternationalString> psLocalLocation;
    std::unique_ptr<KivInternationalString> psShelvingLocation;
    std::unique_ptr<KivInternationalString> psCallNumber;
    std::unique_ptr<KivInternationalString> psShelvingData;
    std::unique_ptr<KivInternationalString> psCopyNumber;
    std::unique_ptr<KivInternationalString> psPublicNote;
    std::unique_ptr<KivInternationalString> psReproductionNote;
    std::unique_ptr<KivInternationalString> psTermsUseRepro;
    std::unique_ptr<KivInternationalString> psEnumAndChron;
    KivArray<KivVolume> ppsVolume;
    KivArray<KivCircRecord> ppsCircRecord;
};

// Both alternatives are embedded; the one eHoldingsRecType does not select stays empty.
struct KivHoldingsRecord {
    int32_t eHoldingsRecType{};
    struct {
        KivExternal sMarcHoldingsRecord;
        KivHoldingsAndCirc sHoldingsAndCirc;
    } uMarcOrHoldAndCirc;
};

struct KivOpacRecord {
    std::unique_ptr<KivExternal> psBibliographicRecord;
    KivArray<KivHoldingsRecord> ppsHoldingsData;
};
