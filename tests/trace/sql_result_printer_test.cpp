// The SQL result-set printer: a result that fills every member, against golden trace text byte for byte,
// values outside the printer's tables, absent compulsory members and nesting past the bound.

#include "toolkit/trace/sql_result_printer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/external/sql_result_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/print_depth.h"

namespace sql_result_printer_cases {
namespace {

using namespace sql_test;
using trace_test::printed;
using trace_test::readFile;

std::string resultOf(KivSQLResult result) {
    const auto external = sqlExternal(std::move(result));
    return printed([&](std::FILE* f) { KivPrintSQLResult(f, external.get()); });
}

TEST(SqlResultPrinter, EveryFieldAsTheGoldenTrace) {
    const auto external = sqlExternal(fullResult());
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExternal(f, external.get()); }),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/sql_result.txt"));
}

TEST(SqlResultPrinter, ValuesOutsideTheTablesPrintEmptyNames) {
    KivSQLResult result;
    auto type = std::make_unique<KivSQLDataTypeDescriptor>();
    type->eSQLDataTypeDescriptor = SDTD_PredefinedType;
    type->uSQLDataTypeDescriptor.psPredefinedType = std::make_unique<KivSQLPredefinedType>();
    result.ppsListOfSQLDataTypeDescriptor.append(std::move(type));
    auto interval = std::make_unique<KivSQLValueChoice>();
    interval->eSQLValueChoiceChoiceId = 0;
    result.ppsListOfSQLResultValues.emplace()->ppsListOfSQLValue.emplace()->psDataItem = std::move(interval);
    EXPECT_EQ(resultOf(std::move(result)),
              "psSQLResult:\nppsListOfSQLDataTypeDescriptor:\npsListOfSQLDataTypeDescriptor:\n"
              "eSQLDataTypeDescriptor: SDTD_PredefinedType\npsSQLPredefinedTypeDescriptorChoice:\n"
              "eSQLPredefinedTypeDescriptorChoice: \nppsListOfSQLResultValues:\npsListOfSQLResultValues:\n"
              "psSqlException: NULL\nppsListOfSQLValue:\npsListOfSQLValue:\npsDataItem:\n"
              "eSQLValueChoiceChoiceId: \n");
}

// Absent compulsory members print their label lines or nothing, never a crash.
TEST(SqlResultPrinter, AbsentMembersAreNotFollowed) {
    KivSQLResult result = fullResult();
    auto& types = result.ppsListOfSQLDataTypeDescriptor;
    types[12]
        ->uSQLDataTypeDescriptor.psPredefinedType->sSQLPredefinedTypeDescriptorChoice
        .uSQLPredefinedTypeDescriptorChoice.psBitVarType.reset();
    types[18]->uSQLDataTypeDescriptor.psCollectionType->uSQLCollectionTypeDescriptor.psConstructor.reset();
    types[19]->uSQLDataTypeDescriptor.psUserDefinedType->uSQLCollectionTypeDescriptor.psAdt.reset();
    types[16]->uSQLDataTypeDescriptor.ppsRowType[0]->pvDataType.reset();
    result.ppsListOfSQLResultValues[0]->ppsListOfSQLValue[0]->psDataItem.reset();
    const std::string trace = resultOf(std::move(result));
    EXPECT_NE(
        trace.find("eSQLPredefinedTypeDescriptorChoice: SPTD_BitvarType\npsListOfSQLDataTypeDescriptor:\n"),
        std::string::npos);
    EXPECT_NE(trace.find("sName: id\nHex: 6964\npsListOfSQLDataTypeDescriptor: NULL\n"), std::string::npos);
    EXPECT_NE(
        trace.find("eSQLUserDefinedTypeDescriptorChoiceId: SUDTD_Adt\npsListOfSQLDataTypeDescriptor:\n"),
        std::string::npos);
    EXPECT_NE(trace.find("psListOfSQLValue:\npsDataItem: NULL\n"), std::string::npos);
}

TEST(SqlResultPrinter, NestingPastTheBoundIsCutShort) {
    KivSQLResult result;
    auto outer = std::make_unique<KivSQLDataTypeDescriptor>();
    KivSQLDataTypeDescriptor* inner = outer.get();
    for (int level = 0; level < trace::kMaxPrintDepth + 10; ++level) {
        inner->eSQLDataTypeDescriptor = SDTD_ReferenceType;
        inner = (inner->uSQLDataTypeDescriptor.psReferenceType = std::make_unique<KivSQLDataTypeDescriptor>())
                    .get();
    }
    result.ppsListOfSQLDataTypeDescriptor.append(std::move(outer));
    const std::string trace = resultOf(std::move(result));
    EXPECT_TRUE(trace.ends_with(std::string("eSQLDataTypeDescriptor: SDTD_ReferenceType\n") +
                                trace::kTooDeepLine + "ppsListOfSQLResultValues: NULL\n"));
}

}  // namespace
}  // namespace sql_result_printer_cases
