#include "bench/load_client_queries.h"

#include <charconv>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace {

// Operators nest at most this deep, so that a hostile file cannot exhaust the stack.
constexpr int kMaxDepth = 32;

class QueryParser {
  public:
    explicit QueryParser(std::string_view text) : text_(text) {}

    std::unique_ptr<QueryNode> parseWhole() {
        std::unique_ptr<QueryNode> root = parseOperand(0);
        if (!nextToken().empty()) throw std::runtime_error("text after the query");
        return root;
    }

  private:
    std::string_view text_;
    size_t at_ = 0;

    // The next token: a word, or a quoted text with its quotes removed ("" at the end of the text).
    std::string nextToken() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
        if (at_ == text_.size()) return "";
        if (text_[at_] == '"') {
            size_t close = text_.find('"', at_ + 1);
            if (close == std::string_view::npos) throw std::runtime_error("unclosed quote");
            std::string token(text_.substr(at_ + 1, close - at_ - 1));
            at_ = close + 1;
            if (token.empty()) throw std::runtime_error("empty term");
            return token;
        }
        size_t end = at_;
        while (end < text_.size() && text_[end] != ' ' && text_[end] != '\t') ++end;
        std::string token(text_.substr(at_, end - at_));
        at_ = end;
        return token;
    }

    static int32_t number(std::string_view text) {
        int32_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 0)
            throw std::runtime_error("bad attribute " + std::string(text));
        return value;
    }

    std::unique_ptr<QueryNode> parseOperand(int depth) {
        if (depth > kMaxDepth) throw std::runtime_error("operators nested too deep");
        auto node = std::make_unique<QueryNode>();
        std::string token = nextToken();
        if (token == "@and" || token == "@or" || token == "@not") {
            node->kind = token == "@and" ? QueryNode::Kind::kAnd
                         : token == "@or" ? QueryNode::Kind::kOr
                                          : QueryNode::Kind::kAndNot;
            node->left = parseOperand(depth + 1);
            node->right = parseOperand(depth + 1);
            return node;
        }
        while (token == "@attr") {
            std::string pair = nextToken();
            size_t equals = pair.find('=');
            if (equals == std::string::npos) throw std::runtime_error("bad attribute " + pair);
            node->attributes.emplace_back(number(std::string_view(pair).substr(0, equals)),
                                          number(std::string_view(pair).substr(equals + 1)));
            token = nextToken();
        }
        if (token.empty()) throw std::runtime_error("missing term");
        node->term = std::move(token);
        return node;
    }
};

}  // namespace

std::unique_ptr<QueryNode> parseQuery(const std::string& text) {
    return QueryParser(text).parseWhole();
}

std::unique_ptr<QueryNode> useAttributeQuery(int32_t useAttribute, std::string term) {
    auto node = std::make_unique<QueryNode>();
    node->attributes.emplace_back(1, useAttribute);
    node->term = std::move(term);
    return node;
}

std::vector<LoadQuery> readQueryFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<LoadQuery> queries;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        try {
            queries.push_back(LoadQuery{line, parseQuery(line)});
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": " + error.what());
        }
    }
    if (queries.empty()) throw std::runtime_error(path + " holds no query");
    return queries;
}
