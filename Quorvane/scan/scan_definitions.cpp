#include "Quorvane/scan/scan_definitions.h"

#include <algorithm>

namespace {

constexpr std::string_view kDefaultDatabase = "DEFAULT";

bool lists(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

ScanDefinition* findListing(const DblList* definitions, std::string_view name) {
    for (const DblNode* node = definitions->first; node != nullptr; node = node->next) {
        auto* definition = static_cast<ScanDefinition*>(node->datum);
        if (lists(definition->databaseNames, name)) return definition;
    }
    return nullptr;
}

}  // namespace

void FreeScanDefinition(void* definition) {
    delete static_cast<ScanDefinition*>(definition);
}

ScanDefinition* FindScanDefinition(const DblList* definitions, std::string_view databaseName) {
    if (definitions == nullptr) return nullptr;
    if (ScanDefinition* definition = findListing(definitions, databaseName)) return definition;
    return findListing(definitions, kDefaultDatabase);
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
