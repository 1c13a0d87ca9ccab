#pragma once
// The state of one MARC record build, shared by the tag-rule and row-mapping steps. It belongs to the
// record being built and starts empty for each record.

#include <optional>
#include <string>

#include "Quorvane/records/marc_record_assembly.h"
#include "Quorvane/text/field_routines.h"
#include "Quorvane/text/source_charset.h"

struct MarcBuildState {
    MarcRecordParts parts;
    std::string fieldText;   // the open field
    std::string currentTag;  // the tag the open field closes under
    SourceCharset charset = SourceCharset::Windows1252;
    ImageLocationReader imageLocation;

    // Tag rules: indicators kept from a rule that gave no value, for the rule that continues its field;
    // the used mark is clear while they wait.
    std::optional<std::string> rememberedIndicators;
    bool usedMark = false;

    // Row mapping: the subfield codes of the open field, the previous row's tag and same-field key, and
    // the leader stored by a row of tag 000.
    std::string openFieldCodes;
    std::optional<std::string> previousTag;
    std::optional<std::string> previousSameFieldKey;
    std::optional<std::string> storedLeader;
};
