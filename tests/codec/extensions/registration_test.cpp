// Entries of the CIP and private extended-services packages in the type registry, after the toolkit's
// start-up registration.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/oid_text.h"

namespace {

const BerAnyEntry* bound(const char* text) {
    BerDecodeContext ctx(0);
    BerOid oid{0, nullptr};
    ASN_MakeOid(text, &oid, ctx);
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    ASN_FreeOid(&oid);
    return any.entry;
}

TEST(ExtensionsRegistration, EachPackageIsFoundUnderItsIdentifier) {
    KivRegisterCodecTypes();
    struct Entry {
        const char* oid;
        int anyId;
    };
    for (const Entry& entry : std::vector<Entry>{
             {"1.2.840.10003.9.1000.99.1", 44},
             {"1.2.840.10003.2.1000.99.1", 45},
             {"1.2.840.10003.9.1000.70.1", 38},
             {"1.2.840.10003.9.1000.70.2", 36},
             {"1.2.840.10003.9.4.1000.70.1", 37},
         }) {
        const BerAnyEntry* found = bound(entry.oid);
        ASSERT_NE(found, nullptr) << entry.oid;
        EXPECT_EQ(found->anyId, entry.anyId) << entry.oid;
    }
    EXPECT_EQ(bound("1.0.10163.9.1000.99.1"), nullptr);
}

}  // namespace
