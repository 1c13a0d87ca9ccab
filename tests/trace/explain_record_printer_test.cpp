// The Explain record printer: a record of every category against golden trace text byte for byte, and the
// absent members and values outside the printer's tables.

#include "toolkit/trace/explain_record_printer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/external/explain_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/trace_printers.h"

namespace explain_record_printer_cases {
namespace {

using namespace explain_test;
using trace_test::printed;
using trace_test::readFile;

std::string contentOf(const KivExternal& external) {
    return printed([&](std::FILE* f) { KivPrintExplainRecordContent(f, &external); });
}

TEST(ExplainRecordPrinter, EveryCategoryAsTheGoldenTrace) {
    std::string text;
    for (const NamedExplainRecord& sample : everyCategory())
        text += contentOf(*explainExternal(sample.make()));
    EXPECT_EQ(text, readFile(QUORVANE_TEST_SOURCE_DIR "/golden/explain_records.txt"));
}

TEST(ExplainRecordPrinter, BothIdentifiersSelectThePrinter) {
    for (const char* oid : {kExplainOid, kExplainIsoOid}) {
        const auto external = explainExternal(everyCategory()[ERT_Units - 1].make(), oid);
        EXPECT_NE(printed([&](std::FILE* f) {
                      KivPrintExternal(f, external.get());
                  }).find("\tpsExplainRecord:\neExplainRecordType: ERT_Units\npsUnitInfo:\n"),
                  std::string::npos)
            << oid;
    }
}

TEST(ExplainRecordPrinter, AbsentRecordsCategoriesAndMembers) {
    auto none = explainExternal(nullptr);
    EXPECT_EQ(contentOf(*none), "\tpsExplainRecord:\neExplainRecordType: ");
    auto unknown = std::make_unique<KivExplainRecord>();
    unknown->eExplainRecordType = ERT_Invalid;
    EXPECT_EQ(contentOf(*explainExternal(std::move(unknown))), "\tpsExplainRecord:\neExplainRecordType: ");
    auto empty = std::make_unique<KivExplainRecord>();
    empty->eExplainRecordType = ERT_TargetInfo;
    EXPECT_EQ(contentOf(*explainExternal(std::move(empty))),
              "\tpsExplainRecord:\neExplainRecordType: ERT_TargetInfo\npsTargetInfo: NULL\n");

    // A primitive data type without a name prints its label and nothing after it; a zero-filled wait action
    // prints the label and the line end alone.
    auto tagSet = everyCategory()[ERT_TagSetInfo - 1].make();
    tagSet->uExplainRecord.psTagSetInfo->ppsElements[0]->peDataType = 9;
    EXPECT_NE(contentOf(*explainExternal(std::move(tagSet))).find("peDataType: ppsOtherInformation: "),
              std::string::npos);
    auto services = everyCategory()[ERT_ExtendedServicesInfo - 1].make();
    services->uExplainRecord.psExtendedServicesInfo->eWaitAction = 0;
    EXPECT_NE(contentOf(*explainExternal(std::move(services)))
                  .find("\npeExtendedServicesInfoInt: \nppsDescription"),
              std::string::npos);
}

// Element descriptions nested past the print depth print the too-deep line instead of recursing further.
TEST(ExplainRecordPrinter, DeeplyNestedElementsStopAtThePrintDepth) {
    const std::string text = contentOf(*explainExternal(nestedSchema(trace::kMaxPrintDepth + 5)));
    EXPECT_NE(text.find(trace::kTooDeepLine), std::string::npos);
}

}  // namespace
}  // namespace explain_record_printer_cases
