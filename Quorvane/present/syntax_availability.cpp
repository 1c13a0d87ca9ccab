#include "Quorvane/present/syntax_availability.h"

#include <algorithm>
#include <array>

#include "Quorvane/present/record_syntaxes.h"
#include "Quorvane/records/definition_blocks.h"
#include "Quorvane/records/grs1_definitions.h"
#include "Quorvane/records/html_definitions.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_definitions_reader.h"
#include "Quorvane/records/marc_row_definitions_reader.h"
#include "Quorvane/records/sutrs_definitions.h"

namespace {

constexpr std::array<std::string_view, 3> kMarcSyntaxes = {kUsMarcSyntax, kUkMarcSyntax, kOpacPresentSyntax};

bool hasMarcBlock(SessionRecord& session) {
    if (!session.marcDefinitions) {
        session.marcDefinitions = ReadMarcDefinitions(ControlFilePath(session, kMarcDefinitionsFile));
    }
    if (!session.marcHoldingsDefinitions) {
        session.marcHoldingsDefinitions =
            ReadMarcDefinitions2(ControlFilePath(session, kMarcRowDefinitionsFile));
    }
    const std::string database = session.currentDatabase.value_or("");
    return FindMarcBlock(session.marcDefinitions, database) != nullptr ||
           FindMarcBlock2(session.marcHoldingsDefinitions, database) != nullptr;
}

}  // namespace

int IsSyntaxAvailable(std::string_view syntax, SessionRecord& session) {
    bool available = false;
    if (std::find(kMarcSyntaxes.begin(), kMarcSyntaxes.end(), syntax) != kMarcSyntaxes.end()) {
        available = hasMarcBlock(session);
    } else if (syntax == kSutrsRecordSyntax) {
        available = FindSutrsBlock(session) != nullptr;
    } else if (syntax == kGenericRecordSyntax) {
        available = FindGenericBlock(session) != nullptr;
    } else if (IsMarkupSyntax(syntax)) {
        available = FindHtmlBlock(session) != nullptr;
    }
    return available ? 1 : 0;
}
