#pragma once
// relrank.tblx: the relevance-ranking statements. Each record holds a reference number (an attribute
// mapping's relevance reference names it), the frequency statement (run once per keyword, with
// "XXKEYWORDXX" for the keyword) and the main statement (with "XXKEYWORDSXX" for the keyword list and
// "XXNORMXX" for the normalising factor).

#include <cstdint>
#include <optional>
#include <string>

inline constexpr const char* kRelevanceFileName = "relrank.tblx";

struct RelevanceDefinition {
    std::int32_t reference = 0;
    std::string frequencyStatement;
    std::string mainStatement;
};

// The first record of relrank.tblx in the control-files directory (the bare name when the directory is
// empty) whose reference is the number. Nothing when the file cannot be opened (log: "Could not open file
// <path>") or holds no such record (log: "Relevance rank mapping missing"). Missing values are reported
// with "No relevance rank ref in relrank.tblx", "No relevance frequency query in relrank.tblx" and "No main
// relevance query in relrank.tblx".
std::optional<RelevanceDefinition> FindRelevanceDefinition(const std::string& controlFilesDir,
                                                           std::int32_t reference);
