#include "Quorvane/scan/scan_definitions.h"

#include <algorithm>

#include "Quorvane/config/database_blocks.h"

namespace {

bool lists(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

const ScanDefinition* FindScanDefinition(const DefinitionBlocks<ScanDefinition>& definitions,
                                         std::string_view databaseName) {
    return FindDatabaseBlock(definitions, &ScanDefinition::databaseNames, databaseName);
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
