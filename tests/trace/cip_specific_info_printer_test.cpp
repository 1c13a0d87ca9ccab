// The CIP specific-information printer: every alternative against golden trace text byte for byte, and the
// lines of absent parts and of values outside the printer's tables.

#include "toolkit/trace/cip_specific_info_printer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/external/cip_specific_info_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/external_printer.h"

namespace cip_specific_info_printer_cases {
namespace {

using namespace cip_test;
using trace_test::printed;
using trace_test::readFile;

std::string content(KivCIPSpecificInfo info) {
    const auto external = cipExternal(std::move(info));
    return printed([&](std::FILE* f) { KivPrintCIPSpecificInfoContent(f, external.get()); });
}

TEST(CipSpecificInfoPrinter, EveryAlternativeAsTheGoldenTrace) {
    const auto search = cipExternal(searchControl(SCI_ProductDescriptorSearch, SCI1_LocalSearch));
    const auto wrsgrs = cipExternal(term(CTT_Wrsgrs));
    const auto circle = cipExternal(term(CTT_Circle));
    const auto period = cipExternal(term(CTT_TemporalPeriod));
    const auto explain = cipExternal(explainInfo());
    EXPECT_EQ(printed([&](std::FILE* f) {
                  for (const auto* external :
                       {search.get(), wrsgrs.get(), circle.get(), period.get(), explain.get()})
                      KivPrintExternal(f, external);
              }),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/cip_specific_info.txt"));
}

TEST(CipSpecificInfoPrinter, AbsentPartsAndUnknownSelectors) {
    auto external = cipExternal(explainInfo());
    external->uExternalValue.psSingleASN1Type->uASN1.psCIPSpecificInfo.reset();
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintCIPSpecificInfoContent(f, external.get()); }), "");

    EXPECT_EQ(content(searchControl(0, SCI1_WideSearch)),
              "psCIPSpecificInfo:\neCIPSpecificInfoType: CSIT_SearchControl\npsSearchControl:\n"
              "eItemDescriptorType: \neSearchScope: SCI1_WideSearch\n");
    EXPECT_EQ(content(term(5)),
              "psCIPSpecificInfo:\neCIPSpecificInfoType: CSIT_Term\npsTerm:\neCIPTermType: \n");

    auto noFrames = term(CTT_Wrsgrs);
    noFrames.uCIPSpecificInfo.psTerm->uCIPTermType.psWrsgrs->ppsFrames = KivArray<uint32_t>::emptyArray();
    EXPECT_TRUE(content(std::move(noFrames)).ends_with("psWrsgrs:\nulTrack: 7\nppsFrames:\n"));

    auto bare = explainInfo();
    KivExplainInfo& explain = *bare.uCIPSpecificInfo.psExplainInfo;
    explain.psShortMeaning.reset();
    explain.psUnit.reset();
    explain.psSpecificInstance.reset();
    explain.psComment.reset();
    EXPECT_TRUE(content(std::move(bare))
                    .ends_with("psExplainInfo:\npsShortMeaning: NULL\npsUnit: NULL\npsSpecificInstance: "
                               "NULL\npsComment: NULL\n"
                               "sVersion: 1.0\nHex: 312e30\nsValueSyntax: integer\nHex: 696e7465676572\n"));
}

}  // namespace
}  // namespace cip_specific_info_printer_cases
