// The walk over the RPN tree: plans of Boolean combinations, the conditions that stop a search, and the
// bounds on the query's size.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "Quorvane/search/rpn_to_sql.h"
#include "tests/server/search/rpn_builder.h"
#include "tests/server/search/search_file_fixture.h"

namespace {

using rpn::combine;
using rpn::general;
using rpn::operand;

// Use 4: a title; use 12: a number; use 1016: relevance; use 30: a date.
constexpr const char* kMappings =
    "4,\"TITLES.TITLE\",TRUE,FALSE,0,0,0;\n"
    "12,\"TITLES.TITLE_NO\",NUMBER,FALSE,0,0,0;\n"
    "1016,\"WORDS.STEM\",STEM,FALSE,0,0,0,\"NULL\",\"RELRANK1\";\n"
    "30,\"TITLES.TITLE\",TRUE,FALSE,0,0,0;\n";

std::unique_ptr<KivRpnStructure> title(const std::string& term) {
    return operand({{1, 4}}, general(term));
}

class RpnToSqlWalk : public SearchFileTest {
  protected:
    void SetUp() override {
        SearchFileTest::SetUp();
        definitions_ = load(std::string(kBlockHead) + kMappings);
        ASSERT_NE(definitions_, nullptr);
    }

    SearchPlan plan(std::unique_ptr<KivRpnStructure> root, const std::string& database = "SAMPLE",
                    std::optional<std::string> attributeSet = std::nullopt) {
        KivRPNQuery query = rpn::query(std::move(root), std::move(attributeSet));
        return PlanSearch(*definitions_, query, database, settings_);
    }

