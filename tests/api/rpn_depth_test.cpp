#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/api/query_builders.h"
#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_check_query.h"
#include "toolkit/api/kiv_rpn_depth.h"

using namespace query_test;

namespace rpn_depth_cases {
namespace {

using RpnDepthTest = ProcessLogFixture;

// Validates, returning the code of the error made (0 when valid).
long checkCode(const KivQuery& query) {
    SIError* error = nullptr;
    if (KivCheckQuery(0, &query, "psQuery->", &error) == 0) return 0;
    const long code = error->uErrorCode.lIfOsCoError;
    SIFreeError(&error);
    return code;
}

// Takes the query's tree out so that it is dismantled without deep recursion.
void dismantleQuery(KivQuery& query) {
    auto tree = std::make_unique<KivRpnStructure>(std::move(query.uQuery.psRpnQuery->sRpnStructure));
    dismantle(std::move(tree));
}

TEST_F(RpnDepthTest, AnApplicationTreeOfAHundredThousandLevelsIsRefused) {
    KivQuery query = rpnQuery(deepTree(100000));
    createLog();
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckQuery(0, &query, "psQuery->", &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 76);
    EXPECT_EQ(loggedDiagnostic(),
              "psQuery->uQuery.psRpnQuery->sRpnStructure IS NESTED DEEPER THAN 256 LEVELS");
    SIFreeError(&error);

    // Converted without validation, it is given up rather than followed to the bottom.
    codec::z3950::Query* codecQuery = nullptr;
    try {
        KivNewQueryToCodec(&codecQuery, &query);
        ADD_FAILURE() << "converted";
    } catch (const KivConversionError& failure) {
        EXPECT_EQ(failure.code, kKivToCodecNoMemory);
    }
    codec::z3950::FreeQuery(codecQuery);
    MemFree(codecQuery);
    dismantleQuery(query);
}

TEST_F(RpnDepthTest, TheLimitIsExactlyItsNumberOfLevels) {
    KivQuery atLimit = rpnQuery(deepTree(kKivMaxRpnDepth));
    EXPECT_EQ(checkCode(atLimit), 0);
    KivQuery pastLimit = rpnQuery(deepTree(kKivMaxRpnDepth + 1));
    EXPECT_EQ(checkCode(pastLimit), 76);
}

// The deepest tree the decoder accepts in a search request converts, validates, converts back to the same
// octets and is released; one level more is refused by the decoder.
TEST_F(RpnDepthTest, TheDeepestReceivedTreeConvertsAndFrees) {
    int deepest = 0;
    std::vector<uint8_t> octets;
    for (int depth = kKivMaxRpnDepth; depth > 0 && deepest == 0; --depth) {
        KivQuery query = rpnQuery(deepTree(depth));
        std::vector<uint8_t> candidate = encodeSearch(query);
        CodecPdu pdu;
        const int code = decodePdu(candidate, pdu.get());
        if (code == 0) {
            deepest = depth;
            octets = std::move(candidate);
        } else {
            EXPECT_EQ(code, kBerNestingTooDeep) << depth;
        }
    }
    ASSERT_GT(deepest, kKivMaxRpnDepth - 10);

    Received received = receiveSearch(octets);
    ASSERT_NE(received.query, nullptr);
    EXPECT_EQ(checkCode(*received.query), 0);
    EXPECT_EQ(encodeSearch(*received.query), octets);

    int levels = 0;
    for (const KivRpnStructure* node = &received.query->uQuery.psRpnQuery->sRpnStructure; node != nullptr;
         node = node->uRPNStructure.psRpnLopRopOperator
                    ? node->uRPNStructure.psRpnLopRopOperator->psLeftOperand.get()
                    : nullptr) {
        ++levels;
    }
    EXPECT_EQ(levels, deepest);
}

TEST_F(RpnDepthTest, ACodecTreePastTheLimitIsNotFollowed) {
    // Built by hand: the decoder never yields one this deep.
    auto* root = kivNewCodecRecord<codec::z3950::RPNStructure>();
    codec::z3950::RPNStructure* node = root;
    for (int level = 1; level < kKivMaxRpnDepth + 5; ++level) {
        node->choiceId = codec::z3950::RPNStructure::kRpnRpnOp;
        node->rpnRpnOp = kivNewCodecRecord<codec::z3950::RPNStructureRpnRpnOp>();
        node->rpnRpnOp->rpn1 = kivNewCodecRecord<codec::z3950::RPNStructure>();
        node = node->rpnRpnOp->rpn1;
    }
    KivRpnStructure tree;
    try {
        KivRpnStructureFromCodec(&tree, root);
        ADD_FAILURE() << "converted";
    } catch (const KivConversionError& failure) {
        EXPECT_EQ(failure.code, kKivFromCodecNoMemory);
    }
    codec::z3950::FreeRPNStructure(root);
    MemFree(root);
}

}  // namespace
}  // namespace rpn_depth_cases
