#include "Quorvane/search/search_definitions_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/server/search/rpn_builder.h"
#include "tests/server/search/search_file_fixture.h"

namespace {

class SearchDefinitionsLookup : public SearchFileTest {};

std::string block(const std::string& databases, const std::string& sets, const std::string& key) {
    return "DATABASES," + databases + ";\nSETS," + sets + ";\nINDIVIDUAL;\nC,1;\nKEYS,\"" + key +
           "\",NUMERIC;\nSTOPWORDS;\nATTRIBUTES;\n";
}

struct DefinitionCase {
    const char* set;
    const char* database;
    int answer;   // index of the answering block, -1 for none
    int current;  // index of the current block afterwards, -1 for none
    Bib1Condition condition;
};

TEST_F(SearchDefinitionsLookup, FindSearchDefinitionTable) {
    const DefinitionBlocks<SearchDefinition>* list =
        load(block("\"DEFAULT\",\"CAT\"", "\"1.2.840.10003.3.1\"", "A.K") +
             block("\"LATER\"", "\"1.2.840.10003.3.1\"", "B.K") +
             block("\"OWN\"", "\"1.2.3\",\"1.2.840.10003.3.1\"", "C.K") +
             block("\"OWN\",\"DEFAULT\"", "\"1.2.3\"", "D.K"));
    ASSERT_NE(list, nullptr);
    const DefinitionCase cases[] = {
        // The first block of the set lists DEFAULT: it serves every name, also one a later block lists.
        {"1.2.840.10003.3.1", "CAT", 0, 0, 0},
        {"1.2.840.10003.3.1", "LATER", 0, 0, 0},
        {"1.2.840.10003.3.1", "test", 0, 0, 0},
        // The first block of 1.2.3 lists neither the name nor DEFAULT: a later block that lists the name.
        {"1.2.3", "OWN", 2, 2, 0},
        // A later block's DEFAULT does not count.
        {"1.2.3", "ELSEWHERE", -1, 2, 235},
        {"1.2.4", "CAT", -1, -1, 123},
        {"1.2.840.10003.3", "CAT", -1, -1, 123},
    };
    std::vector<const SearchDefinition*> blocks;
    for (int i = 0; i < 4; ++i) blocks.push_back(&definition(i));
    auto at = [&](int index) { return index < 0 ? nullptr : blocks[static_cast<size_t>(index)]; };
    for (const DefinitionCase& c : cases) {
        SCOPED_TRACE(std::string(c.set) + " " + c.database);
        DefinitionLookup lookup = FindSearchDefinition(*list, c.set, c.database);
        EXPECT_EQ(lookup.definition, at(c.answer));
        EXPECT_EQ(lookup.current, at(c.current));
        EXPECT_EQ(lookup.outcome.condition(), c.condition);
    }
    EXPECT_EQ(FindSearchDefinition(std::nullopt, kBib1AttributeSet, "CAT").outcome.condition(), 123u);
}

struct MatchCase {
    const char* mapping;  // the mapping's first value and term word
    AttributeCombination request;
    int32_t wordCount;
    bool matches;
};

TEST_F(SearchDefinitionsLookup, MatchAttributeMappingTable) {
    const MatchCase cases[] = {
        {"4,\"T.C\",TRUE", {4, 3, 3, 1, 100, 1}, 1, true},
        {"4,\"T.C\",TRUE", {5, 0, 0, 0, 0, 0}, 1, false},
        {"\"4,0,0,0,0,0\",\"T.C\",TRUE", {4, 0, 3, 0, 0, 0}, 1, true},
        {"\"4,0,3,0,0,0\",\"T.C\",TRUE", {4, 0, 3, 0, 0, 0}, 1, true},
        {"\"4,0,3,0,0,0\",\"T.C\",TRUE", {4, 0, 1, 0, 0, 0}, 1, false},
        {"\"4,0,3\",\"T.C\",TRUE", {4, 2, 3, 6, 1, 1}, 1, true},
        {"\"4,0,0,0,0,3\",\"T.C\",TRUE", {4, 0, 0, 0, 0, 1}, 1, false},
        {"4,\"T.C\",WORDLIST2", {4, 0, 0, 0, 0, 0}, 2, true},
        {"4,\"T.C\",WORDLIST2", {4, 0, 0, 0, 0, 0}, 3, false},
        {"4,\"T.C\",WORDLISTD2", {4, 0, 0, 0, 0, 0}, 5, true},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.mapping);
        ASSERT_NE(load(std::string(kBlockHead) + c.mapping + ",FALSE,0,0,0;"), nullptr);
        EXPECT_EQ(MatchAttributeMapping(c.request, c.wordCount, definition().mappings[0]), c.matches);
    }
}

