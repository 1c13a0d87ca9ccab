// Printing recursion is bounded: a structure as deep as the decoder allows prints in full, a deeper one built
// by an application prints a marker line where the limit is reached, and neither overflows the stack.

#include "toolkit/trace/print_depth.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/trace_printers.h"
#include "toolkit/util/ber_limits.h"

namespace {

using trace_test::printed;

size_t occurrences(const std::string& haystack, const std::string& needle) {
    size_t count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1))
        ++count;
    return count;
}

std::unique_ptr<KivRpnStructure> resultSetOperand() {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    node->uRPNStructure.psRpnOperand = std::make_unique<KivRpnOperand>();
    node->uRPNStructure.psRpnOperand->eOperandType = 2;
    node->uRPNStructure.psRpnOperand->uOperand.psResultSetId = trace_test::text("r");
    return node;
}

// A query whose tree is a left-deep chain of `depth` AND nodes, built and torn down without recursion.
class ChainQuery {
  public:
    explicit ChainQuery(int depth) {
        query_.eQueryType = QT_Rpn;
        query_.uQuery.psRpnQuery = std::make_unique<KivRPNQuery>();
        query_.uQuery.psRpnQuery->pcAttributeSetId = "1.2.840.10003.3.1";
        std::unique_ptr<KivRpnStructure> chain = resultSetOperand();
        for (int i = 0; i < depth; ++i) {
            auto node = std::make_unique<KivRpnStructure>();
            node->eRpnStructureType = RST_RpnLopRopOperator;
            node->uRPNStructure.psRpnLopRopOperator = std::make_unique<KivRpnLopRopOperator>();
            node->uRPNStructure.psRpnLopRopOperator->psLeftOperand = std::move(chain);
            node->uRPNStructure.psRpnLopRopOperator->psRightOperand = resultSetOperand();
            node->uRPNStructure.psRpnLopRopOperator->sOperator.eOperatorType = 2;
            chain = std::move(node);
        }
        query_.uQuery.psRpnQuery->sRpnStructure = std::move(*chain);
    }
    ~ChainQuery() {
        std::unique_ptr<KivRpnStructure> next =
            takeLeft(query_.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnLopRopOperator.get());
        while (next) {
            std::unique_ptr<KivRpnStructure> left = takeLeft(next->uRPNStructure.psRpnLopRopOperator.get());
            next = std::move(left);
        }
    }
    ChainQuery(const ChainQuery&) = delete;
    ChainQuery& operator=(const ChainQuery&) = delete;

    const KivQuery* query() const { return &query_; }

  private:
    static std::unique_ptr<KivRpnStructure> takeLeft(KivRpnLopRopOperator* node) {
        return node != nullptr ? std::move(node->psLeftOperand) : nullptr;
    }
    KivQuery query_;
};

TEST(TracePrintDepth, RpnTreeAsDeepAsTheDecoderAllowsPrintsInFull) {
    ChainQuery chain(kBerMaxNesting - 1);
    const std::string output = printed([&](std::FILE* f) { KivPrintQuery(f, chain.query()); });
    EXPECT_EQ(occurrences(output, "RST_RpnLopRopOperator:"), static_cast<size_t>(kBerMaxNesting - 1));
    EXPECT_EQ(occurrences(output, "RST_RpnOperand:"), static_cast<size_t>(kBerMaxNesting));
    EXPECT_EQ(occurrences(output, trace::kTooDeepLine), 0u);
}

TEST(TracePrintDepth, VeryDeepRpnTreeStopsAtTheLimitWithAMarker) {
    ChainQuery chain(200000);
    const std::string output = printed([&](std::FILE* f) { KivPrintQuery(f, chain.query()); });
    EXPECT_EQ(occurrences(output, "RST_RpnLopRopOperator:"), static_cast<size_t>(trace::kMaxPrintDepth));
    EXPECT_EQ(occurrences(output, "sOperator: AND\n"), static_cast<size_t>(trace::kMaxPrintDepth));
    EXPECT_GE(occurrences(output, trace::kTooDeepLine), 1u);
    EXPECT_EQ(output.substr(output.size() - std::string("sOperator: AND\n\n").size()), "sOperator: AND\n\n");

    // The depth count is back at zero afterwards: a shallow query prints in full.
    ChainQuery shallow(3);
    const std::string again = printed([&](std::FILE* f) { KivPrintQuery(f, shallow.query()); });
    EXPECT_EQ(occurrences(again, "RST_RpnLopRopOperator:"), 3u);
    EXPECT_EQ(occurrences(again, trace::kTooDeepLine), 0u);
}

// OPAC records nested through their bibliographic record, each EXTERNAL inside the one before.
std::unique_ptr<KivExternal> nestedOpac(int depth) {
    std::unique_ptr<KivExternal> inner = trace_test::sutrsExternal("innermost");
    for (int i = 0; i < depth; ++i) {
        inner = trace_test::singleExternal("1.2.840.10003.5.102", AT_OpacRecord, [&](auto& content) {
            content.psOpacRecord = std::make_unique<KivOpacRecord>();
            content.psOpacRecord->psBibliographicRecord = std::move(inner);
        });
    }
    return inner;
}

TEST(TracePrintDepth, NestedExternalsStopAtTheLimit) {
    auto shallow = nestedOpac(10);
    const std::string full = printed([&](std::FILE* f) { KivPrintExternal(f, shallow.get()); });
    EXPECT_EQ(occurrences(full, "psOpacRecord:"), 10u);
    EXPECT_NE(full.find("\tpsUnstructuredText: innermost\n"), std::string::npos);

    auto deep = nestedOpac(1000);
    const std::string bounded = printed([&](std::FILE* f) { KivPrintExternal(f, deep.get()); });
    EXPECT_EQ(occurrences(bounded, "psOpacRecord:"), static_cast<size_t>(trace::kMaxPrintDepth));
    EXPECT_EQ(occurrences(bounded, std::string("psBibliographicRecord: ") + trace::kTooDeepLine), 1u);
    EXPECT_EQ(bounded.find("innermost"), std::string::npos);
}

}  // namespace
