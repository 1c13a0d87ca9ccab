// A failed identifier conversion while the packages of generated file f are registered. A program of its
// own: the registry keeps the first entry of every key for the life of the process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/oid_text.h"
#include "toolkit/codec/records/oid_overwrites_f.h"

namespace {

int conversions = 0;

// ASN_MakeOid, out of memory at the fourth text (1.2.840.10003.9.7).
void failingAtTheFourth(const char* text, BerOid* out, BerDecodeContext& ctx) {
    if (++conversions == 4) BerDecodeContext::raise(kBerNoMemory);
    ASN_MakeOid(text, out, ctx);
}

int anyIdAt(const std::string& oidOctets) {
    std::vector<uint8_t> octets = hexOctets(oidOctets);
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any.entry != nullptr ? any.entry->anyId : -1;
}

TEST(PackageRegistrationFailure, LaterTypesStayUnderTheirPlaceholders) {
    ::testing::internal::CaptureStderr();
    codec::records::registerCarriedTypes(codec::records::kFTypeTable, failingAtTheFourth);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Fatal event: ASN_MakeOid failed for oid_overwrites_f\n");
    EXPECT_EQ(conversions, 4);  // searchResult-1 (10.1) is not converted after the failure

    EXPECT_EQ(anyIdAt("2A 86 48 CE 13 09 04"), 14);
    EXPECT_EQ(anyIdAt("2A 86 48 CE 13 09 05"), 15);
    EXPECT_EQ(anyIdAt("2A 86 48 CE 13 09 06"), 16);
    EXPECT_EQ(anyIdAt("2A 86 48 CE 13 09 07"), -1);
    EXPECT_EQ(anyIdAt("2A 86 48 CE 13 0A 01"), -1);
    EXPECT_EQ(anyIdAt("3B"), 19);
    EXPECT_EQ(anyIdAt("3C"), 17);
    EXPECT_EQ(anyIdAt("36"), 13);
    EXPECT_EQ(anyIdAt("37"), 18);
    EXPECT_EQ(anyIdAt("3D"), 20);
    EXPECT_EQ(anyIdAt("38"), -1);  // Item Order was converted: its placeholder holds nothing
}

}  // namespace
