#pragma once
// OtherInformation: one item of the ppsOtherInformation array that ends every APDU.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"

enum : int32_t {
    IT_CharacterInfo = 1,
    IT_BinaryInfo = 2,
    IT_ExternalInfo = 3,
    IT_ObjectIdentifier = 4,
};

struct KivInfoCategory {
    std::optional<std::string> pcCategoryTypeId;
    uint32_t ulCategoryValue{};
};

struct KivOtherInformation {
    std::unique_ptr<KivInfoCategory> psInfoCategory;
    int32_t eInformationType{};
    struct {
        std::unique_ptr<KivInternationalString> psCharacterInfo;
        std::unique_ptr<KivOctets> psBinaryInfo;
        std::unique_ptr<KivExternal> psExternallyDefinedInfo;
        std::optional<std::string> pcObjectIdentifier;
    } uInformation;
};
