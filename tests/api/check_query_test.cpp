#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/api/query_builders.h"
#include "tests/util/process_log_fixture.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_check_query.h"

using namespace query_test;

namespace check_query_cases {
namespace {

constexpr const char* kQueryPath = "psSearchReq->psQuery->";
constexpr const char* kRoot = "psSearchReq->psQuery->uQuery.psRpnQuery->sRpnStructure.";
const std::string kOperand =
    std::string(kRoot) + "uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm->";
const std::string kLopRop = std::string(kRoot) + "uRPNStructure.psRpnLopRopOperator";

// A fault planted in an otherwise valid query, with the code and message it must give.
struct QueryFault {
    const char* name;
    std::function<void(KivQuery&)> plant;
    long code;
    std::string message;
};

using validation_messages::missing;
using validation_messages::outOfRange;
std::string invalidOidQuery(const std::string& path) {
    return "Invalid oid value " + path + " given";
}
std::string invalidBooleanQuery(const std::string& path) {
    return "Invalid boolean value " + path + " given";
}

KivAttributesPlusTerm& plusOf(KivQuery& query) {
    return *query.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm;
}
KivTerm& termOf(KivQuery& query) {
    return plusOf(query).sTerm;
}
KivRpnLopRopOperator& topOf(KivQuery& query) {
    return *query.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnLopRopOperator;
}
KivProximityOperator& proxOf(KivQuery& query) {
    return *topOf(query).sOperator.psProximityOperator;
}

KivQuery operandQuery() {
    return rpnQuery(termNode("cat"));
}
KivQuery proxQuery() {
    return rpnQuery(operatorNode(kProx, termNode("a"), termNode("b"), proximity(1u, PUT_Known, KPU_Word)));
}

class CheckQueryTest : public ProcessLogFixture {
  protected:
    void expectFault(const KivQuery& query, long code, const std::string& message) {
        createLog();
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckQuery(0, &query, kQueryPath, &error), 1);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, code);
        EXPECT_EQ(loggedDiagnostic(), message);
        SIFreeError(&error);
    }
    void runTable(KivQuery (*make)(), const std::vector<QueryFault>& faults) {
        for (const QueryFault& fault : faults) {
            SCOPED_TRACE(fault.name);
            KivQuery query = make();
            SIError* error = nullptr;
            ASSERT_EQ(KivCheckQuery(0, &query, kQueryPath, &error), 0);
            fault.plant(query);
            expectFault(query, fault.code, fault.message);
        }
    }
};

TEST_F(CheckQueryTest, QueryTypesAndTheirMembers) {
    auto member = [](const char* name) { return missing(std::string(kQueryPath) + "uQuery." + name); };
    runTable(
        operandQuery,
        {
            {"type 0", [](KivQuery& q) { q.eQueryType = 0; }, 66,
             outOfRange(std::string(kQueryPath) + "eQueryType")},
            {"type 8", [](KivQuery& q) { q.eQueryType = 8; }, 66,
             outOfRange(std::string(kQueryPath) + "eQueryType")},
            {"private", [](KivQuery& q) { q.eQueryType = QT_Private; }, 64, member("psPrivateQuery")},
            {"rpn", [](KivQuery& q) { q.uQuery.psRpnQuery.reset(); }, 64, member("psRpnQuery")},
            {"iso8777", [](KivQuery& q) { q.eQueryType = QT_Iso8777; }, 64, member("psIso8777Query")},
            {"z39.58", [](KivQuery& q) { q.eQueryType = QT_Z3958; }, 64, member("psZ3958Query")},
            {"erpn", [](KivQuery& q) { q.eQueryType = QT_Erpn; }, 64, member("psErpnQuery")},
            {"natural language", [](KivQuery& q) { q.eQueryType = QT_NaturalLanguage; }, 64,
             member("psNaturalLanguageQuery")},
            {"sql", [](KivQuery& q) { q.eQueryType = QT_Sql; }, 64, member("psSQLQuery")},
            {"no attribute set", [](KivQuery& q) { q.uQuery.psRpnQuery->pcAttributeSetId.reset(); }, 73,
             invalidOidQuery("psSearchReq->psQuery->uQuery.psRpnQuery->pcAttributeSet")},
            {"one-arc attribute set", [](KivQuery& q) { q.uQuery.psRpnQuery->pcAttributeSetId = "1"; }, 73,
             invalidOidQuery("psSearchReq->psQuery->uQuery.psRpnQuery->pcAttributeSet")},
            {"structure type", [](KivQuery& q) { q.uQuery.psRpnQuery->sRpnStructure.eRpnStructureType = 3; },
             66, outOfRange(std::string(kRoot) + "eRpnStructureType")},
            {"no operand",
             [](KivQuery& q) { q.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnOperand.reset(); }, 64,
             missing(std::string(kRoot) + "uRPNStructure.psRpnOperand")},
        });
}

