#include "Quorvane/search/rpn_to_sql_statement.h"

#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/from_part.h"
#include "Quorvane/search/rpn_to_sql_words.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr std::string_view kTermPlaceholder = "XXTERMXX";
constexpr std::string_view kFirstWordPlaceholder = "XXTERMXX1";
constexpr std::string_view kComplexSubstitute = "XXCOMPLEXSUBSTITUTEXX";

size_t countOf(std::string_view text, std::string_view pattern) {
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::string_view::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

std::vector<SqlText> splitAtWhiteSpace(const SqlText& text) {
    std::vector<SqlText> words;
    const std::string& octets = text.text();
    size_t start = 0;
    while (start < octets.size()) {
        while (start < octets.size() && octet::isWhite(octets[start])) ++start;
        size_t end = start;
        while (end < octets.size() && !octet::isWhite(octets[end])) ++end;
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

// "SELECT <key><secondary columns> FROM <from>".
SqlText selectFrom(const KeyDefinition& key, std::string_view from) {
    SqlText select("SELECT ");
    select.append(key.keyText);
    for (const SecondaryColumn& secondary : key.secondaryColumns)
        select.append(", ").append(secondary.column);
    return select.append(" FROM ").append(from);
}

SqlText selectFrom(const KeyDefinition& key, const AttributeMapping& mapping) {
    return selectFrom(key, mapping.fromPart);
}

// Every key of the term "*": from the from-part's first table only, as a from-part that lists several
// tables for its word joins would otherwise be read as their cross product.
SqlText selectEveryKey(const KeyDefinition& key, const AttributeMapping& mapping) {
    std::string_view from(mapping.fromPart);
    return selectFrom(key, from.substr(0, from.find(',')));
}

// The words an alternative is chosen by: the operator-and-value text without its operator and without
// the quotes around the value, or the operator and the value as one word when the value is one token.
std::vector<SqlText> alternativeWords(const SqlText& value) {
    std::vector<SqlText> tokens = splitAtWhiteSpace(value);
    if (tokens.empty()) return tokens;
    if (tokens.size() == 2) return {SqlText().append(tokens[0]).append(" ").append(tokens[1])};
    std::vector<SqlText> words(tokens.begin() + 1, tokens.end());
    if (words.empty()) return words;
    if (words.front().text().starts_with('\'')) words.front() = words.front().substr(1);
    SqlText& last = words.back();
    if (last.text().ends_with('\'')) {
        last = last.substr(0, last.size() - 1);
        if (last.text().ends_with('%')) last = last.substr(0, last.size() - 1);
    }
    return words;
}

// A WORDLIST word with its truncation: = 'w' for words of one or two characters, else like 'w%',
// like '%w' or like '%w%'.
SqlText truncatedWord(const SqlText& word, int32_t truncation) {
    if (word.size() <= 2) return SqlText("= '").append(word).append("'");
    SqlText written(truncation == 1 ? "like '" : "like '%");
    written.append(word);
    return written.append(truncation == 2 ? "'" : "%'");
}

// Replaces each XXTERMXX<n> (not followed by a further digit) by the n-th word.
void replaceNumberedPlaceholders(SqlText& text, const std::vector<SqlText>& words) {
    for (size_t n = 1; n <= words.size(); ++n) {
        std::string placeholder = std::string(kTermPlaceholder) + std::to_string(n);
        const SqlText& word = words[n - 1];
        size_t at = text.findServer(placeholder);
        while (at != SqlText::npos) {
            size_t end = at + placeholder.size();
            if (end < text.size() && octet::isDigit(text.text()[end])) {
                at = text.findServer(placeholder, end);
                continue;
            }
            text.replace(at, placeholder.size(), word);
            at = text.findServer(placeholder, at + word.size());
        }
    }
}

// The template's words (cut as for a word chain) each followed by a blank, the operator-and-value text in
// place of XXTERMXX with the word before it (the column) in place of every XXCOMPLEXSUBSTITUTEXX.
SqlText substituteColumn(const std::string& templateText, const SqlText& value) {
    SqlText result(!templateText.empty() && templateText.front() == ' ' ? " " : "");
    std::string column;
    for (const std::string& word : CutChainWords(templateText)) {
        if (word != kTermPlaceholder) {
            result.append(word).append(" ");
            column = word;
            continue;
        }
        result.append(value).append(" ");
        result.replaceServer(kComplexSubstitute, SqlText(column));
    }
    if (result.text().ends_with(' ')) result = result.substr(0, result.size() - 1);
    return result;
}

std::optional<SqlText> complexStatement(const SearchDefinition& definition, const AttributeMapping& mapping,
                                        const KeyDefinition& key, const SqlText& value,
                                        const KivArray<KivAttributeElement>& elements) {
    std::string templateText = mapping.sqlText;
    std::vector<SqlText> words;
    auto dropStopWords = [&definition](std::vector<SqlText>& candidates) {
        DropStopWords(candidates, definition.stopWords, [](const SqlText& word, const std::string& bare) {
            return word.text() == EscapeSqlLiteral(bare);
        });
    };
    if (mapping.alternatives.empty()) {
        if (templateText.find(kFirstWordPlaceholder) != std::string::npos) {
            words = splitAtWhiteSpace(value);
            dropStopWords(words);
        }
    } else {
        // A stop word is in no index, so it is left out here as it is from the word count; a word left
        // alone is compared whole, as a one-word term is.
        words = alternativeWords(value);
        const size_t written = words.size();
        dropStopWords(words);
        if (written > 1 && words.size() == 1) words.front() = SqlText("= '").append(words.front()).append("'");
        const std::string* chosen = nullptr;
        for (const std::string& alternative : mapping.alternatives) {
            if (countOf(alternative, kTermPlaceholder) == words.size()) {
                chosen = &alternative;
                break;
            }
        }
        if (chosen == nullptr) return std::nullopt;
        templateText = *chosen;
    }
    if (mapping.wordList) {
        int32_t truncation = TruncationValue(elements, mapping);
        if (truncation >= 1 && truncation <= 3) {
            for (SqlText& word : words) word = truncatedWord(word, truncation);
        }
    }
    SqlText substituted(templateText);
    if (templateText.find(kFirstWordPlaceholder) != std::string::npos) {
        replaceNumberedPlaceholders(substituted, words);
    } else if (value.findServer(kComplexSubstitute) != SqlText::npos) {
        substituted = substituteColumn(templateText, value);
    } else {
        substituted.replaceServer(kTermPlaceholder, value);
    }
    if (mapping.fromPart.empty()) return substituted;
    // The select list names tables too: a secondary column may come from a table the condition leaves alone.
    SqlText named = selectFrom(key, "");
    named.append(" ").append(substituted);
    return selectFrom(key, FromPartNamedBy(mapping.fromPart, named.text()))
        .append(" WHERE ")
        .append(substituted);
}

}  // namespace

Bib1Result<std::string> BuildOperandSql(const SearchDefinition& definition, const AttributeMapping& mapping,
                                        const KeyDefinition& key, const OperandTerm& term,
                                        const KivArray<KivAttributeElement>& elements,
                                        const SearchSettings& settings) {
    if (term.text == "*") return selectEveryKey(key, mapping).text();
    Bib1Result<SqlText> condition = TermToSqlCondition(term, mapping, elements, settings);
    if (!condition) return condition.outcome();
    const SqlText& value = *condition;

    SqlText statement;
    if (mapping.sqlText.find(".*") != std::string::npos) {
        SqlText anyOr(definition.anyOrText);
        anyOr.replaceServer(kTermPlaceholder, value);
        statement = selectFrom(key, mapping).append(" WHERE").append(anyOr);
    } else if (!mapping.complex) {
        statement =
            selectFrom(key, mapping).append(" WHERE ").append(mapping.sqlText).append(" ").append(value);
    } else {
        std::optional<SqlText> complex = complexStatement(definition, mapping, key, value, elements);
        if (!complex) return Bib1Outcome::failure(kConditionTooManyWords);
        statement = std::move(*complex);
    }
    if (settings.likeBackslashEscape) statement = DoubleLikeBackslashes(statement);
    if (!ClientTextConfined(statement)) return Bib1Outcome::failure(kConditionMalformedTerm);
    return statement.text();
}