    const DefinitionBlocks<SearchDefinition>* definitions_ = nullptr;
    SearchSettings settings_;
};

TEST_F(RpnToSqlWalk, BooleanCombinationsKeepTheTreeShape) {
    SearchPlan result =
        plan(combine(1, combine(2, title("cat"), title("dog")), combine(3, title("owl"), title("bat"))));
    ASSERT_EQ(result.outcome.condition(), 0u);
    EXPECT_EQ(result.definition, &definition());
    EXPECT_EQ(result.currentDefinition, &definition());
    const PlanNode& root = *result.root;
    EXPECT_FALSE(root.operand);
    EXPECT_EQ(root.combination, PlanOperator::Or);
    EXPECT_EQ(root.left->combination, PlanOperator::And);
    EXPECT_EQ(root.right->combination, PlanOperator::AndNot);
    EXPECT_EQ(root.left->left->operand->statement,
              "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE 'CAT%'");
    EXPECT_EQ(root.left->right->operand->statement,
              "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE 'DOG%'");
    EXPECT_EQ(root.right->right->operand->term.text, "BAT");
    EXPECT_EQ(root.right->right->operand->key, &definition().keys[0]);
    EXPECT_EQ(root.right->right->operand->mapping, &definition().mappings[0]);
}

TEST_F(RpnToSqlWalk, RelevanceOperandCarriesItsTerm) {
    SearchPlan result = plan(operand({{1, 1016}, {2, 102}}, general("Best match")));
    ASSERT_EQ(result.outcome.condition(), 0u);
    const OperandQuery& query = *result.root->operand;
    EXPECT_TRUE(query.statement.empty());
    EXPECT_EQ(query.term.text, "BEST MATCH");
    EXPECT_EQ(query.mapping->relevanceReference, "RELRANK1");
    EXPECT_EQ(query.key, &definition().keys.back());
}

TEST_F(RpnToSqlWalk, DateUseMakesADateTerm) {
    settings_.dateLiteral = DateLiteralStyle::Iso;
    SearchPlan result = plan(operand({{1, 30}}, general("19991231")));
    ASSERT_EQ(result.outcome.condition(), 0u);
    const OperandTerm& term = result.root->operand->term;
    EXPECT_EQ(term.kind, kTermKindDate);
    EXPECT_EQ(term.text, "'1999-12-31 00:00:00'");
    ASSERT_TRUE(term.date);
    EXPECT_EQ(term.date->day, 31);
    // A text mapping writes the literal as a text, its quotes doubled.
    EXPECT_EQ(result.root->operand->statement,
              "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE '''1999-12-31 00:00:00''%'");
}

TEST_F(RpnToSqlWalk, DefaultUseAttribute) {
    EXPECT_EQ(plan(operand({}, general("cat"))).outcome.condition(), 113u);
    settings_.defaultUse = 4;
    SearchPlan result = plan(operand({{5, 100}}, general("cat")));
    ASSERT_EQ(result.outcome.condition(), 0u);
    EXPECT_EQ(result.root->operand->statement,
              "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE = 'CAT'");
}

std::unique_ptr<KivRpnStructure> withOperandType(int32_t type) {
    std::unique_ptr<KivRpnStructure> node = title("cat");
    node->uRPNStructure.psRpnOperand->eOperandType = type;
    return node;
}

std::unique_ptr<KivRpnStructure> withTermType(int32_t use, int32_t type) {
    std::unique_ptr<KivRpnStructure> node = operand({{1, static_cast<uint32_t>(use)}}, general("cat"));
    node->uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm->sTerm.eTermType = type;
    return node;
}

std::unique_ptr<KivRpnStructure> withComplexAttribute() {
    std::unique_ptr<KivRpnStructure> node = operand({{1, 4}, {2, 3}}, general("cat"));
    node->uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm->ppsAttributeElement[1]
        ->sAttributeValue.eAttributeValueType = 2;
    return node;
}

struct ConditionCase {
    const char* what;
    std::function<std::unique_ptr<KivRpnStructure>()> query;
    Bib1Condition condition;
};

TEST_F(RpnToSqlWalk, ConditionsTable) {
    const ConditionCase cases[] = {
        {"proximity operator", [] { return combine(4, title("a"), title("b")); }, 201},
        // The right side of an unknown operator is still walked, and its condition is set last.
        {"proximity, right side fails",
         [] {
             return combine(4, title("a"), operand({{1, 99}}, general("b")));
         },
         114},
        // A left side that fails ends its node's walk.
        {"left side fails first",
         [] {
             return combine(2, operand({{1, 99}}, general("a")), operand({{1, 12}}, general("b")));
         },
         114},
        {"right side fails",
         [] {
             return combine(2, title("a"), operand({{1, 12}}, general("b")));
         },
         125},
        {"non-numeric attribute does not stop the walk",
         [] { return combine(1, withComplexAttribute(), title("b")); }, 113},
        {"a later fault wins over a non-numeric attribute",
         [] {
             return combine(1, withComplexAttribute(), operand({{1, 99}}, general("b")));
         },
         114},
        {"result-set operand", [] { return withOperandType(2); }, 229},
        {"external term", [] { return withTermType(4, TT_External); }, 229},
        {"external term without a mapping", [] { return withTermType(99, TT_External); }, 114},
        {"no letter or digit", [] { return title("*"); }, 125},
        {"punctuation only", [] { return title("-- '"); }, 125},
        {"NUL octet", [] { return title(std::string("cat\0' OR 1=1", 12)); }, 125},
        {"term of 1000 octets", [] { return title(std::string(1000, 'a')); }, 0},
        {"term of 1001 octets", [] { return title(std::string(1001, 'a')); }, 11},
        {"structure of no known type",
         [] {
             auto node = std::make_unique<KivRpnStructure>();
             node->eRpnStructureType = 9;
             return node;
         },
         100},
    };
    for (const ConditionCase& c : cases) {
        SCOPED_TRACE(c.what);
        SearchPlan result = plan(c.query());
        EXPECT_EQ(result.outcome.condition(), c.condition);
        EXPECT_EQ(result.root != nullptr, c.condition == 0);
    }
}

TEST_F(RpnToSqlWalk, AbsentGeneralTermHasNoLetters) {
    std::unique_ptr<KivRpnStructure> node = title("cat");
    node->uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm->sTerm.uTerm.psGeneral.reset();
    EXPECT_EQ(plan(std::move(node)).outcome.condition(), 125u);
}

TEST_F(RpnToSqlWalk, DefinitionConditions) {
    EXPECT_EQ(plan(title("cat"), "SAMPLE", "1.2.840.10003.3.2").outcome.condition(), 123u);
    definitions_ = load(
        "DATABASES,\"CAT\";\nSETS,\"1.2.840.10003.3.1\";\nINDIVIDUAL;\nC,1;\nKEYS,\"T.N\",NUMERIC;\n"
        "STOPWORDS;\nATTRIBUTES;\n4,\"T.C\",TRUE,FALSE,0,0,0;\n");
    ASSERT_NE(definitions_, nullptr);
    SearchPlan unknown = plan(title("cat"), "DOG");
    EXPECT_EQ(unknown.outcome.condition(), 235u);
    EXPECT_EQ(unknown.definition, nullptr);
    EXPECT_EQ(unknown.currentDefinition, &definition());
    EXPECT_EQ(plan(title("cat"), "CAT", "1.2.840.10003.3.1").outcome.condition(), 0u);
}

// A block that is not INDIVIDUAL runs no statement: the search fails instead of answering the previous
// result set, and a fault of its attributes is still reported.
TEST_F(RpnToSqlWalk, CollectiveBlockFails) {
    definitions_ = load(
        "DATABASES,\"DEFAULT\";\nSETS,\"1.2.840.10003.3.1\";\nCOLLECTIVE;\nC,1;\n"
        "KEYS,\"TITLES.TITLE_NO\",NUMERIC;\nSTOPWORDS;\nATTRIBUTES;\n4,\"TITLES.TITLE\",TRUE,FALSE,0,0,0;\n");
    ASSERT_NE(definitions_, nullptr);
    EXPECT_EQ(plan(title("cat")).outcome.condition(), 100u);
    EXPECT_EQ(plan(combine(2, title("cat"), title("dog"))).outcome.condition(), 100u);
    EXPECT_EQ(plan(combine(2, operand({{1, 99}}, general("x")), title("dog"))).outcome.condition(), 114u);
    EXPECT_EQ(plan(combine(2, title("cat"), withOperandType(2))).outcome.condition(), 229u);
}

// count operands combined with AND, each new operand on the given side of the node above it.
std::unique_ptr<KivRpnStructure> chain(int count, bool deepOnLeft) {
    std::unique_ptr<KivRpnStructure> tree = title("w");
    for (int i = 1; i < count; ++i) {
        tree = deepOnLeft ? combine(2, std::move(tree), title("w")) : combine(2, title("w"), std::move(tree));
    }
    return tree;
}

std::unique_ptr<KivRpnStructure> balanced(int leaves) {
    if (leaves == 1) return title("w");
    return combine(1, balanced(leaves / 2), balanced(leaves - leaves / 2));
}

TEST_F(RpnToSqlWalk, QuerySizeIsBounded) {
    EXPECT_EQ(plan(chain(kMaxRpnOperands, true)).outcome.condition(), 0u);
    EXPECT_EQ(plan(chain(kMaxRpnOperands, false)).outcome.condition(), 0u);
    EXPECT_EQ(plan(balanced(kMaxRpnOperands)).outcome.condition(), 0u);
    EXPECT_EQ(plan(chain(kMaxRpnOperands + 1, true)).outcome.condition(), 6u);
    EXPECT_EQ(plan(chain(kMaxRpnOperands + 1, false)).outcome.condition(), 6u);
    EXPECT_EQ(plan(balanced(kMaxRpnOperands + 1)).outcome.condition(), 6u);
    // The bound holds before any operand is reached, and wins over every other condition.
    EXPECT_EQ(plan(chain(200, true)).outcome.condition(), 6u);
    EXPECT_EQ(
        plan(combine(1, operand({{1, 99}}, general("x")), balanced(kMaxRpnOperands))).outcome.condition(),
        114u);
    EXPECT_EQ(plan(combine(4, title("x"), balanced(kMaxRpnOperands))).outcome.condition(), 6u);
}

}  // namespace
