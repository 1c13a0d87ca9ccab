#pragma once
// The Summary record.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_other_information.h"

struct KivFormatSpec {
    KivInternationalString sType;
    std::optional<uint32_t> pulSize;
    std::optional<uint32_t> pulBestPosn;
};

struct KivSummaryRecord {
    KivInternationalString sTitle;
    std::unique_ptr<KivInternationalString> psAuthor;
    std::unique_ptr<KivInternationalString> psCallNumber;
    std::unique_ptr<KivInternationalString> psRecordType;
    std::unique_ptr<KivInternationalString> psBibliographicLevel;
    KivArray<KivFormatSpec> ppsFormat;
    std::unique_ptr<KivInternationalString> psPublicationPlace;
    std::unique_ptr<KivInternationalString> psPublicationDate;
    std::unique_ptr<KivInternationalString> psTargetSystemKey;
    std::unique_ptr<KivInternationalString> psSatisfyingElement;
    std::optional<uint32_t> pulRank;
    std::unique_ptr<KivInternationalString> psDocumentId;
    std::unique_ptr<KivInternationalString> psAbstract;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
