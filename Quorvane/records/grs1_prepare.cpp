#include "Quorvane/records/grs1_prepare.h"

#include <algorithm>
#include <optional>
#include <string>

#include "Quorvane/records/marc_rows.h"

namespace {

GenericDefinition notAvailable(const GenericDefinition& definition) {
    GenericDefinition stand = definition;
    stand.content = kNotAvailable;
    if (stand.contentType != GenericContentType::Octets) stand.contentType = GenericContentType::String;
    return stand;
}

}  // namespace

PreparedGenericDefinitions PrepareGenericDefinitions(const std::vector<GenericDefinition>& definitions,
                                                     const FieldRow* row, bool full,
                                                     const std::set<std::string>& statementColumns,
                                                     const FieldValueConversion& conversion) {
    PreparedGenericDefinitions prepared;
    std::uint64_t length = 0;
    std::optional<GenericDefinition> remembered;
    for (const GenericDefinition& definition : definitions) {
        if (definition.contentType == GenericContentType::Subtree) {
            prepared.definitions.push_back(definition);
            continue;
        }
        const RecordField* field = row != nullptr ? FindRowField(*row, definition.content) : nullptr;
        if (field == nullptr) {
            // A column the record has no row of (not fetched by this record format, or its statement
            // found nothing) is left out rather than shown by its name.
            if (full && statementColumns.count(definition.content) == 0)
                prepared.definitions.push_back(definition);
            continue;
        }
        std::optional<std::string> value = conversion.convert(field->value, definition.routine);
        if (!value) {
            length += std::string_view(kNotAvailable).size();
            if (!remembered) remembered = notAvailable(definition);
            continue;
        }
        length += value->size();
        prepared.definitions.push_back(definition);
        prepared.definitions.back().content = std::move(*value);
    }
    PruneEmptySubtrees(prepared.definitions);
    if (prepared.definitions.empty() && remembered) prepared.definitions.push_back(std::move(*remembered));
    prepared.length = static_cast<std::uint32_t>(std::min<std::uint64_t>(length, UINT32_MAX));
    return prepared;
}

void PruneEmptySubtrees(std::vector<GenericDefinition>& definitions) {
    // Dropping a subtree changes only what follows the definition before it, which comes next going
    // backwards: one pass from the end drops everything the repeated forward passes would.
    for (std::size_t i = definitions.size(); i-- > 0;) {
        const GenericDefinition& definition = definitions[i];
        if (definition.contentType != GenericContentType::Subtree) continue;
        if (i + 1 == definitions.size() || definitions[i + 1].parentId != definition.content) {
            definitions.erase(definitions.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}
