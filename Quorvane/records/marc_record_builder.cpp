#include "Quorvane/records/marc_record_builder.h"

#include <optional>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/records/marc_build_state.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_directory.h"
#include "Quorvane/records/marc_row_mapping.h"
#include "Quorvane/records/marc_rows.h"
#include "Quorvane/records/marc_source_charset.h"
#include "Quorvane/records/marc_tag_rules.h"

namespace {

MarcBuildResult refused(std::uint32_t condition, std::string info) {
    return MarcBuildResult{"", Bib1Outcome::failure(condition), std::move(info), std::nullopt, {}};
}

MarcBuildResult storedRecord(const MarcBlock& block, const FieldRows& rows) {
    const RecordField* field = rows.empty() ? nullptr : FindRowField(rows.front(), block.rawColumn);
    if (field == nullptr || !field->value) {
        return refused(kConditionNoDataInSyntax, "No MARC record stored for this record");
    }
    if (!ReadMarcStructure(*field->value)) {
        LogMessage("Stored MARC record in column " + block.rawColumn + " is not a sound ISO 2709 record");
        return refused(kConditionMalformedRecord, "Stored MARC record is malformed");
    }
    return MarcBuildResult{*field->value, {}, "", std::nullopt, {}};
}

MarcBuildState newState() {
    MarcBuildState state;
    state.charset = ReadMarcSourceCharset();
    state.imageLocation = [] { return GetIniStringRequired("ImageFiles", "pcImageFilesLocation"); };
    return state;
}

MarcBuildResult assembled(const MarcBuildState& state, std::string_view typeLetters) {
    std::optional<std::string> record = AssembleMarcRecord(state.parts, typeLetters, state.storedLeader);
    if (!record) return refused(kConditionRecordTooLong, "MARC record exceeds 99999 octets");
    return MarcBuildResult{std::move(*record), {}, "", std::nullopt, {}};
}

}  // namespace

MarcBuildResult BuildMarcRecord(PresentCacheEntry& entry, SessionRecord& session) {
    FieldRows rows = GroupRows(entry.fields, true);
    const std::string database = session.currentDatabase.value_or("");

    if (const MarcBlock* block = FindMarcBlock(session.marcDefinitions, database)) {
        if (block->kind == MarcBlockKind::Raw) return storedRecord(*block, rows);
        MarcBuildState state = newState();
        for (const MarcRule& rule : block->rules) ApplyMarcRule(state, rule, rows, session.cacheFormat != 0);
        AddMarcField(state.parts, state.fieldText, state.currentTag);
        return assembled(state, MarcLeaderTypeLetters(*block, rows));
    }

    const MarcBlock2* block = FindMarcBlock2(session.marcHoldingsDefinitions, database);
    if (block == nullptr)
        return refused(kConditionNoDataInSyntax, "No MARC definition for database " + database);
    std::optional<SpillOverColumns> spillOver = MarcSpillOverColumns(*block);
    MarcBuildState state = newState();
    Bib1Outcome spillOverOutcome;
    for (const FieldRow& row : rows) {
        spillOverOutcome.keepFailure(
            ApplyMarcRow(state, *block, row, spillOver ? &*spillOver : nullptr, session));
    }
    AddMarcField(state.parts, state.fieldText, state.currentTag);
    MarcBuildResult built = assembled(state, "nam");
    if (built.refusal) built.syntax = block->marcOid;
    built.spillOver = spillOverOutcome;
    return built;
}

std::optional<std::vector<std::string>> MarcColumnsRead(const SessionRecord& session) {
    const std::string database = session.currentDatabase.value_or("");
    if (FindMarcBlock(session.marcDefinitions, database) != nullptr) return std::nullopt;
    const MarcBlock2* block = FindMarcBlock2(session.marcHoldingsDefinitions, database);
    if (block == nullptr) return std::nullopt;
    return MarcRowColumns(*block);
}
