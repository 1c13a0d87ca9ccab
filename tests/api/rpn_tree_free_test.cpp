// Freeing an RPN tree far deeper than any received one: the operator nodes free their operands without
// recursion, whatever the shape of the tree. Recursing once per level would overflow the stack long before
// a million levels.

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <utility>

#include "toolkit/api/kiv_query.h"

namespace {

constexpr int kLevels = 1000000;

std::unique_ptr<KivRpnStructure> resultSetOperand() {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    node->uRPNStructure.psRpnOperand = std::make_unique<KivRpnOperand>();
    node->uRPNStructure.psRpnOperand->eOperandType = 2;
    node->uRPNStructure.psRpnOperand->uOperand.psResultSetId =
        std::make_unique<KivInternationalString>(KivInternationalString{"r"});
    return node;
}

// An AND node over the two operands, built by aggregate initialisation as an application would.
std::unique_ptr<KivRpnStructure> andNode(std::unique_ptr<KivRpnStructure> left,
                                         std::unique_ptr<KivRpnStructure> right) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnLopRopOperator;
    node->uRPNStructure.psRpnLopRopOperator.reset(
        new KivRpnLopRopOperator{std::move(left), std::move(right), KivOperator{2, nullptr}});
    return node;
}

enum class Shape { LeftDeep, RightDeep, Zigzag };

// A tree of kLevels operator levels; the deeper subtree hangs on the side the shape names at each level.
std::unique_ptr<KivRpnStructure> deepTree(Shape shape) {
    std::unique_ptr<KivRpnStructure> tree = resultSetOperand();
    for (int level = 0; level < kLevels; ++level) {
        const bool deepOnLeft = shape == Shape::LeftDeep || (shape == Shape::Zigzag && level % 2 == 0);
        tree = deepOnLeft ? andNode(std::move(tree), resultSetOperand())
                          : andNode(resultSetOperand(), std::move(tree));
    }
    return tree;
}

static_assert(std::is_aggregate_v<KivRpnStructure> && std::is_aggregate_v<KivRpnLopRopOperator> &&
              std::is_aggregate_v<KivRPNQuery>);

// Each tree is moved into a query, which holds its root by value, and goes with the query.
TEST(RpnTreeFree, AMillionLevelsFreeWithTheQueryInEveryShape) {
    for (Shape shape : {Shape::LeftDeep, Shape::RightDeep, Shape::Zigzag}) {
        auto query = std::make_unique<KivQuery>();
        query->eQueryType = QT_Rpn;
        query->uQuery.psRpnQuery = std::make_unique<KivRPNQuery>();
        query->uQuery.psRpnQuery->sRpnStructure = std::move(*deepTree(shape));
        ASSERT_NE(query->uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnLopRopOperator, nullptr);
        query.reset();
    }
}

}  // namespace
