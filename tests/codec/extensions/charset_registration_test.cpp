// Character-set and language negotiation in the type registry, under both identifier arcs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/extensions/charset.h"

namespace x = codec::extensions;

namespace {

struct Decoded {
    const BerAnyEntry* entry = nullptr;
    int code = 0;
    std::string printed;
    std::vector<uint8_t> encoded;
};

// Binds the identifier's contents octets, decodes the whole value through the registry, prints it and
// encodes it again.
Decoded throughRegistry(const std::string& oidOctets, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> octets = hexOctets(oidOctets);
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    Decoded result;
    result.entry = any.entry;
    if (any.entry == nullptr) return result;
    BerBuffer in = berDecodeBuffer(value.data(), value.size());
    BerDecodeContext ctx(value.size());
    uint32_t counter = 0;
    try {
        ASN_DecodeAny(in, &any, counter, ctx);
    } catch (const BerDecodeError& error) {
        result.code = error.code;
    }
    if (result.code == 0) {
        char* text = nullptr;
        size_t size = 0;
        std::FILE* out = open_memstream(&text, &size);
        any.entry->print(out, any.value, 0);
        std::fclose(out);
        result.printed.assign(text, size);
        std::free(text);
        result.encoded.resize(value.size());
        BerBuffer encoder = berEncodeBuffer(result.encoded.data(), result.encoded.size());
        ASN_EncodeAny(encoder, &any);
    }
    ASN_FreeAny(&any);
    return result;
}

TEST(CharsetRegistration, BothArcsDecodeTheSameRecords) {
    KivRegisterCodecTypes();
    const std::vector<uint8_t> value = hexOctets("A2 0B A1 02 84 00 82 02 65 6E 83 01 FF");
    const Decoded z3950 = throughRegistry("2A 86 48 CE 13 0A 02", value);
    const Decoded iso = throughRegistry("28 CF 33 0A 02", value);
    ASSERT_NE(z3950.entry, nullptr);
    ASSERT_NE(iso.entry, nullptr);
    EXPECT_EQ(z3950.entry->anyId, 39);
    EXPECT_EQ(iso.entry->anyId, 32);
    for (const Decoded* decoded : {&z3950, &iso}) {
        EXPECT_EQ(decoded->entry->valueSize, static_cast<int>(sizeof(x::CharSetandLanguageNegotiation)));
        EXPECT_EQ(decoded->entry->decode, x::any::DecodeCharSetandLanguageNegotiation);
        EXPECT_EQ(decoded->code, 0);
        EXPECT_EQ(decoded->encoded, value);
    }
    EXPECT_EQ(z3950.printed, iso.printed);
    EXPECT_NE(z3950.printed.find("selectedLanguage '656e'H"), std::string::npos) << z3950.printed;
}

// Version 3, as yaz-client proposes UTF-8: an ISO 10646 set without collections, which the first format
// refuses.
TEST(CharsetRegistration, Version3LeavesOutTheCollections) {
    KivRegisterCodecTypes();
    const std::vector<uint8_t> value = hexOctets("A1 0F A1 0A A2 08 82 06 28 D3 16 01 00 08 83 01 FF");
    const Decoded v3 = throughRegistry("2A 86 48 CE 13 0F 03", value);
    ASSERT_NE(v3.entry, nullptr);
    EXPECT_EQ(v3.entry->anyId, 40);
    EXPECT_EQ(v3.code, 0);
    EXPECT_EQ(v3.encoded, value);
    EXPECT_NE(
        v3.printed.find("iso10646 { -- SEQUENCE --\n                    encodingLevel {1 0 10646 1 0 8}"),
        std::string::npos)
        << v3.printed;
    EXPECT_EQ(throughRegistry("2A 86 48 CE 13 0A 02", value).code, -112);
}

TEST(CharsetRegistration, WrongAlternativeFailsUnderEachIdentifier) {
    KivRegisterCodecTypes();
    for (const char* arc : {"2A 86 48 CE 13 0A 02", "28 CF 33 0A 02"}) {
        SCOPED_TRACE(arc);
        EXPECT_EQ(throughRegistry(arc, hexOctets("A3 00")).code, -141);
    }
    EXPECT_EQ(throughRegistry("2A 86 48 CE 13 0F 03", hexOctets("A3 00")).code, -110);
}

}  // namespace
