// A failed identifier conversion while the CIP and private packages are registered. A program of its own:
// the registry keeps the first entry of every key for the life of the process.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/extensions/oid_overwrites_ciporder.h"
#include "toolkit/codec/extensions/oid_overwrites_sil.h"

namespace {

void outOfMemory(const char*, BerOid*, BerDecodeContext&) {
    BerDecodeContext::raise(kBerNoMemory);
}

const BerAnyEntry* boundPlaceholder() {
    uint8_t octets[] = {0xFF, 0x37};
    BerOid oid{2, octets};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any.entry;
}

TEST(ExtensionsRegistrationFailure, TheItemOrderStaysUnderItsPlaceholderAndSaysSoOnStandardOutput) {
    testing::internal::CaptureStdout();
    codec::records::registerCarriedTypes(codec::extensions::kCiporderTypeTable, outOfMemory);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Fatal event: ASN_MakeOid failed for oid_overwrites_ciporder\n");
    const BerAnyEntry* entry = boundPlaceholder();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->anyId, 44);
}

// The private packages report on standard error, without the "Fatal event" prefix; a later run of the
// registration keeps the placeholder's first entry.
TEST(ExtensionsRegistrationFailure, ThePrivatePackagesSaySoOnStandardError) {
    testing::internal::CaptureStderr();
    codec::records::registerCarriedTypes(codec::extensions::kSilTypeTable, outOfMemory);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ASN_MakeOid failed for oid_overwrites_sil\n");
}

}  // namespace
