#include "Quorvane/scan/scan_definitions.h"

#include <algorithm>

namespace {

constexpr std::string_view kDefaultDatabase = "DEFAULT";

bool lists(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const ScanDefinition* findListing(const std::vector<ScanDefinition>& definitions, std::string_view name) {
    const auto found = std::find_if(
        definitions.begin(), definitions.end(),
        [name](const ScanDefinition& definition) { return lists(definition.databaseNames, name); });
    return found != definitions.end() ? &*found : nullptr;
}

}  // namespace

const ScanDefinition* FindScanDefinition(const DefinitionBlocks<ScanDefinition>& definitions,
                                         std::string_view databaseName) {
    if (!definitions) return nullptr;
    if (const ScanDefinition* definition = findListing(*definitions, databaseName)) return definition;
    return findListing(*definitions, kDefaultDatabase);
}

bool ScanDefinitionHoldsAttributeSet(const ScanDefinition& definition, std::string_view attributeSetId) {
    return lists(definition.attributeSetIds, attributeSetId);
}

const ScanMapping* FindScanMapping(const ScanDefinition& definition, int32_t useValue) {
    auto found =
        std::find_if(definition.mappings.begin(), definition.mappings.end(),
                     [useValue](const ScanMapping& mapping) { return mapping.useValue == useValue; });
    return found == definition.mappings.end() ? nullptr : &*found;
}
