#include "Quorvane/search/search_definitions_lookup.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"

namespace {

bool holds(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace

DefinitionLookup FindSearchDefinition(const DefinitionBlocks<SearchDefinition>& definitions,
                                      const std::string& attributeSetId, const std::string& databaseName) {
    DefinitionLookup lookup;
    if (!definitions) {
        lookup.outcome = Bib1Outcome::failure(kConditionUnsupportedAttributeSet);
        return lookup;
    }
    const auto end = definitions->end();
    auto first = std::find_if(definitions->begin(), end, [&](const SearchDefinition& definition) {
        return holds(definition.attributeSetIds, attributeSetId);
    });
    if (first == end) {
        lookup.outcome = Bib1Outcome::failure(kConditionUnsupportedAttributeSet);
        return lookup;
    }
    lookup.current = &*first;
    if (holds(first->databaseNames, databaseName) || holds(first->databaseNames, "DEFAULT")) {
        lookup.definition = lookup.current;
        return lookup;
    }
    for (auto later = std::next(first); later != end; ++later) {
        if (holds(later->attributeSetIds, attributeSetId) && holds(later->databaseNames, databaseName)) {
            lookup.definition = &*later;
            lookup.current = &*later;
            return lookup;
        }
    }
    lookup.outcome = Bib1Outcome::failure(kConditionDatabaseUnknown);
    return lookup;
}

bool MatchAttributeMapping(const AttributeCombination& request, int32_t wordCount,
                           const AttributeMapping& mapping) {
    if (mapping.wordList && !mapping.wordListAnyCount && mapping.wordListCount != wordCount) return false;
    if (!mapping.combinationText) return request[0] == mapping.useValue;
    for (size_t i = 0; i < request.size(); ++i) {
        if (mapping.combination[i] != 0 && mapping.combination[i] != request[i]) return false;
    }
    return true;
}

MappingLookup FindAttributeMapping(const SearchDefinition& definition,
                                   const KivArray<KivAttributeElement>& elements, int32_t wordCount,
                                   int32_t defaultUse) {
    MappingLookup lookup;
    AttributeCombination request{};
    for (const KivAttributeElement& element : elements) {
        if (element.sAttributeValue.eAttributeValueType != 1) {
            lookup.outcome = Bib1Outcome::failure(kConditionUnsupportedAttributeType);
            continue;
        }
        if (element.ulAttributeType >= 1 && element.ulAttributeType <= 6) {
            request[element.ulAttributeType - 1] =
                static_cast<int32_t>(element.sAttributeValue.uAttributeValue.ulNumeric);
        }
    }
    if (request[0] == 0) request[0] = defaultUse;
    if (request[0] == 0) {
        lookup.outcome = Bib1Outcome::failure(kConditionUnsupportedAttributeType);
        return lookup;
    }
    for (const AttributeMapping& mapping : definition.mappings) {
        if (MatchAttributeMapping(request, wordCount, mapping)) {
            lookup.mapping = &mapping;
            lookup.key = KeyForMapping(definition, mapping);
            return lookup;
        }
    }
    lookup.outcome = Bib1Outcome::failure(kConditionUnsupportedUseAttribute);
    return lookup;
}

const KeyDefinition* KeyForMapping(const SearchDefinition& definition, const AttributeMapping& mapping) {
    if (definition.keys.empty()) return nullptr;
    std::string table = mapping.fromPart.substr(0, mapping.fromPart.find(','));
    for (const KeyDefinition& key : definition.keys) {
        if (key.table == table) return &key;
    }
    return &definition.keys.back();
}
