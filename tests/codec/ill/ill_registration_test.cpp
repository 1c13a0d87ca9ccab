// Entries of the ILL module in the type registry, taken in their place by the start-up registration.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/codec/ill/ill_extension799.h"
#include "toolkit/codec/ill/ill_extension800.h"
#include "toolkit/codec/ill/oid_overwrites_ill.h"

namespace ill = codec::ill;

namespace {

const BerAnyEntry* boundByOctets(std::vector<uint8_t> octets) {
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any.entry;
}

const std::vector<uint8_t> kIllOid = {0x2A, 0xCF, 0x31, 0x02, 0x01};  // 1.2.10161.2.1
const std::vector<uint8_t> kExportInvocationTwin = {0x28, 0xCF, 0x33, 0x09, 0x07};  // 1.0.10163.9.7

const BerAnyEntry* boundByInt(int id) {
    BerAny any{};
    ASN_BindAnyByInt(&any, id);
    return any.entry;
}

TEST(IllRegistration, StartUpFilesTheApduAndBothExtensions) {
    KivRegisterCodecTypes();
    const BerAnyEntry* apdu = boundByOctets(kIllOid);
    ASSERT_NE(apdu, nullptr);
    EXPECT_EQ(apdu->anyId, 34);
    EXPECT_EQ(apdu->valueSize, static_cast<int>(sizeof(ill::ILLAPDU)));
    EXPECT_EQ(apdu->decode, ill::any::DecodeILLAPDU);
    // Any id 34 is also the export-invocation twin's; the identifiers keep them apart.
    ASSERT_NE(boundByOctets(kExportInvocationTwin), nullptr);
    EXPECT_NE(boundByOctets(kExportInvocationTwin)->decode, ill::any::DecodeILLAPDU);

    const BerAnyEntry* e800 = boundByInt(800);
    ASSERT_NE(e800, nullptr);
    EXPECT_EQ(e800->anyId, 38);
    EXPECT_EQ(e800->valueSize, static_cast<int>(sizeof(ill::IllExtension800)));
    EXPECT_EQ(e800->decode, ill::any::DecodeIllExtension800);
    const BerAnyEntry* e799 = boundByInt(799);
    ASSERT_NE(e799, nullptr);
    EXPECT_EQ(e799->anyId, 33);
    EXPECT_EQ(e799->encode, ill::any::EncodeIllExtension799);
}

void failingConversion(const char*, BerOid*, BerDecodeContext&) {
    BerDecodeContext::raise(kBerNoMemory);
}

// In a fresh registry: registers the table with its conversion failing, then tells what the placeholder and
// the real identifier bind.
void registerWithFailedConversion() {
    codec::records::registerCarriedTypes(ill::kIllTypeTable, failingConversion);
    uint8_t placeholder[] = {0xFF, 0x37};
    BerOid oid{2, placeholder};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    std::fprintf(stderr, "placeholder %d, real %s", any.entry != nullptr ? any.entry->anyId : -1,
                 boundByOctets(kIllOid) == nullptr ? "unbound" : "bound");
    std::exit(0);
}

TEST(IllRegistration, AFailedConversionLeavesThePlaceholder) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(registerWithFailedConversion(), ::testing::ExitedWithCode(0),
                "Fatal event: ASN_MakeOid failed for oid_overwrites_ill\nplaceholder 34, real unbound");
}

}  // namespace