TEST_F(CheckQueryTest, ErpnAndSqlQueriesAreLookedInto) {
    KivQuery erpn = rpnQuery(termNode("a"), true);
    erpn.uQuery.psErpnQuery->pcAttributeSetId = "1.02";
    expectFault(erpn, 73, invalidOidQuery("psSearchReq->psQuery->uQuery.psErpnQuery->pcAttributeSet"));

    KivQuery sql;
    sql.eQueryType = QT_Sql;
    sql.uQuery.psSQLQuery = std::make_unique<KivSQLQuery>();
    sql.uQuery.psSQLQuery->pfAbstractDatabaseFlag = 2;
    expectFault(sql, 72, invalidBooleanQuery("*psSQLQuery->pfAbstractDatabaseFlag"));
}

TEST_F(CheckQueryTest, OperatorNodes) {
    const std::string op = kLopRop + "->sOperator.";
    const std::string prox = op + "psProximityOperator->";
    runTable(
        proxQuery,
        {
            {"no node",
             [](KivQuery& q) {
                 q.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnLopRopOperator.reset();
             },
             64, missing(kLopRop)},
            // The right subtree is broken too, but the first fault ends validation.
            {"no left operand",
             [](KivQuery& q) {
                 topOf(q).psLeftOperand.reset();
                 topOf(q).psRightOperand->eRpnStructureType = 0;
             },
             64, missing(kLopRop + "->psLeftOperand")},
            {"no right operand", [](KivQuery& q) { topOf(q).psRightOperand.reset(); }, 64,
             missing(kLopRop + "->psRightOperand")},
            {"fault in the right subtree",
             [](KivQuery& q) { topOf(q).psRightOperand->uRPNStructure.psRpnOperand->eOperandType = 4; }, 66,
             outOfRange(kLopRop + "->psRightOperand->uRPNStructure.psRpnOperand->eOperandType")},
            {"operator 0", [](KivQuery& q) { topOf(q).sOperator.eOperatorType = 0; }, 66,
             outOfRange(op + "eOperatorType")},
            {"operator 5", [](KivQuery& q) { topOf(q).sOperator.eOperatorType = 5; }, 66,
             outOfRange(op + "eOperatorType")},
            {"operator -1", [](KivQuery& q) { topOf(q).sOperator.eOperatorType = -1; }, 66,
             outOfRange(op + "eOperatorType")},
            {"prox without operator", [](KivQuery& q) { topOf(q).sOperator.psProximityOperator.reset(); }, 64,
             missing(op + "psProximityOperator")},
            {"exclusion 2", [](KivQuery& q) { proxOf(q).pfExclusion = 2; }, 72,
             invalidBooleanQuery(prox + "pfExclusion")},
            {"ordered 2", [](KivQuery& q) { proxOf(q).fOrdered = 2; }, 72,
             invalidBooleanQuery(prox + "fOrdered")},
            {"relation 0", [](KivQuery& q) { proxOf(q).eProximityRelationType = 0; }, 66,
             outOfRange(prox + "eProximityRelationType")},
            {"relation 7", [](KivQuery& q) { proxOf(q).eProximityRelationType = 7; }, 66,
             outOfRange(prox + "eProximityRelationType")},
            {"known unit 12",
             [](KivQuery& q) { proxOf(q).sProximityUnitCode.uProximityUnit.eKnownProximityUnit = 12; }, 66,
             outOfRange(prox + "sProximityUnitCode.uProximityUnit.eKnownProximityUnit")},
            {"unit type 3", [](KivQuery& q) { proxOf(q).sProximityUnitCode.eProximityUnitType = 3; }, 66,
             outOfRange(prox + "sProximityUnitCode.eProximityUnitType")},
        });
}

