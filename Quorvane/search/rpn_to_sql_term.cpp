#include "Quorvane/search/rpn_to_sql_term.h"

#include <string_view>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/rpn_to_sql_words.h"
#include "Quorvane/text/stemmer.h"
#include "Quorvane/text/term_routines.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr uint32_t kRelationType = 2;
constexpr uint32_t kStructureType = 4;
constexpr uint32_t kTruncationType = 5;
constexpr int32_t kRelationStem = 101;
constexpr int32_t kStructureWordChain = 6;
constexpr int32_t kTruncationRight = 1;
constexpr int32_t kTruncationLeft = 2;
constexpr int32_t kTruncationBoth = 3;
constexpr int32_t kTruncationNone = 100;
constexpr int32_t kUseIsbn = 7;
constexpr const char* kComplexSubstitute = "XXCOMPLEXSUBSTITUTEXX";

const char* relationOperator(int32_t relation) {
    switch (relation) {
        case 1:
        case 14:
            return " < ";
        case 2:
        case 15:
            return " <= ";
        case 4:
        case 17:
            return " >= ";
        case 5:
        case 18:
            return " > ";
        case 6:
            return " != ";
        default:
            return " = ";
    }
}

// A decimal number: optional sign, digits, optionally '.' and digits, with white space around it. The
// number without that white space; none for anything else.
std::optional<std::string> parseNumber(std::string_view text) {
    while (!text.empty() && octet::isWhite(text.front())) text.remove_prefix(1);
    while (!text.empty() && octet::isWhite(text.back())) text.remove_suffix(1);
    size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    auto digits = [&] {
        size_t start = i;
        while (i < text.size() && octet::isDigit(text[i])) ++i;
        return i > start;
    };
    if (!digits()) return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits()) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return std::string(text);
}

SqlText wordChain(const std::string& value, const AttributeMapping& mapping) {
    std::vector<std::string> words = CutChainWords(value);
    std::string_view joiner = mapping.phraseSplit == kPhraseSplitOr ? "%' OR  " : "%' AND  ";
    std::string_view column = mapping.complex ? kComplexSubstitute : std::string_view(mapping.sqlText);
    SqlText chain("LIKE '%");
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) chain.append(joiner).append(column).append(" LIKE '%");
        chain.append(SqlText::clientLiteral(words[i]));
    }
    return chain.append("%'");
}

// Cuts the value to at most limit octets; in UTF-8 text the cut falls between characters, so the database
// never receives half a character (PostgreSQL refuses the whole statement then).
void truncateTerm(std::string& value, size_t limit, SourceCharset charset) {
    if (value.size() <= limit) return;
    if (charset == SourceCharset::Utf8) {
        while (limit > 0 && (static_cast<unsigned char>(value[limit]) & 0xC0) == 0x80) --limit;
    }
    value.resize(limit);
}

SqlText quoted(std::string_view before, const std::string& value, std::string_view after) {
    return SqlText(before).append(SqlText::clientLiteral(value)).append(after);
}

SqlText textCondition(std::string value, const AttributeMapping& mapping,
                      const KivArray<KivAttributeElement>& elements, SourceCharset charset) {
    if (mapping.useValue == kUseIsbn) std::erase_if(value, [](char c) { return !octet::isAlnum(c); });
    if (mapping.maximumTermLength > 0) {
        truncateTerm(value, static_cast<size_t>(mapping.maximumTermLength), charset);
    }
    if (StructureValue(elements, mapping) == kStructureWordChain &&
        mapping.sqlText.find(".*") == std::string::npos) {
        return wordChain(value, mapping);
    }
    int32_t truncation = TruncationValue(elements, mapping);
    if (truncation == kTruncationBoth || truncation == kTruncationLeft) return quoted("LIKE '%", value, "%'");
    if (truncation == kTruncationRight) return quoted("LIKE '", value, "%'");
    if (mapping.paddingWidth > 0 && value.size() < static_cast<size_t>(mapping.paddingWidth)) {
        value.resize(static_cast<size_t>(mapping.paddingWidth), ' ');
    }
    return quoted("= '", value, "'");
}

}  // namespace

std::optional<int32_t> FirstNumericAttribute(const KivArray<KivAttributeElement>& elements, uint32_t type) {
    for (const KivAttributeElement& element : elements) {
        if (element.ulAttributeType == type && element.sAttributeValue.eAttributeValueType == 1) {
            return static_cast<int32_t>(element.sAttributeValue.uAttributeValue.ulNumeric);
        }
    }
    return std::nullopt;
}

int32_t RelationValue(const KivArray<KivAttributeElement>& elements) {
    return FirstNumericAttribute(elements, kRelationType).value_or(3);
}

int32_t StructureValue(const KivArray<KivAttributeElement>& elements, const AttributeMapping& mapping) {
    if (mapping.wordList) return 1;
    if (!mapping.phraseSplitOverride) {
        if (std::optional<int32_t> structure = FirstNumericAttribute(elements, kStructureType))
            return *structure;
    }
    return mapping.phraseSplit == kPhraseSplitNone ? 1 : kStructureWordChain;
}

int32_t TruncationValue(const KivArray<KivAttributeElement>& elements, const AttributeMapping& mapping) {
    if (!mapping.truncationOverride) {
        for (const KivAttributeElement& element : elements) {
            if (element.ulAttributeType != kTruncationType ||
                element.sAttributeValue.eAttributeValueType != 1) {
                continue;
            }
            switch (static_cast<int32_t>(element.sAttributeValue.uAttributeValue.ulNumeric)) {
                case kTruncationRight:
                    return mapping.leftTruncation ? kTruncationBoth : kTruncationRight;
                case kTruncationLeft:
                    return mapping.rightTruncation ? kTruncationBoth : kTruncationLeft;
                case kTruncationBoth:
                    return kTruncationBoth;
                case kTruncationNone:
                    return kTruncationNone;
                default:
                    break;
            }
        }
    }
    if (mapping.rightTruncation && mapping.leftTruncation) return kTruncationBoth;
    if (mapping.rightTruncation) return kTruncationRight;
    if (mapping.leftTruncation) return kTruncationLeft;
    return kTruncationNone;
}

Bib1Result<SqlText> TermToSqlCondition(const OperandTerm& term, const AttributeMapping& mapping,
                                       const KivArray<KivAttributeElement>& elements,
                                       const SearchSettings& settings) {
    static const std::vector<std::string> kNoStopWords;
    std::string text = term.text;
    if (mapping.termRoutine) {
        const std::vector<std::string>& stopWords =
            settings.phraseStopWords != nullptr ? *settings.phraseStopWords : kNoStopWords;
        text = ApplyTermRoutine(text, *mapping.termRoutine, stopWords, settings.charset);
    }
    if (mapping.stem && (mapping.alwaysStem || RelationValue(elements) == kRelationStem)) StemPhrase(text);
    if (mapping.raw || mapping.wordList) return SqlText::clientLiteral(text);
    if (mapping.number) {
        std::optional<std::string> number = parseNumber(text);
        if (!number) return Bib1Outcome::failure(kConditionMalformedTerm);
        return SqlText(relationOperator(RelationValue(elements))).append(*number);
    }
    if (mapping.date) {
        std::optional<DateParts> date =
            term.kind == kTermKindDate && term.date ? term.date : ParseDateTerm(text);
        if (!date) return Bib1Outcome::failure(kConditionMalformedTerm);
        std::string literal = FormatDateLiteral(*date, settings.dateLiteral);
        return SqlText(relationOperator(RelationValue(elements))).append(literal);
    }
    return textCondition(std::move(text), mapping, elements, settings.charset);
}
