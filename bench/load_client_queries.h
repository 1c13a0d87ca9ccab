#pragma once
// Queries of a load run in prefix notation, one per line of a query file:
//   @attr 1=4 @attr 4=2 history
//   @and @attr 1=1003 smith @attr 1=4 "river house"
// Operators @and, @or and @not take two operands; @attr TYPE=VALUE attributes (bib-1, numeric) apply to
// the term that follows them; a term is a word or a double-quoted text. Empty lines and lines beginning
// with # are skipped.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct QueryNode {
    enum class Kind { kTerm, kAnd, kOr, kAndNot };
    Kind kind = Kind::kTerm;
    std::vector<std::pair<int32_t, int32_t>> attributes;  // (type, value) of a term
    std::string term;
    std::unique_ptr<QueryNode> left, right;  // operands of an operator
};

struct LoadQuery {
    std::string text;  // the line as written
    std::unique_ptr<QueryNode> root;
};

// Parses one query; throws std::runtime_error naming the fault.
std::unique_ptr<QueryNode> parseQuery(const std::string& text);

// The one-term query that the load client sends without a query file.
std::unique_ptr<QueryNode> useAttributeQuery(int32_t useAttribute, std::string term);

// Every query of a file; throws std::runtime_error with the line number of a fault, or when the file cannot
// be read or holds no query.
std::vector<LoadQuery> readQueryFile(const std::string& path);
