#pragma once
// The MARC record definitions of marcdef.tblx (tag rules) and marcdef2.tblx (row mapping), kept with the
// association once read (SessionRecord::marcDefinitions and marcHoldingsDefinitions).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"
#include "Quorvane/config/database_blocks.h"
#include "Quorvane/database/holdings_columns.h"
#include "Quorvane/database/spill_over.h"
#include "Quorvane/records/marc_rows.h"

// The label with which a tag rule continues the open field instead of starting a new one.
inline constexpr std::string_view kConcatenateLabel = "XXCONCATENATEXX";
// The routine name that means "no routine".
inline constexpr std::string_view kNoRoutine = "NULL";

enum class MarcBlockKind {
    TagRules,  // the record is built from the block's rules (marcdef.tblx) or rows (marcdef2.tblx)
    Raw,       // the record is the value of one column that holds a complete MARC record
};

// "XXLEADERXX": where the leader's type letters come from.
struct MarcLeaderDef {
    std::string field;  // a column name or a literal
    bool fromColumn = false;
    std::string routine;  // leader routine; kNoRoutine for none
};

// One tag rule of marcdef.tblx.
struct MarcRule {
    std::string tag;
    std::int32_t order = 0;                   // concatenation order: read, not used
    std::optional<std::string> subfieldCode;  // none for "NULL"
    std::optional<std::string> indicator;     // a column name or a literal; none for "NULL"
    bool indicatorFromColumn = false;
    std::string label;  // kConcatenateLabel continues the open field; any other text starts a new one
    std::string field;  // a column name or a literal
    bool fieldFromColumn = false;
    std::string routine;  // field routine; kNoRoutine for none
    std::vector<RowCondition> conditions;
};

// A block of marcdef.tblx.
struct MarcBlock {
    MarcBlockKind kind = MarcBlockKind::TagRules;
    std::optional<MarcLeaderDef> leader;
    std::string rawColumn;               // Raw blocks
    std::vector<std::string> databases;  // upper-cased
    std::vector<MarcRule> rules;         // file order
};

// A block of marcdef2.tblx: the columns that hold, row by row, a record's tags, indicators, subfield
// codes and data, and the library columns of its OPAC holdings. Column names are upper-cased.
struct MarcBlock2 {
    MarcBlockKind kind = MarcBlockKind::TagRules;  // kept from the file; the builder maps rows either way
    std::optional<MarcLeaderDef> leader;           // kept from the file, not used in building
    std::string rawColumn;
    std::vector<std::string> databases;  // upper-cased
    std::optional<std::string> marcOid;  // "MARCOID": the record syntax its records are sent under
    std::optional<std::string> tagNo;
    std::optional<std::string> indice;   // both indicators
    std::optional<std::string> indice1;  // first indicator
    std::optional<std::string> indice2;  // second indicator
    std::optional<std::string> subfield;
    std::optional<std::string> data;
    std::optional<std::string> complete;  // kept, not used in building
    std::optional<std::string> extraNo;
    std::optional<std::string> sameField;
    std::optional<std::string> spillOver;  // SQL statement fetching the spill-over text for EXTRANO
    std::optional<std::string> charConv;   // kept, not used in building
    // The library column of each holdings keyword (kHoldingsKeywords order: subfield a to j).
    std::array<std::optional<std::string>, kHoldingsKeywordCount> holdings;
    std::string dataRoutine = std::string(kNoRoutine);
    std::string subfieldRoutine = std::string(kNoRoutine);
    std::string indiceRoutine = std::string(kNoRoutine);
};

// The block listing the database (compared ignoring case), else the block listing DEFAULT; nullptr
// when neither exists or the blocks are absent.
const MarcBlock* FindMarcBlock(const DefinitionBlocks<MarcBlock>& blocks, std::string_view database);
const MarcBlock2* FindMarcBlock2(const DefinitionBlocks<MarcBlock2>& blocks, std::string_view database);

// The holdings columns of the block (for the holdings statement of an OPAC Present); empty names for
// the columns the block does not name.
HoldingsColumns MarcHoldingsColumns(const MarcBlock2& block);

// The spill-over columns of the block; none unless it names both EXTRANO and SPILLOVER.
std::optional<SpillOverColumns> MarcSpillOverColumns(const MarcBlock2& block);
