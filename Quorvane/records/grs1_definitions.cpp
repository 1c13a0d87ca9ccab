#include "Quorvane/records/grs1_definitions.h"

#include <memory>

#include "Quorvane/config/config_problems.h"
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

void freeGenericBlock(void* datum) {
    delete static_cast<GenericBlock*>(datum);
}

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

// The values of one record, read as optional strings (a mistyped value logs the message).
std::vector<std::string> readTexts(TblFile* file, const char* message) {
    std::vector<std::string> texts;
    while (std::optional<std::string> text = ReadControlToken(file, message, false)) {
        texts.push_back(std::move(*text));
    }
    return texts;
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
    OwnedDblList blocks(ListCreate(freeGenericBlock));
    std::unique_ptr<GenericBlock> block;  // its database record read, its definitions not yet
    bool anyRecord = false;
    ControlRecordRead read;
    while ((read = ReadMarcDefinitionRecord(file.get(), path)) == ControlRecordRead::Record) {
        anyRecord = true;
        if (!block) {
            block = std::make_unique<GenericBlock>();
            block->databases = readTexts(file.get(), kNoDatabases);
            if (block->databases.empty()) ReportControlFileProblem(kNoDatabases);
            continue;
        }
        const std::vector<std::string> texts = readTexts(file.get(), kNoDefinitions);
        if (texts.empty()) ReportControlFileProblem(kNoDefinitions);
        block->definitions = parseDefinitions(texts);
        ListInsert(blocks.get(), block.release());
    }
    if (read == ControlRecordRead::End && (!anyRecord || block)) ReportControlFileProblem("Error in file " + path);
    if (OwnedDblList definitions = FinishMarcDefinitions(std::move(blocks), watch)) {
        session.grs1Definitions = std::move(definitions);
    }
}

const GenericBlock* FindGenericBlock(SessionRecord& session) {
    if (!session.grs1Definitions)
        ReadGenericDefinitions(ControlFilePath(session, kGenericDefinitionsFile), session);
    return FindDatabaseBlock<GenericBlock>(session.grs1Definitions.get(), session.currentDatabase);
}
