#include "Quorvane/records/holdings_extraction.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "Quorvane/records/marc_directory.h"
#include "Quorvane/records/marc_record_assembly.h"

namespace {

constexpr std::string_view kHoldingsTag = "HLD";
constexpr std::string_view kCodes = "abcdefghij";

// The last value of each subfield code a to j in one HLD field.
using HoldingsSubfields = std::array<std::optional<std::string_view>, kCodes.size()>;

HoldingsSubfields subfieldsOf(std::string_view field) {
    HoldingsSubfields subfields;
    std::string_view rest = field.size() > 2 ? field.substr(2) : std::string_view();
    while (!rest.empty()) {
        std::size_t end = rest.find(kMarcSubfieldDelimiter);
        std::string_view piece = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (piece.empty()) continue;
        std::size_t code = kCodes.find(piece.front());
        if (code != std::string_view::npos) subfields[code] = piece.substr(1);
    }
    return subfields;
}

std::optional<std::string_view> subfield(const HoldingsSubfields& subfields, char code) {
    return subfields[kCodes.find(code)];
}

std::unique_ptr<KivInternationalString> text(std::optional<std::string_view> value) {
    if (!value) return nullptr;
    return std::make_unique<KivInternationalString>(KivInternationalString{std::string(*value)});
}

bool beginsWith(std::optional<std::string_view> value, char c) {
    return value && !value->empty() && value->front() == c;
}

KivCircRecord circulationOf(const HoldingsSubfields& s) {
    const auto at = [&](char code) { return subfield(s, code); };
    KivCircRecord circulation;
    circulation.fAvailableNow =
        beginsWith(at('g'), 'N') && beginsWith(at('j'), 'N') && beginsWith(at('i'), 'Y');
    circulation.psAvailabilityDate = text(at('h'));
    if (beginsWith(at('j'), 'Y')) {
        circulation.psRestrictions = text("ON ORDER");
    } else if (beginsWith(at('i'), 'N')) {
        circulation.psRestrictions = text("NOT FOR LOAN");
    }
    circulation.psItemId = text(at('a'));
    circulation.fOnHold = at('f') && !at('f')->empty() && at('f')->front() > '0';
    circulation.psTemporaryLocation = text(at('d'));
    return circulation;
}

std::unique_ptr<KivHoldingsRecord> holdingsOf(std::string_view field) {
    HoldingsSubfields s = subfieldsOf(field);
    const auto at = [&](char code) { return subfield(s, code); };
    auto holdings = std::make_unique<KivHoldingsRecord>();
    holdings->eHoldingsRecType = HRT_HoldingsAndCirc;
    KivHoldingsAndCirc& data = holdings->uMarcOrHoldAndCirc.sHoldingsAndCirc;
    data.psCallNumber = text(at('b'));
    data.psLocalLocation = text(at('c'));
    data.psFormat = text(at('e'));
    constexpr std::string_view kCirculationCodes = "adfghij";
    if (std::any_of(kCirculationCodes.begin(), kCirculationCodes.end(),
                    [&](char code) { return at(code).has_value(); })) {
        data.ppsCircRecord.append(std::make_unique<KivCircRecord>(circulationOf(s)));
    }
    return holdings;
}

}  // namespace

KivArray<KivHoldingsRecord> ExtractHoldings(std::string& record) {
    KivArray<KivHoldingsRecord> holdings;
    std::optional<MarcStructure> structure = ReadMarcStructure(record);
    if (!structure) return holdings;
    std::string directory;
    std::string data;
    for (const MarcDirectoryEntry& entry : structure->entries) {
        std::string_view field =
            std::string_view(record).substr(structure->baseAddress + entry.start, entry.length);
        if (entry.tag == kHoldingsTag) {
            holdings.append(holdingsOf(field.substr(0, field.size() - 1)));
            continue;
        }
        directory += std::string(entry.tag) + MarcNumber(entry.length, 4) + MarcNumber(data.size(), 5);
        data += field;
    }
    if (!holdings) return holdings;
    const std::size_t baseAddress = kMarcLeaderLength + directory.size() + 1;
    std::string rewritten = MarcNumber(baseAddress + data.size() + 1, 5);
    rewritten += record.substr(5, 7);
    rewritten += MarcNumber(baseAddress, 5);
    rewritten += record.substr(17, 7);
    rewritten += directory;
    rewritten += kMarcFieldTerminator;
    rewritten += data;
    rewritten += kMarcRecordTerminator;
    record = std::move(rewritten);
    return holdings;
}
