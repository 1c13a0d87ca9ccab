// The GRS-1 record printer: a record with every kind of element data, metadata and variant value, and the
// values outside the printer's tables, against golden trace text byte for byte.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "tests/external/grs1_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/trace_printers.h"

namespace generic_record_printer_cases {
namespace {

using namespace grs1_test;
using trace_test::printed;
using trace_test::readFile;

// An element whose subtree holds the elements of a sample record.
void addSample(KivGenericRecord& record, const std::string& tag, KivGenericRecord sample) {
    KivTaggedElement* element = addElement(record.ppsTaggedElement, tag);
    element->sContent.eElementDataGType = EDT_Subtree;
    element->sContent.uElementDataG.ppsSubTree = std::move(sample.ppsTaggedElement);
}

// Selectors and members the printer's tables do not list, or that are absent where a value is due.
void addOddValues(KivGenericRecord& record) {
    addElement(record.ppsTaggedElement, "content 20")->sContent.eElementDataGType = 20;
    addElement(record.ppsTaggedElement, "invalid content")->sContent.eElementDataGType = EDT_Invalid;
    addElement(record.ppsTaggedElement, "no date")->sContent.eElementDataGType = EDT_Date;
    KivTaggedElement* odd = addNumericElement(record.ppsTaggedElement, 0);
    odd->sContent.eElementDataGType = EDT_ElementEmpty;
    odd->psMetaData = std::make_unique<KivMetaData>();
    odd->psMetaData->psUsageRight = std::make_unique<KivUsageRight>();
    odd->psMetaData->psUsageRight->eType = UIT_Invalid;
    KivHits* hit = odd->psMetaData->ppsHits.emplace();
    hit->psSatisfier = std::make_unique<KivTerm>();
    hit->psSatisfier->eTermType = TT_DateTime;
    odd->psMetaData->ppsHits.emplace()->psSatisfier = std::make_unique<KivTerm>();
    odd->psAppliedVariant = std::make_unique<KivVariant>();
    for (int32_t type : {int32_t{VVT_Invalid}, int32_t{0}, int32_t{VVT_Unit}}) {
        odd->psAppliedVariant->ppsTriples.emplace()->sValue.eVariantValueType = type;
    }
    KivTaggedElement* unlisted = addNumericElement(record.ppsTaggedElement, 1);
    unlisted->sContent.eElementDataGType = EDT_NoDataRequested;
    unlisted->psMetaData = std::make_unique<KivMetaData>();
    unlisted->psMetaData->psUsageRight = std::make_unique<KivUsageRight>();
    unlisted->psMetaData->psUsageRight->eType = 9;
}

TEST(GenericRecordPrinter, EveryFieldAsTheGoldenTrace) {
    KivGenericRecord record;
    addSample(record, "every content", everyContentRecord());
    addSample(record, "metadata", metaDataRecord());
    addSample(record, "variants", variantRecord());
    addOddValues(record);
    const auto external = grsExternal(std::move(record));
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExternal(f, external.get()); }),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/generic_record.txt"));
}

TEST(GenericRecordPrinter, BothIdentifiersSelectThePrinter) {
    const auto first = grsExternal(emptyRecord(), kGrs1Oid);
    const auto iso = grsExternal(emptyRecord(), kGrs1IsoOid);
    const std::string record = "psGenericRecord:\nppsTaggedElement:\n";
    EXPECT_TRUE(printed([&](std::FILE* f) { KivPrintExternal(f, first.get()); }).ends_with(record));
    EXPECT_TRUE(printed([&](std::FILE* f) { KivPrintExternal(f, iso.get()); }).ends_with(record));
}

TEST(GenericRecordPrinter, AnAbsentRecordPrintsNothing) {
    auto external = grsExternal(emptyRecord());
    external->uExternalValue.psSingleASN1Type->uASN1.psGenericRecord.reset();
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintGenericRecordContent(f, external.get()); }), "");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExternal(f, external.get()); }),
              "\n\tObjectIdentifier: 1.2.840.10003.5.105\n\teValueType: EVT_SingleASN1Type\n"
              "\teASN1Type: AT_GenericRecord\n");
}

TEST(GenericRecordPrinter, NestingPastThePrintDepthIsCutShort) {
    const auto external = grsExternal(nestedRecord(400));
    const std::string text = printed([&](std::FILE* f) { KivPrintGenericRecordContent(f, external.get()); });
    const std::string cut = std::string("eElementDataGType: EDT_Subtree\n") + trace::kTooDeepLine +
                            "psMetaData: NULL\npsAppliedVariant: NULL\n";
    EXPECT_NE(text.find(cut), std::string::npos);
    EXPECT_EQ(text.find(trace::kTooDeepLine), text.rfind(trace::kTooDeepLine));
    EXPECT_TRUE(text.ends_with("psMetaData: NULL\npsAppliedVariant: NULL\n"));
}

}  // namespace
}  // namespace generic_record_printer_cases
