#include "Quorvane/records/grs1_definitions.h"

#include <optional>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/records/definition_blocks.h"
#include "Quorvane/records/grs1_values.h"
#include "Quorvane/records/marc_definition_file.h"
#include "Quorvane/records/marc_definitions.h"
#include "toolkit/util/table_file.h"

namespace {

constexpr const char* kNoDatabases = "No database entries in file genericdef.tblx";
constexpr const char* kNoDefinitions = "No definitions in file genericdef.tblx";
constexpr std::size_t kLeastFields = 5;
constexpr std::size_t kRoutineField = 5;  // 0-based
constexpr std::size_t kVariantField = 6;  // 0-based, then three more
constexpr std::string_view kRoutinePrefix = "ROUTINE";

GenericContentType contentTypeOf(std::string_view word) {
    if (word == "STRING") return GenericContentType::String;
    if (word == "OCTETS") return GenericContentType::Octets;
    if (word == "NUMERIC") return GenericContentType::Numeric;
    if (word == "DATE") return GenericContentType::Date;
    if (word == "BOOL") return GenericContentType::Bool;
    if (word == "OID") return GenericContentType::Oid;
    if (word == "SUBTREE") return GenericContentType::Subtree;
    return GenericContentType::NotThere;
}

std::vector<GenericDefinition> parseDefinitions(const std::vector<std::string>& texts) {
    std::vector<GenericDefinition> definitions;
    for (const std::string& text : texts) {
        std::optional<GenericDefinition> definition = ParseGenericDefinition(text);
        if (definition) {
            definitions.push_back(std::move(*definition));
        } else {
            ReportControlFileProblem("Error in definition " + text + " in file genericdef.tblx");
        }
    }
    return definitions;
}

}  // namespace

std::optional<GenericDefinition> ParseGenericDefinition(std::string_view text) {
    const std::vector<std::string_view> fields = SplitAt(text, '|');
    if (fields.size() < kLeastFields) return std::nullopt;
    GenericDefinition definition;
    definition.text = text;
    definition.parentId = fields[0];
    const std::optional<std::uint32_t> tagType = ParseDecimal(fields[1]);
    if (!tagType) return std::nullopt;
    definition.tagType = *tagType;
    definition.tagValue = fields[2];
    definition.numericTagValue = ParseDecimal(fields[2]);
    definition.contentType = contentTypeOf(fields[3]);
    definition.content = fields[4];
    definition.routine = kNoRoutine;
    if (fields.size() > kRoutineField && fields[kRoutineField].starts_with(kRoutinePrefix)) {
        definition.routine = fields[kRoutineField];
    }
    if (fields.size() > kVariantField) {
        if (fields.size() < kVariantField + 4) return std::nullopt;
        const std::optional<std::uint32_t> variantClass = ParseDecimal(fields[kVariantField + 1]);
        const std::optional<std::uint32_t> variantType = ParseDecimal(fields[kVariantField + 2]);
        if (!IsDottedOid(fields[kVariantField]) || !variantClass || !variantType) return std::nullopt;
        definition.variant = GenericVariant{std::string(fields[kVariantField]), *variantClass, *variantType,
                                            std::string(fields[kVariantField + 3])};
    }
    return definition;
}

void ReadGenericDefinitions(const std::string& path, SessionRecord& session) {
    OwnedTblFile file = OpenControlFile(path);
    if (file == nullptr) return;
    ConfigProblemWatch watch;
    std::vector<GenericBlock> blocks;
    std::optional<GenericBlock> block;  // its database record read, its definitions not yet
    bool anyRecord = false;
    ControlRecordRead read;
    while ((read = ReadDefinitionRecord(file.get(), path)) == ControlRecordRead::Record) {
        anyRecord = true;
        if (!block) {
            block.emplace();
            block->databases = ReadControlTexts(file.get(), kNoDatabases, false);
            if (block->databases.empty()) ReportControlFileProblem(kNoDatabases);
            continue;
        }
        const std::vector<std::string> texts = ReadControlTexts(file.get(), kNoDefinitions, false);
        if (texts.empty()) ReportControlFileProblem(kNoDefinitions);
        block->definitions = parseDefinitions(texts);
        blocks.push_back(std::move(*block));
        block.reset();
    }
    if (read == ControlRecordRead::End && (!anyRecord || block)) ReportControlFileProblem("Error in file " + path);
    if (DefinitionBlocks<GenericBlock> definitions = FinishDefinitionBlocks(std::move(blocks), watch)) {
        session.grs1Definitions = std::move(definitions);
    }
}

const GenericBlock* FindGenericBlock(SessionRecord& session) {
    if (!session.grs1Definitions)
        ReadGenericDefinitions(ControlFilePath(session, kGenericDefinitionsFile), session);
    return FindDatabaseBlock(session.grs1Definitions, &GenericBlock::databases, session.currentDatabase);
}