TEST_F(CheckQueryTest, ValidOperatorsPass) {
    for (int32_t op : {kOr, kAnd, kAndNot}) {
        KivQuery query = rpnQuery(operatorNode(op, termNode("a"), termNode("b")));
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckQuery(0, &query, kQueryPath, &error), 0) << op;
    }
    KivQuery query =
        rpnQuery(operatorNode(kProx, termNode("a"), termNode("b"), proximity(std::nullopt, PUT_Private, 99)));
    proxOf(query).sProximityUnitCode.uProximityUnit.eKnownProximityUnit =
        -1;  // not looked at for a private unit
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckQuery(0, &query, kQueryPath, &error), 0);
}

TEST_F(CheckQueryTest, Operands) {
    auto operand = [](KivQuery& q) -> KivRpnOperand& {
        return *q.uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnOperand;
    };
    const std::string path = std::string(kRoot) + "uRPNStructure.psRpnOperand->";
    runTable(operandQuery,
             {
                 {"type 0", [&](KivQuery& q) { operand(q).eOperandType = 0; }, 66,
                  outOfRange(path + "eOperandType")},
                 {"no attributes plus term",
                  [&](KivQuery& q) { operand(q).uOperand.psAttributesPlusTerm.reset(); }, 64,
                  missing(path + "uOperand.psAttributesPlusTerm")},
                 {"no result-set id", [&](KivQuery& q) { operand(q).eOperandType = 2; }, 64,
                  missing(path + "uOperand.psResultSetId")},
                 {"no result set plus attributes", [&](KivQuery& q) { operand(q).eOperandType = 3; }, 64,
                  missing(path + "uOperand.psResultSetPlusAttributes")},
                 {"result set without attributes",
                  [&](KivQuery& q) {
                      operand(q).eOperandType = 3;
                      operand(q).uOperand.psResultSetPlusAttributes =
                          std::make_unique<KivResultSetPlusAttributes>();
                  },
                  64, missing(path + "uOperand.psResultSetPlusAttributes->ppsAttributeElement")},
                 {"result set with a faulty attribute",
                  [&](KivQuery& q) {
                      operand(q).eOperandType = 3;
                      operand(q).uOperand.psResultSetPlusAttributes =
                          std::make_unique<KivResultSetPlusAttributes>();
                      operand(q).uOperand.psResultSetPlusAttributes->ppsAttributeElement.append(
                          numericAttribute(1, 1, "x"));
                  },
                  73,
                  invalidOidQuery(
                      path + "uOperand.psResultSetPlusAttributes->ppsAttributeElement[0]->pcAttributeSetId")},
             });
}

