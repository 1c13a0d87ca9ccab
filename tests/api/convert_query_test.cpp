#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/api/query_builders.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_check_query.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/codec/z3950/external.h"

using namespace query_test;
using codec::z3950::Operator;
using codec::z3950::Query;
using codec::z3950::RPNStructure;
using codec::z3950::Term;

namespace convert_query_cases {
namespace {

// Sends the query and the OtherInformation list through a search request (API -> codec -> BER -> codec ->
// API) and checks that what arrives is sent again octet for octet.
Received roundTrip(const KivQuery& query, const KivArray<KivOtherInformation>& info = {}) {
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckQuery(0, &query, "psQuery->", &error), 0);
    EXPECT_EQ(KivCheckOtherInformation(0, &info, "ppsOtherInformation", &error), 0);
    const std::vector<uint8_t> sent = encodeSearch(query, info);
    Received received = receiveSearch(sent);
    EXPECT_NE(received.query, nullptr);
    if (received.query != nullptr) {
        EXPECT_EQ(encodeSearch(*received.query, received.otherInformation), sent);
    }
    SIFreeError(&error);
    return received;
}

const KivRpnOperand& operandOf(const KivQuery& query) {
    return *query.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnOperand;
}

const KivTerm& termOf(const KivQuery& query) {
    return operandOf(query).uOperand.psAttributesPlusTerm->sTerm;
}

TEST(ConvertQueryTest, EveryQueryTypeRoundTrips) {
    struct Case {
        int32_t type;
        std::function<void(KivQuery&)> fill;
        int32_t codecChoice;
    };
    const std::vector<Case> cases = {
        {QT_Private,
         [](KivQuery& q) { q.uQuery.psPrivateQuery = std::make_unique<KivOctets>(octets("p\0q")); },
         Query::kType0},
        {QT_Rpn, [](KivQuery& q) { q = rpnQuery(termNode("cat")); }, Query::kType1},
        {QT_Iso8777,
         [](KivQuery& q) { q.uQuery.psIso8777Query = std::make_unique<KivOctets>(octets("iso")); },
         Query::kType2},
        {QT_Z3958, [](KivQuery& q) { q.uQuery.psZ3958Query = std::make_unique<KivOctets>(octets("z39.58")); },
         Query::kType100},
        {QT_Erpn, [](KivQuery& q) { q = rpnQuery(termNode("dog"), true); }, Query::kType101},
        {QT_NaturalLanguage,
         [](KivQuery& q) {
             q.uQuery.psNaturalLanguageQuery = std::make_unique<KivOctets>(octets("find cats"));
         },
         Query::kType102},
        {QT_Sql,
         [](KivQuery& q) {
             q.uQuery.psSQLQuery = std::make_unique<KivSQLQuery>();
             q.uQuery.psSQLQuery->pfAbstractDatabaseFlag = 1;
             q.uQuery.psSQLQuery->sQueryExpression = text("select 1");
         },
         Query::kTypeSQL},
        {QT_Sql,
         [](KivQuery& q) {
             q.uQuery.psSQLQuery = std::make_unique<KivSQLQuery>();
             q.uQuery.psSQLQuery->sQueryExpression = text("select 2");
         },
         Query::kTypeSQL},
    };
    for (const Case& c : cases) {
        KivQuery query;
        c.fill(query);
        query.eQueryType = c.type;
        Query* codecQuery = nullptr;
        KivNewQueryToCodec(&codecQuery, &query);
        EXPECT_EQ(codecQuery->choiceId, c.codecChoice) << c.type;
        codec::z3950::FreeQuery(codecQuery);
        MemFree(codecQuery);

        Received received = roundTrip(query);
        ASSERT_NE(received.query, nullptr);
        EXPECT_EQ(received.query->eQueryType, c.type);
    }
}

TEST(ConvertQueryTest, OctetQueriesKeepTheirOctetsAndSqlItsFlag) {
    KivQuery z3958;
    z3958.eQueryType = QT_Z3958;
    z3958.uQuery.psZ3958Query = std::make_unique<KivOctets>(octets(std::string("a\0b", 3)));
    Received received = roundTrip(z3958);
    ASSERT_TRUE(received.query->uQuery.psZ3958Query);
    EXPECT_EQ(received.query->uQuery.psZ3958Query->pcValue, std::string("a\0b", 3));

    for (std::optional<uint32_t> flag :
         {std::optional<uint32_t>(), std::optional<uint32_t>(0u), std::optional<uint32_t>(1u)}) {
        KivQuery sql;
        sql.eQueryType = QT_Sql;
        sql.uQuery.psSQLQuery = std::make_unique<KivSQLQuery>();
        sql.uQuery.psSQLQuery->pfAbstractDatabaseFlag = flag;
        sql.uQuery.psSQLQuery->sQueryExpression = text("select title from books");
        Received back = roundTrip(sql);
        ASSERT_TRUE(back.query->uQuery.psSQLQuery);
        EXPECT_EQ(back.query->uQuery.psSQLQuery->pfAbstractDatabaseFlag, flag);
        EXPECT_EQ(back.query->uQuery.psSQLQuery->sQueryExpression.pcValue, "select title from books");
    }
}

// The operator and structure selectors do not follow the minus-one rule: check both directions by value.
TEST(ConvertQueryTest, OperatorsMapToTheirCodecAlternativesBothWays) {
    struct Case {
        int32_t api;
        int32_t codec;
    };
    for (const Case& c : std::vector<Case>{{kOr, Operator::kOr},
                                           {kAnd, Operator::kAnd},
                                           {kAndNot, Operator::kAndNot},
                                           {kProx, Operator::kProx}}) {
        KivQuery query =
            rpnQuery(operatorNode(c.api, termNode("a"), termNode("b"),
                                  c.api == kProx ? proximity(std::nullopt, PUT_Known, KPU_Word) : nullptr));
        CodecPdu pdu;
        fillSearchRequest(pdu.get(), query, {});
        const RPNStructure* rpn = pdu.get()->searchRequest->query->type_1->rpn;
        ASSERT_EQ(rpn->choiceId, RPNStructure::kRpnRpnOp);
        EXPECT_EQ(rpn->rpnRpnOp->op->choiceId, c.codec) << c.api;
        EXPECT_EQ(rpn->rpnRpnOp->rpn1->choiceId, RPNStructure::kOp);

        Received received = roundTrip(query);
        const KivRpnStructure& root = received.query->uQuery.psRpnQuery->sRpnStructure;
        ASSERT_EQ(root.eRpnStructureType, RST_RpnLopRopOperator);
        const KivRpnLopRopOperator& node = *root.uRPNStructure.psRpnLopRopOperator;
        EXPECT_EQ(node.sOperator.eOperatorType, c.api);
        EXPECT_EQ(node.psLeftOperand->eRpnStructureType, RST_RpnOperand);
        EXPECT_EQ(node.psRightOperand->eRpnStructureType, RST_RpnOperand);
        EXPECT_EQ(node.sOperator.psProximityOperator != nullptr, c.api == kProx);
    }
}

TEST(ConvertQueryTest, AndIsWrittenUnderItsOperatorTag) {
    const std::vector<uint8_t> sent =
        encodeSearch(rpnQuery(operatorNode(kAnd, termNode("a"), termNode("b"))));
    const std::vector<uint8_t> andOperator = {0xBF, 0x2E, 0x02, 0x80, 0x00};
    EXPECT_NE(std::search(sent.begin(), sent.end(), andOperator.begin(), andOperator.end()), sent.end());
}

TEST(ConvertQueryTest, ProximityOperatorsRoundTrip) {
    struct Case {
        std::optional<uint32_t> exclusion;
        int32_t unitType;
        int32_t unit;
    };
    for (const Case& c : std::vector<Case>{
             {std::nullopt, PUT_Known, KPU_Character}, {0u, PUT_Known, KPU_Byte}, {1u, PUT_Private, 12}}) {
        Received received = roundTrip(rpnQuery(
            operatorNode(kProx, termNode("a"), termNode("b"), proximity(c.exclusion, c.unitType, c.unit))));
        const KivProximityOperator& prox = *received.query->uQuery.psRpnQuery->sRpnStructure.uRPNStructure
                                                .psRpnLopRopOperator->sOperator.psProximityOperator;
        EXPECT_EQ(prox.pfExclusion, c.exclusion);
        EXPECT_EQ(prox.ulDistance, 3u);
        EXPECT_EQ(prox.fOrdered, 1u);
        EXPECT_EQ(prox.eProximityRelationType, PRT_LessThanOrEqual);
        EXPECT_EQ(prox.sProximityUnitCode.eProximityUnitType, c.unitType);
        if (c.unitType == PUT_Known) {
            EXPECT_EQ(prox.sProximityUnitCode.uProximityUnit.eKnownProximityUnit, c.unit);
        } else {
            EXPECT_EQ(prox.sProximityUnitCode.uProximityUnit.ulPrivate, static_cast<uint32_t>(c.unit));
        }
    }
}

TEST(ConvertQueryTest, UnexpectedReceivedProximityValuesBecomeInvalid) {
    codec::z3950::ProximityOperator codecProx{};
    codec::z3950::ProximityOperatorProximityUnitCode unit{};
    codecProx.proximityUnitCode = &unit;
    struct Case {
        int32_t relation;
        int32_t unitChoice;
        int32_t unitValue;
        int32_t relationWanted;
        int32_t unitTypeWanted;
        int32_t knownWanted;
        uint32_t privateWanted;
    };
    for (const Case& c : std::vector<Case>{{7, 0, 12, PRT_Invalid, PUT_Known, KPU_Invalid, 0},
                                           {0, 0, 0, PRT_Invalid, PUT_Known, KPU_Invalid, 0},
                                           {6, 1, 12, PRT_NotEqual, PUT_Private, 0, 12},
                                           {1, 2, 5, PRT_LessThan, 0, 0, 0}}) {
        codecProx.relationType = c.relation;
        unit.choiceId = c.unitChoice;
        unit.known = c.unitValue;
        KivProximityOperator prox;
        KivProximityOperatorFromCodec(&prox, &codecProx);
        EXPECT_EQ(prox.pfExclusion, std::nullopt);
        EXPECT_EQ(prox.eProximityRelationType, c.relationWanted);
        EXPECT_EQ(prox.sProximityUnitCode.eProximityUnitType, c.unitTypeWanted);
        EXPECT_EQ(prox.sProximityUnitCode.uProximityUnit.eKnownProximityUnit, c.knownWanted);
        EXPECT_EQ(prox.sProximityUnitCode.uProximityUnit.ulPrivate, c.privateWanted);
    }
}

TEST(ConvertQueryTest, SelectorsOutOfRangeConvertToNothing) {
    KivOperator op;
    op.eOperatorType = 5;
    Operator codecOp{};
    codecOp.choiceId = -7;
    KivOperatorToCodec(&codecOp, &op);
    EXPECT_EQ(codecOp.choiceId, -7);

    KivProximityOperator prox;
    prox.eProximityRelationType = 7;
    prox.sProximityUnitCode.eProximityUnitType = PUT_Known;
    prox.sProximityUnitCode.uProximityUnit.eKnownProximityUnit = 12;
    codec::z3950::ProximityOperator codecProx{};
    KivProximityOperatorToCodec(&codecProx, &prox);
    EXPECT_EQ(codecProx.relationType, 0);
    ASSERT_NE(codecProx.proximityUnitCode, nullptr);
    EXPECT_EQ(codecProx.proximityUnitCode->known, 0);
    codec::z3950::FreeProximityOperator(&codecProx);

    Query codecQuery{};
    codecQuery.choiceId = Query::kAlternatives;
    KivQuery query;
    KivQueryFromCodec(&query, &codecQuery);
    EXPECT_EQ(query.eQueryType, 0);

    Term codecTerm{};
    codecTerm.choiceId = Term::kAlternatives;
    KivTerm term;
    KivTermFromCodec(&term, &codecTerm);
    EXPECT_EQ(term.eTermType, 0);
}

TEST(ConvertQueryTest, OperandsOfEveryKindRoundTrip) {
    auto resultSetNode = [] {
        auto operand = std::make_unique<KivRpnOperand>();
        operand->eOperandType = 2;
        operand->uOperand.psResultSetId = std::make_unique<KivInternationalString>(text("set1"));
        auto node = std::make_unique<KivRpnStructure>();
        node->eRpnStructureType = RST_RpnOperand;
        node->uRPNStructure.psRpnOperand = std::move(operand);
        return node;
    };
    auto resultAttrNode = [] {
        auto plus = std::make_unique<KivResultSetPlusAttributes>();
        plus->sResultSetId = text("set2");
        plus->ppsAttributeElement.append(numericAttribute(2, 3, "1.2.840.10003.3.1"));
        auto operand = std::make_unique<KivRpnOperand>();
        operand->eOperandType = 3;
        operand->uOperand.psResultSetPlusAttributes = std::move(plus);
        auto node = std::make_unique<KivRpnStructure>();
        node->eRpnStructureType = RST_RpnOperand;
        node->uRPNStructure.psRpnOperand = std::move(operand);
        return node;
    };
    Received received = roundTrip(
        rpnQuery(operatorNode(kOr, operatorNode(kAndNot, termNode("a"), resultSetNode()), resultAttrNode())));
    const KivRpnLopRopOperator& top =
        *received.query->uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnLopRopOperator;
    const KivRpnLopRopOperator& left = *top.psLeftOperand->uRPNStructure.psRpnLopRopOperator;
    EXPECT_EQ(left.sOperator.eOperatorType, kAndNot);
    const KivRpnOperand& resultSet = *left.psRightOperand->uRPNStructure.psRpnOperand;
    ASSERT_EQ(resultSet.eOperandType, 2);
    EXPECT_EQ(resultSet.uOperand.psResultSetId->pcValue, "set1");
    const KivRpnOperand& resultAttr = *top.psRightOperand->uRPNStructure.psRpnOperand;
    ASSERT_EQ(resultAttr.eOperandType, 3);
    EXPECT_EQ(resultAttr.uOperand.psResultSetPlusAttributes->sResultSetId.pcValue, "set2");
    ASSERT_EQ(resultAttr.uOperand.psResultSetPlusAttributes->ppsAttributeElement.size(), 1u);
    EXPECT_EQ(resultAttr.uOperand.psResultSetPlusAttributes->ppsAttributeElement[0]->pcAttributeSetId,
              "1.2.840.10003.3.1");
}

TEST(ConvertQueryTest, AReceivedAttributeSetWithoutOctetsReadsAsZeroZero) {
    codec::z3950::RPNQuery codecQuery{};
    KivRPNQuery query;
    KivRPNQueryFromCodec(&query, &codecQuery);
    EXPECT_EQ(query.pcAttributeSetId, "0.0");
}

// ---- Terms and attributes ----

KivTerm externalTerm(std::unique_ptr<KivExternal> external) {
    KivTerm term;
    term.eTermType = TT_External;
    term.uTerm.psExternal = std::move(external);
    return term;
}

TEST(ConvertTermTest, EveryTermTypeRoundTrips) {
    struct Case {
        const char* name;
        std::function<KivTerm()> make;
        std::function<void(const KivTerm&)> check;
    };
    const std::vector<Case> cases = {
        {"general", [] { return generalTerm(std::string("ab\0c", 4)); },
         [](const KivTerm& t) { EXPECT_EQ(t.uTerm.psGeneral->pcValue, std::string("ab\0c", 4)); }},
        {"numeric",
         [] {
             KivTerm t;
             t.eTermType = TT_Numeric;
             t.uTerm.ulInteger = 4000000000u;
             return t;
         },
         [](const KivTerm& t) { EXPECT_EQ(t.uTerm.ulInteger, 4000000000u); }},
        {"characterString",
         [] {
             KivTerm t;
             t.eTermType = TT_SimpleCharacter;
             t.uTerm.psSimpleCharacter = std::make_unique<KivInternationalString>(text("Smith"));
             return t;
         },
         [](const KivTerm& t) { EXPECT_EQ(t.uTerm.psSimpleCharacter->pcValue, "Smith"); }},
        {"oid",
         [] {
             KivTerm t;
             t.eTermType = TT_ObjectIdentifier;
             t.uTerm.pcObjectIdentifier = "1.2.840.10003.5.10";
             return t;
         },
         [](const KivTerm& t) { EXPECT_EQ(t.uTerm.pcObjectIdentifier, "1.2.840.10003.5.10"); }},
        {"dateTime",
         [] {
             KivTerm t;
             t.eTermType = TT_DateTime;
             t.uTerm.pcDateTime = "19991231";
             return t;
         },
         [](const KivTerm& t) { EXPECT_EQ(t.uTerm.pcDateTime, "19991231"); }},
        {"external octet-aligned",
         [] {
             auto external = std::make_unique<KivExternal>();
             external->pcObjectIdentifier = "1.2.840.10003.5.109.3";
             external->eValueType = EVT_OctetAligned;
             external->uExternalValue.psOctetAligned = std::make_unique<KivOctets>(octets("<p/>"));
             return externalTerm(std::move(external));
         },
         [](const KivTerm& t) {
             EXPECT_EQ(t.uTerm.psExternal->pcObjectIdentifier, "1.2.840.10003.5.109.3");
             ASSERT_EQ(t.uTerm.psExternal->eValueType, EVT_OctetAligned);
             EXPECT_EQ(t.uTerm.psExternal->uExternalValue.psOctetAligned->pcValue, "<p/>");
         }},
        {"external arbitrary",
         [] {
             auto external = std::make_unique<KivExternal>();
             external->pcObjectIdentifier = "1.2.3";
             external->eValueType = EVT_Arbitrary;
             external->uExternalValue.psArbitrary = std::make_unique<KivArbitrary>(KivArbitrary{5, "10110"});
             return externalTerm(std::move(external));
         },
         [](const KivTerm& t) {
             ASSERT_EQ(t.uTerm.psExternal->eValueType, EVT_Arbitrary);
             EXPECT_EQ(t.uTerm.psExternal->uExternalValue.psArbitrary->ulLength, 5u);
             EXPECT_EQ(t.uTerm.psExternal->uExternalValue.psArbitrary->pcValue, "10110");
         }},
        {"integerAndUnit",
         [] {
             auto value = std::make_unique<KivIntUnit>();
             value->ulValue = 12;
             value->sUnitUsed.psUnitSystem = std::make_unique<KivInternationalString>(text("SI"));
             value->sUnitUsed.psUnitType = stringValue("length");
             value->sUnitUsed.psUnit = numericValue(3);
             value->sUnitUsed.pulScaleFactor = 2;
             KivTerm t;
             t.eTermType = TT_IntegerAndUnit;
             t.uTerm.psIntegerAndUnit = std::move(value);
             return t;
         },
         [](const KivTerm& t) {
             const KivIntUnit& value = *t.uTerm.psIntegerAndUnit;
             EXPECT_EQ(value.ulValue, 12u);
             EXPECT_EQ(value.sUnitUsed.psUnitSystem->pcValue, "SI");
             EXPECT_EQ(value.sUnitUsed.psUnitType->uStringOrNumeric.psString->pcValue, "length");
             EXPECT_EQ(value.sUnitUsed.psUnit->uStringOrNumeric.ulNumeric, 3u);
             EXPECT_EQ(value.sUnitUsed.pulScaleFactor, 2u);
         }},
        {"integerAndUnit without a unit",
         [] {
             KivTerm t;
             t.eTermType = TT_IntegerAndUnit;
             t.uTerm.psIntegerAndUnit = std::make_unique<KivIntUnit>();
             return t;
         },
         [](const KivTerm& t) {
             const KivUnit& unit = t.uTerm.psIntegerAndUnit->sUnitUsed;
             EXPECT_FALSE(unit.psUnitSystem || unit.psUnitType || unit.psUnit || unit.pulScaleFactor);
         }},
        {"null",
         [] {
             KivTerm t;
             t.eTermType = TT_Null;
             return t;
         },
         [](const KivTerm&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KivTerm term = c.make();
        const int32_t type = term.eTermType;
        Received received = roundTrip(rpnQuery(termNode(std::move(term))));
        const KivTerm& back = termOf(*received.query);
        ASSERT_EQ(back.eTermType, type);
        c.check(back);
    }
}

TEST(ConvertTermTest, DateTimeTravelsWithoutItsTerminator) {
    KivTerm term;
    term.eTermType = TT_DateTime;
    term.uTerm.pcDateTime = "20240131";
    Term codecTerm{};
    KivTermToCodec(&codecTerm, &term);
    ASSERT_EQ(codecTerm.choiceId, Term::kDateTime);
    EXPECT_EQ(codecTerm.dateTime->length, 8);
    KivTerm back;
    KivTermFromCodec(&back, &codecTerm);
    EXPECT_EQ(back.uTerm.pcDateTime, "20240131");
    codec::z3950::FreeTerm(&codecTerm);
}

TEST(ConvertTermTest, NumericValuesStayInTheChoice) {
    KivTerm term;
    term.eTermType = TT_Numeric;
    term.uTerm.ulInteger = 42;
    Term codecTerm{};
    KivTermToCodec(&codecTerm, &term);
    EXPECT_EQ(codecTerm.choiceId, Term::kNumeric);
    EXPECT_EQ(codecTerm.numeric, 42);

    std::unique_ptr<KivAttributeElement> element = numericAttribute(1, 7);
    codec::z3950::AttributeElement codecElement{};
    KivAttributeElementToCodec(&codecElement, element.get());
    EXPECT_EQ(codecElement.attributeValue->choiceId, codec::z3950::AttributeElementAttributeValue::kNumeric);
    EXPECT_EQ(codecElement.attributeValue->numeric, 7);
    EXPECT_EQ(codecElement.attributeSet.octets, nullptr);
    codec::z3950::FreeAttributeElement(&codecElement);
}

TEST(ConvertTermTest, ReceivedRawContentArrivesAsType8WithTheWholeElement) {
    codec::z3950::EXTERNAL external{};
    KivOidToCodec(&external.directReference, "1.2.840.10003.5.109");
    const uint8_t element[] = {0x04, 0x02, 'h', 'i'};
    auto* raw = kivNewCodecRecord<BerOctets>();
    kivCodecCopy(raw, element, sizeof element);
    external.singleASN1Type.value = raw;
    Term codecTerm{};
    codecTerm.choiceId = Term::kExternal;
    codecTerm.external = &external;
    KivTerm term;
    KivTermFromCodec(&term, &codecTerm);
    ASSERT_EQ(term.eTermType, TT_External);
    EXPECT_EQ(term.uTerm.psExternal->pcObjectIdentifier, "1.2.840.10003.5.109");
    ASSERT_EQ(term.uTerm.psExternal->eValueType, EVT_SingleASN1Type);
    const KivSingleASN1Type& single = *term.uTerm.psExternal->uExternalValue.psSingleASN1Type;
    EXPECT_EQ(single.eASN1Type, 8);
    EXPECT_EQ(single.uASN1.psUnknownType->pcValue, std::string("\x04\x02hi", 4));
    codec::z3950::FreeEXTERNAL(&external);
}

TEST(ConvertAttributeTest, AttributeElementsRoundTrip) {
    auto plus = std::make_unique<KivAttributesPlusTerm>();
    plus->ppsAttributeElement.append(numericAttribute(1, 1016, "1.2.840.10003.3.1"));
    plus->ppsAttributeElement.append(numericAttribute(2, 3));
    plus->ppsAttributeElement.append(complexAttribute(5, {1, 4000000000u}));
    plus->ppsAttributeElement.append(complexAttribute(6, {}));
    plus->sTerm = generalTerm("x");
    auto operand = std::make_unique<KivRpnOperand>();
    operand->eOperandType = 1;
    operand->uOperand.psAttributesPlusTerm = std::move(plus);
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    node->uRPNStructure.psRpnOperand = std::move(operand);

    Received received = roundTrip(rpnQuery(std::move(node)));
    const KivArray<KivAttributeElement>& attributes =
        operandOf(*received.query).uOperand.psAttributesPlusTerm->ppsAttributeElement;
    ASSERT_EQ(attributes.size(), 4u);
    EXPECT_EQ(attributes[0]->pcAttributeSetId, "1.2.840.10003.3.1");
    EXPECT_EQ(attributes[0]->ulAttributeType, 1u);
    EXPECT_EQ(attributes[0]->sAttributeValue.uAttributeValue.ulNumeric, 1016u);
    EXPECT_EQ(attributes[1]->pcAttributeSetId, std::nullopt);
    const KivComplexValue& complex = *attributes[2]->sAttributeValue.uAttributeValue.psComplexValue;
    ASSERT_EQ(complex.ppsList.size(), 2u);
    EXPECT_EQ(complex.ppsList[0]->uStringOrNumeric.psString->pcValue, "title");
    EXPECT_EQ(complex.ppsList[1]->uStringOrNumeric.ulNumeric, 4u);
    ASSERT_EQ(complex.ppulSemanticAction.size(), 2u);
    EXPECT_EQ(*complex.ppulSemanticAction[1], 4000000000u);
    EXPECT_FALSE(attributes[3]->sAttributeValue.uAttributeValue.psComplexValue->ppulSemanticAction.present());
}

TEST(ConvertAttributeTest, AttributeSetIdentifierTakesSevenOctets) {
    std::unique_ptr<KivAttributeElement> element = numericAttribute(1, 4, "1.2.840.10003.3.1");
    codec::z3950::AttributeElement codecElement{};
    KivAttributeElementToCodec(&codecElement, element.get());
    EXPECT_EQ(codecElement.attributeSet.length, 7);
    KivAttributeElement back;
    KivAttributeElementFromCodec(&back, &codecElement);
    EXPECT_EQ(back.pcAttributeSetId, "1.2.840.10003.3.1");
    codec::z3950::FreeAttributeElement(&codecElement);
}

TEST(ConvertAttributeTest, EmptyAndAbsentAttributeArrays) {
    KivArray<KivAttributeElement> empty = KivArray<KivAttributeElement>::emptyArray();
    BerList* list = nullptr;
    KivAttributeListToCodec(&list, &empty);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, 0);
    KivArray<KivAttributeElement> back;
    KivAttributeListFromCodec(&back, list);
    EXPECT_TRUE(back.present());
    EXPECT_EQ(back.size(), 0u);
    MemFree(list);

    KivArray<KivAttributeElement> absent;
    BerList* none = nullptr;
    KivAttributeListToCodec(&none, &absent);
    EXPECT_EQ(none, nullptr);
}

// ---- OtherInformation ----

std::unique_ptr<KivOtherInformation> informationItem(int32_t type) {
    auto item = std::make_unique<KivOtherInformation>();
    item->eInformationType = type;
    auto& member = item->uInformation;
    switch (type) {
        case IT_CharacterInfo:
            member.psCharacterInfo = std::make_unique<KivInternationalString>(text("ab"));
            break;
        case IT_BinaryInfo:
            member.psBinaryInfo = std::make_unique<KivOctets>(octets(std::string("\0\1", 2)));
            break;
        case IT_ExternalInfo:
            member.psExternallyDefinedInfo = std::make_unique<KivExternal>();
            member.psExternallyDefinedInfo->pcObjectIdentifier = "1.2.840.10003.10.3";
            member.psExternallyDefinedInfo->eValueType = EVT_OctetAligned;
            member.psExternallyDefinedInfo->uExternalValue.psOctetAligned = std::make_unique<KivOctets>();
            break;
        default:
            member.pcObjectIdentifier = "1.2.840.10003.3.1";
            break;
    }
    return item;
}

TEST(ConvertOtherInformationTest, ItemsOfEveryKindRoundTrip) {
    KivArray<KivOtherInformation> info;
    for (int32_t type : {IT_CharacterInfo, IT_BinaryInfo, IT_ExternalInfo, IT_ObjectIdentifier}) {
        info.append(informationItem(type));
    }
    info[0]->psInfoCategory = std::make_unique<KivInfoCategory>(KivInfoCategory{"1.2.840.10003.13.1", 7});
    info[1]->psInfoCategory = std::make_unique<KivInfoCategory>(KivInfoCategory{std::nullopt, 8});

    Received received = roundTrip(rpnQuery(termNode("a")), info);
    for (const KivArray<KivOtherInformation>* back :
         {&received.otherInformation, &received.additionalSearchInfo}) {
        ASSERT_EQ(back->size(), 4u);
        const KivArray<KivOtherInformation>& items = *back;
        EXPECT_EQ(items[0]->psInfoCategory->pcCategoryTypeId, "1.2.840.10003.13.1");
        EXPECT_EQ(items[0]->psInfoCategory->ulCategoryValue, 7u);
        EXPECT_EQ(items[0]->uInformation.psCharacterInfo->pcValue, "ab");
        EXPECT_EQ(items[1]->psInfoCategory->pcCategoryTypeId, std::nullopt);
        EXPECT_EQ(items[1]->psInfoCategory->ulCategoryValue, 8u);
        EXPECT_EQ(items[1]->uInformation.psBinaryInfo->pcValue, std::string("\0\1", 2));
        EXPECT_EQ(items[2]->psInfoCategory, nullptr);
        ASSERT_EQ(items[2]->eInformationType, IT_ExternalInfo);
        EXPECT_EQ(items[2]->uInformation.psExternallyDefinedInfo->eValueType, EVT_OctetAligned);
        EXPECT_EQ(items[2]->uInformation.psExternallyDefinedInfo->uExternalValue.psOctetAligned->pcValue, "");
        EXPECT_EQ(items[3]->eInformationType, IT_ObjectIdentifier);
        EXPECT_EQ(items[3]->uInformation.pcObjectIdentifier, "1.2.840.10003.3.1");
    }
}

TEST(ConvertOtherInformationTest, CharacterInfoItemIsWrittenAsTheStandardSays) {
    KivArray<KivOtherInformation> info;
    info.append(informationItem(IT_CharacterInfo));
    BerList* list = nullptr;
    KivOptionalOtherInformationToCodec(&list, &info);
    ASSERT_NE(list, nullptr);
    std::vector<uint8_t> block(64);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    const uint32_t count = codec::z3950::EncodeOtherInformationContent(buf, list);
    EXPECT_EQ(std::vector<uint8_t>(buf.start, buf.start + count),
              (std::vector<uint8_t>{0x30, 0x04, 0x82, 0x02, 'a', 'b'}));
    codec::z3950::FreeOtherInformation(list);
    MemFree(list);
}

TEST(ConvertOtherInformationTest, EmptyArraysAndListsAndUnknownAlternatives) {
    KivArray<KivOtherInformation> empty = KivArray<KivOtherInformation>::emptyArray();
    BerList* list = nullptr;
    KivOptionalOtherInformationToCodec(&list, &empty);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, 0);

    // An item with an alternative out of range arrives without a type or member.
    auto* item = kivNewCodecRecord<codec::z3950::OtherInformationItem>();
    kivCodecListAppend(list, item);
    item->information = kivNewCodecRecord<codec::z3950::OtherInformationItemInformation>();
    item->information->choiceId = codec::z3950::OtherInformationItemInformation::kAlternatives;
    KivArray<KivOtherInformation> back;
    KivOptionalOtherInformationFromCodec(&back, list);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0]->eInformationType, 0);
    codec::z3950::FreeOtherInformation(list);
    MemFree(list);

    KivArray<KivOtherInformation> untouched;
    KivOptionalOtherInformationFromCodec(&untouched, nullptr);
    EXPECT_FALSE(untouched.present());
}

}  // namespace
}  // namespace convert_query_cases
