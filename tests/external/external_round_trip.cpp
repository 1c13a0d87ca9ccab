#include "tests/external/external_round_trip.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/z3950/external.h"
#include "toolkit/trace/external_printer.h"

namespace {

using codec::z3950::EXTERNAL;

const GeneratedType kExternal =
    describeType<EXTERNAL, codec::z3950::EncodeEXTERNALContent, codec::z3950::DecodeEXTERNALContent,
                 codec::z3950::PrintEXTERNAL, codec::z3950::FreeEXTERNAL>("EXTERNAL", 0x28000000, {});

}  // namespace

std::unique_ptr<KivExternal> throughCodec(const KivExternal& sent) {
    KivRegisterCodecTypes();
    std::vector<uint8_t> octets;
    {
        GeneratedRecord codec(kExternal);
        KivExternalToCodec(static_cast<EXTERNAL*>(codec.get()), &sent);
        octets = encodeElement(kExternal, codec.get());
    }
    GeneratedRecord codec(kExternal);
    EXPECT_EQ(decodeElement(kExternal, octets, codec.get()).code, 0);
    auto received = std::make_unique<KivExternal>();
    KivExternalFromCodec(received.get(), static_cast<const EXTERNAL*>(codec.get()));
    return received;
}

std::string traced(const KivExternal& external) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&buffer, &size);
    KivPrintExternal(file, &external);
    std::fclose(file);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}