TEST_F(CheckQueryTest, AttributesAndTerms) {
    const std::string attribute2 = kOperand + "ppsAttributeElement[2]->";
    runTable(
        operandQuery,
        {
            {"no attribute array", [](KivQuery& q) { plusOf(q).ppsAttributeElement.reset(); }, 64,
             missing(kOperand + "ppsAttributeElement")},
            {"attribute set 1.02",
             [](KivQuery& q) { plusOf(q).ppsAttributeElement[0]->pcAttributeSetId = "1.02"; }, 73,
             invalidOidQuery(kOperand + "ppsAttributeElement[0]->pcAttributeSetId")},
            {"third attribute of three",
             [](KivQuery& q) {
                 plusOf(q).ppsAttributeElement.append(numericAttribute(2, 3));
                 plusOf(q).ppsAttributeElement.append(numericAttribute(3, 3));
                 plusOf(q).ppsAttributeElement[2]->sAttributeValue.eAttributeValueType = 3;
             },
             66, outOfRange(attribute2 + "sAttributeValue.eAttributeValueType")},
            {"complex without value",
             [](KivQuery& q) { plusOf(q).ppsAttributeElement[0]->sAttributeValue.eAttributeValueType = 2; },
             64,
             missing(kOperand + "ppsAttributeElement[0]->sAttributeValue.uAttributeValue.psComplexValue")},
            {"complex without list",
             [](KivQuery& q) {
                 plusOf(q).ppsAttributeElement.reset();
                 plusOf(q).ppsAttributeElement.append(complexAttribute(1, {1}));
                 plusOf(q)
                     .ppsAttributeElement[0]
                     ->sAttributeValue.uAttributeValue.psComplexValue->ppsList.reset();
             },
             64,
             missing(kOperand +
                     "ppsAttributeElement[0]->sAttributeValue.uAttributeValue.psComplexValue->ppsList")},
            {"complex list entry",
             [](KivQuery& q) {
                 plusOf(q).ppsAttributeElement.reset();
                 plusOf(q).ppsAttributeElement.append(complexAttribute(1, {}));
                 plusOf(q)
                     .ppsAttributeElement[0]
                     ->sAttributeValue.uAttributeValue.psComplexValue->ppsList[1]
                     ->eStringOrNumeric = 3;
             },
             66,
             outOfRange(kOperand +
                        "ppsAttributeElement[0]->sAttributeValue.uAttributeValue.psComplexValue->ppsList[1]->"
                        "eStringOrNumeric")},
            {"term type 0", [](KivQuery& q) { termOf(q).eTermType = 0; }, 66,
             outOfRange(kOperand + "sTerm.eTermType")},
            {"term type -1", [](KivQuery& q) { termOf(q).eTermType = -1; }, 66,
             outOfRange(kOperand + "sTerm.eTermType")},
            {"general", [](KivQuery& q) { termOf(q).uTerm.psGeneral.reset(); }, 64,
             missing(kOperand + "sTerm.uTerm.psGeneral")},
            {"character string", [](KivQuery& q) { termOf(q).eTermType = TT_SimpleCharacter; }, 64,
             missing(kOperand + "sTerm.uTerm.psSimpleCharacter")},
            {"oid absent", [](KivQuery& q) { termOf(q).eTermType = TT_ObjectIdentifier; }, 73,
             invalidOidQuery(kOperand + "sTerm.uTerm.pcObjectIdentifier")},
            {"oid 1..2",
             [](KivQuery& q) {
                 termOf(q).eTermType = TT_ObjectIdentifier;
                 termOf(q).uTerm.pcObjectIdentifier = "1..2";
             },
             73, invalidOidQuery(kOperand + "sTerm.uTerm.pcObjectIdentifier")},
            {"date and time", [](KivQuery& q) { termOf(q).eTermType = TT_DateTime; }, 64,
             missing(kOperand + "sTerm.uTerm.pcDateTime")},
            {"external", [](KivQuery& q) { termOf(q).eTermType = TT_External; }, 64,
             missing(kOperand + "sTerm.uTerm.psExternal")},
            {"external encoding 0",
             [](KivQuery& q) {
                 termOf(q).eTermType = TT_External;
                 termOf(q).uTerm.psExternal = std::make_unique<KivExternal>();
             },
             66, outOfRange(kOperand + "sTerm.uTerm.psExternal->eValueType")},
            {"integer and unit", [](KivQuery& q) { termOf(q).eTermType = TT_IntegerAndUnit; }, 64,
             missing(kOperand + "sTerm.uTerm.psIntegerAndUnit")},
            {"unit type",
             [](KivQuery& q) {
                 termOf(q).eTermType = TT_IntegerAndUnit;
                 termOf(q).uTerm.psIntegerAndUnit = std::make_unique<KivIntUnit>();
                 termOf(q).uTerm.psIntegerAndUnit->sUnitUsed.psUnitType =
                     std::make_unique<KivStringOrNumeric>();
             },
             66,
             outOfRange(kOperand + "sTerm.uTerm.psIntegerAndUnit->sUnitUsed.psUnitType->eStringOrNumeric")},
            {"unit string",
             [](KivQuery& q) {
                 termOf(q).eTermType = TT_IntegerAndUnit;
                 termOf(q).uTerm.psIntegerAndUnit = std::make_unique<KivIntUnit>();
                 termOf(q).uTerm.psIntegerAndUnit->sUnitUsed.psUnit = stringValue("m");
                 termOf(q).uTerm.psIntegerAndUnit->sUnitUsed.psUnit->uStringOrNumeric.psString.reset();
             },
             64,
             missing(kOperand + "sTerm.uTerm.psIntegerAndUnit->sUnitUsed.psUnit->uStringOrNumeric.psString")},
        });
}

TEST_F(CheckQueryTest, EmptyAttributeArraysAndValuelessTermsPass) {
    for (int32_t type : {TT_Numeric, TT_Null}) {
        KivQuery query = operandQuery();
        plusOf(query).ppsAttributeElement = KivArray<KivAttributeElement>::emptyArray();
        termOf(query).eTermType = type;
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckQuery(0, &query, kQueryPath, &error), 0) << type;
    }
}