KivArray<KivAttributeElement> elements(const std::vector<rpn::Attribute>& attributes) {
    return std::move(rpn::attributesPlusTerm(attributes, rpn::general("x"))->ppsAttributeElement);
}

TEST_F(SearchDefinitionsLookup, FindAttributeMapping) {
    ASSERT_NE(load(std::string(kBlockHead) +
                   "\"4,0,0,0,0,0\",\"TITLES.A\",TRUE,FALSE,0,0,0;\n"
                   "\"4,0,3,0,0,0\",\"TITLES.B\",TRUE,FALSE,0,0,0;\n"
                   "21,\"SERIALS||C XXTERMXX\",TRUE,FALSE,0,0,0;\n"
                   "1016,\"SELECT TITLE_NO FROM X WHERE C XXTERMXX1\",WORDLIST2,FALSE,0,0,0;\n"),
              nullptr);
    const SearchDefinition& block = definition();

    // The first mapping in file order that accepts the request.
    MappingLookup first = FindAttributeMapping(block, elements({{1, 4}, {3, 3}}), 1);
    EXPECT_EQ(first.mapping, &block.mappings[0]);
    EXPECT_EQ(first.key, &block.keys[0]);
    EXPECT_EQ(first.outcome.condition(), 0u);

    // A later element of a type replaces an earlier one.
    EXPECT_EQ(FindAttributeMapping(block, elements({{1, 4}, {1, 21}}), 1).mapping, &block.mappings[2]);
    EXPECT_EQ(FindAttributeMapping(block, elements({{1, 21}}), 1).key, &block.keys[1]);

    // A complete statement has no from-part: the last key.
    MappingLookup words = FindAttributeMapping(block, elements({{1, 1016}}), 2);
    EXPECT_EQ(words.mapping, &block.mappings[3]);
    EXPECT_EQ(words.key, &block.keys.back());

    EXPECT_EQ(FindAttributeMapping(block, elements({{1, 1016}}), 1).outcome.condition(), 114u);
    EXPECT_EQ(FindAttributeMapping(block, elements({{1, 99}}), 1).outcome.condition(), 114u);
    EXPECT_EQ(FindAttributeMapping(block, elements({{2, 3}}), 1).outcome.condition(), 113u);
    EXPECT_EQ(FindAttributeMapping(block, elements({{7, 4}, {1, 4}}), 1).outcome.condition(), 0u);

    // A complex attribute value: condition 113 even though a mapping is found.
    KivArray<KivAttributeElement> complex = elements({{1, 4}, {2, 3}});
    complex[1]->sAttributeValue.eAttributeValueType = 2;
    MappingLookup withComplex = FindAttributeMapping(block, complex, 1);
    EXPECT_EQ(withComplex.mapping, &block.mappings[0]);
    EXPECT_EQ(withComplex.outcome.condition(), 113u);
}

TEST_F(SearchDefinitionsLookup, KeyForMapping) {
    ASSERT_NE(load("D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\n"
                   "KEYS,\"WORDS.TITLE_NO\",NUMERIC,\"TITLES\",ALPHA,\"ISBNS.TITLE_NO\",NUMERIC;\n"
                   "STOPWORDS;\nATTRIBUTES;\n"
                   "1,\"WORDS, WORDS W2||C XXTERMXX\",TRUE,FALSE,0,0,0;\n"
                   "2,\"TITLES.TITLE\",TRUE,FALSE,0,0,0;\n"
                   "3,\"OTHER.C\",TRUE,FALSE,0,0,0;\n"),
              nullptr);
    const SearchDefinition& block = definition();
    EXPECT_EQ(KeyForMapping(block, block.mappings[0]), &block.keys[0]);
    EXPECT_EQ(KeyForMapping(block, block.mappings[1]), &block.keys[1]);
    EXPECT_EQ(KeyForMapping(block, block.mappings[2]), &block.keys[2]);
    EXPECT_EQ(KeyForMapping(SearchDefinition{}, block.mappings[0]), nullptr);
}

}  // namespace
