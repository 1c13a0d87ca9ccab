// A program of its own: it starts with no carried contents registered.
#include <gtest/gtest.h>

#include <string>

#include "tests/api/carried_records_samples.h"
#include "tests/api/external_round_trip.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_convert_external_unknown_content.h"
#include "toolkit/external/kiv_carried_content_types.h"

namespace {

struct Conversion {
    int32_t receivedType;
    bool markedUnknown;
    long checkCode;  // 0 when the content passes validation
};

// A SUTRS content sent raw under its identifier and received back, and the validation of it as SUTRS.
Conversion convertSutrs(const std::string& oid) {
    KivExternal received;
    KivUnknownContentScope scope;
    externalRoundTrip(carried::singleExternal(oid, 8,
                                              [](KivSingleASN1Type& content) {
                                                  content.uASN1.psUnknownType =
                                                      std::make_unique<KivOctets>(KivOctets{"\x1B\x02hi"});
                                              }),
                      &received);
    SIError* error = nullptr;
    const KivExternal sutrs = carried::sutrsExternal(oid, "hi");
    KivCheckExternal(0, &sutrs, "psRecord->", &error);
    const long code = error != nullptr ? error->uErrorCode.lIfOsCoError : 0;
    SIFreeError(&error);
    return {received.uExternalValue.psSingleASN1Type->eASN1Type, scope.seen(), code};
}

// Until the converters are registered every content travels raw and no content type passes validation;
// afterwards the same content converts under both identifier arcs, and registering again changes nothing.
TEST(CarriedContentsRegistration, ContentsConvertOnceRegistered) {
    for (const char* oid : {"1.2.840.10003.5.101", "1.0.10163.5.101"}) {
        const Conversion before = convertSutrs(oid);
        EXPECT_EQ(before.receivedType, 8) << oid;
        EXPECT_TRUE(before.markedUnknown) << oid;
        EXPECT_EQ(before.checkCode, 66) << oid;
    }
    KivRegisterCarriedContents();
    KivRegisterCarriedContents();
    for (const char* oid : {"1.2.840.10003.5.101", "1.0.10163.5.101"}) {
        const Conversion after = convertSutrs(oid);
        EXPECT_EQ(after.receivedType, AT_UnstructuredText) << oid;
        EXPECT_FALSE(after.markedUnknown) << oid;
        EXPECT_EQ(after.checkCode, 0) << oid;
    }
}

}  // namespace