// ---- OtherInformation ----

class CheckOtherInformationTest : public ProcessLogFixture {};

TEST_F(CheckOtherInformationTest, FaultyItems) {
    const std::string item0 = "psSearchReq->ppsOtherInformation[0]->";
    const std::string item1 = "psSearchReq->ppsOtherInformation[1]->";
    struct Case {
        const char* name;
        std::function<void(KivOtherInformation&)> plant;
        long code;
        std::string message;
        bool second = false;  // planted in the second of two items
    };
    const std::vector<Case> cases = {
        {"type 5", [](KivOtherInformation& i) { i.eInformationType = 5; }, 66,
         outOfRange(item0 + "eInformationType")},
        {"type 0 in the second item", [](KivOtherInformation& i) { i.eInformationType = 0; }, 66,
         outOfRange(item1 + "eInformationType"), true},
        {"character info", [](KivOtherInformation& i) { i.uInformation.psCharacterInfo.reset(); }, 64,
         missing(item0 + "uInformation.psCharacterInfo")},
        {"binary info", [](KivOtherInformation& i) { i.eInformationType = IT_BinaryInfo; }, 64,
         missing(item0 + "uInformation.psBinaryInfo")},
        {"external info", [](KivOtherInformation& i) { i.eInformationType = IT_ExternalInfo; }, 64,
         missing(item0 + "uInformation.psExternallyDefinedInfo")},
        {"external encoding 0",
         [](KivOtherInformation& i) {
             i.eInformationType = IT_ExternalInfo;
             i.uInformation.psExternallyDefinedInfo = std::make_unique<KivExternal>();
         },
         66, outOfRange(item0 + "uInformation.psExternallyDefinedInfo->eValueType")},
        {"oid absent", [](KivOtherInformation& i) { i.eInformationType = IT_ObjectIdentifier; }, 64,
         missing(item0 + "uInformation.pcObjectIdentifier")},
        {"oid 1.2.3.04",
         [](KivOtherInformation& i) {
             i.eInformationType = IT_ObjectIdentifier;
             i.uInformation.pcObjectIdentifier = "1.2.3.04";
         },
         73, invalidOidQuery(item0 + "uInformation.pcObjectIdentifier")},
        {"category 1..2",
         [](KivOtherInformation& i) {
             i.psInfoCategory = std::make_unique<KivInfoCategory>(KivInfoCategory{"1..2", 1});
         },
         73, invalidOidQuery(item0 + "psInfoCategory->pcCategoryTypeId")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KivArray<KivOtherInformation> items;
        for (int n = 0; n < 2; ++n) {
            auto item = std::make_unique<KivOtherInformation>();
            item->eInformationType = IT_CharacterInfo;
            item->uInformation.psCharacterInfo = std::make_unique<KivInternationalString>(text("ab"));
            items.append(std::move(item));
        }
        c.plant(*items[c.second ? 1 : 0]);
        createLog();
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckOtherInformation(0, &items, "psSearchReq->ppsOtherInformation", &error), 1);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code);
        EXPECT_EQ(loggedDiagnostic(), c.message);
        SIFreeError(&error);
    }
}

TEST_F(CheckOtherInformationTest, AbsentEmptyAndWellFormedArraysPass) {
    SIError* error = nullptr;
    KivArray<KivOtherInformation> absent;
    EXPECT_EQ(KivCheckOtherInformation(0, &absent, "p", &error), 0);
    KivArray<KivOtherInformation> empty = KivArray<KivOtherInformation>::emptyArray();
    EXPECT_EQ(KivCheckOtherInformation(0, &empty, "p", &error), 0);
    auto item = std::make_unique<KivOtherInformation>();
    item->psInfoCategory = std::make_unique<KivInfoCategory>(KivInfoCategory{std::nullopt, 1});
    item->eInformationType = IT_ObjectIdentifier;
    item->uInformation.pcObjectIdentifier = "1.2.840.10003.3.1";
    KivArray<KivOtherInformation> items;
    items.append(std::move(item));
    EXPECT_EQ(KivCheckOtherInformation(0, &items, "p", &error), 0);
    EXPECT_EQ(error, nullptr);
}

}  // namespace
}  // namespace check_query_cases
