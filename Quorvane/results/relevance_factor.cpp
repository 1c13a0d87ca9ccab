#include "Quorvane/results/relevance_factor.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/text/stemmer.h"

std::vector<std::string> RelevanceKeywords(std::string_view term) {
    std::vector<std::string> keywords(1);
    for (char c : term) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            keywords.emplace_back();
        } else {
            keywords.back().push_back(c);
        }
    }
    for (std::string& keyword : keywords) StemWord(keyword);
    return keywords;
}

std::string RelevanceKeywordList(const std::vector<std::string>& keywords) {
    std::string list;
    for (const std::string& keyword : keywords) {
        if (!list.empty()) list += ',';
        list += "'" + DoubleQuotes(keyword) + "'";
    }
    return list;
}

std::string RelevanceFactor(const std::vector<std::uint64_t>& frequencies) {
    double sum = 0;
    for (std::uint64_t frequency : frequencies) {
        if (frequency != 0) sum += 1.0 / std::log(1.0 + static_cast<double>(frequency));
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", sum == 0 ? 0.0 : 100.0 / sum);
    return text;
}
