#include "Quorvane/records/grs1_elements.h"

#include <algorithm>
#include <memory>

#include "Quorvane/records/grs1_values.h"

namespace {

constexpr std::int32_t kTagValueString = 1;
constexpr std::int32_t kTagValueNumeric = 2;
constexpr const char* kNullVariantValue = "NULL";

using LevelPath = std::vector<std::string>;

KivArray<KivTaggedElement> buildLevel(const std::string& parentId,
                                      const std::vector<GenericDefinition>& definitions, LevelPath& path);

std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

void setNotThere(KivElementDataG& content) {
    content.eElementDataGType = EDT_ElementNotThere;
}

void fillContent(const GenericDefinition& definition, const std::vector<GenericDefinition>& definitions,
                 LevelPath& path, KivElementDataG& content) {
    auto& data = content.uElementDataG;
    switch (definition.contentType) {
        case GenericContentType::String:
            content.eElementDataGType = EDT_String;
            data.psString =
                std::make_unique<KivInternationalString>(KivInternationalString{definition.content});
            return;
        case GenericContentType::Octets:
            content.eElementDataGType = EDT_Octets;
            data.psOctets = std::make_unique<KivOctets>(KivOctets{definition.content});
            return;
        case GenericContentType::Numeric: {
            const std::optional<std::uint32_t> number = ParseDecimal(trimmedBlanks(definition.content));
            if (!number) return setNotThere(content);
            content.eElementDataGType = EDT_Numeric;
            data.ulNumeric = *number;
            return;
        }
        case GenericContentType::Date:
            content.eElementDataGType = EDT_Date;
            data.pcDate = definition.content;
            return;
        case GenericContentType::Bool:
            content.eElementDataGType = EDT_TrueOrFalse;
            data.fTrueOrFalse = definition.content.find_first_of("tT") != std::string::npos ? 1 : 0;
            return;
        case GenericContentType::Oid:
            if (!IsDottedOid(definition.content)) return setNotThere(content);
            content.eElementDataGType = EDT_Oid;
            data.pcOid = definition.content;
            return;
        case GenericContentType::Subtree:
            if (std::find(path.begin(), path.end(), definition.content) != path.end())
                return setNotThere(content);
            content.eElementDataGType = EDT_Subtree;
            data.ppsSubTree = buildLevel(definition.content, definitions, path);
            return;
        case GenericContentType::NotThere:
            return setNotThere(content);
    }
}

std::unique_ptr<KivVariant> appliedVariant(const GenericVariant& variant) {
    auto applied = std::make_unique<KivVariant>();
    applied->pcGlobalVariantSetId = variant.variantSetId;
    auto triple = std::make_unique<KivTriples>();
    triple->ulClass = variant.variantClass;
    triple->ulType = variant.variantType;
    if (variant.value == kNullVariantValue) {
        triple->sValue.eVariantValueType = VVT_Null;
    } else {
        triple->sValue.eVariantValueType = VVT_InternationalString;
        triple->sValue.uVariantValueType.psInternationalString =
            std::make_unique<KivInternationalString>(KivInternationalString{variant.value});
    }
    applied->ppsTriples.append(std::move(triple));
    return applied;
}

KivArray<KivTaggedElement> buildLevel(const std::string& parentId,
                                      const std::vector<GenericDefinition>& definitions, LevelPath& path) {
    path.push_back(parentId);
    auto elements = KivArray<KivTaggedElement>::emptyArray();
    for (const GenericDefinition& definition : definitions) {
        if (definition.parentId != parentId) continue;
        auto element = std::make_unique<KivTaggedElement>();
        element->pulTagType = definition.tagType;
        if (definition.numericTagValue) {
            element->sTagValue.eStringOrNumeric = kTagValueNumeric;
            element->sTagValue.uStringOrNumeric.ulNumeric = *definition.numericTagValue;
        } else {
            element->sTagValue.eStringOrNumeric = kTagValueString;
            element->sTagValue.uStringOrNumeric.psString =
                std::make_unique<KivInternationalString>(KivInternationalString{definition.tagValue});
        }
        fillContent(definition, definitions, path, element->sContent);
        if (definition.variant) element->psAppliedVariant = appliedVariant(*definition.variant);
        elements.append(std::move(element));
    }
    path.pop_back();
    return elements;
}

}  // namespace

KivArray<KivTaggedElement> BuildTaggedElements(const std::string& parentId,
                                               const std::vector<GenericDefinition>& definitions) {
    LevelPath path;
    return buildLevel(parentId, definitions, path);
}
