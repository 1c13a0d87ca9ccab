// The trace of received interlibrary-loan APDUs: the EXTERNALs of the fuzz seeds decoded, converted as the
// toolkit hands them to the application and printed, against golden trace text. A received APDU leaves out
// much that one the toolkit sends must hold; each absent member prints NULL.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/codec/z3950/external.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using codec::z3950::EXTERNAL;
using trace_test::printed;
using trace_test::readFile;

const GeneratedType kExternal =
    describeType<EXTERNAL, codec::z3950::EncodeEXTERNALContent, codec::z3950::DecodeEXTERNALContent,
                 codec::z3950::PrintEXTERNAL, codec::z3950::FreeEXTERNAL>("EXTERNAL", 0x28000000, {});

// The trace of the seed's EXTERNAL as the toolkit receives it.
std::string receivedTrace(const std::string& seed) {
    KivRegisterCodecTypes();
    const std::string ber = readFile(QUORVANE_TEST_SOURCE_DIR "/../../fuzz/corpus/fuzz_external/" + seed + ".ber");
    GeneratedRecord record(kExternal);
    EXPECT_EQ(decodeElement(kExternal, std::vector<uint8_t>(ber.begin(), ber.end()), record.get()).code, 0) << seed;
    KivExternal external;
    KivExternalFromCodec(&external, static_cast<EXTERNAL*>(record.get()));
    return printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
}

TEST(IllReceivedTrace, SeedsPrintAsTheGoldenTrace) {
    EXPECT_EQ(receivedTrace("ill_request_extensions_800_799") + receivedTrace("ill_status_or_error_report"),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/ill_received.txt"));
}

}  // namespace
