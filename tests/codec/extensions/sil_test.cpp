// Byte-exact cases of the private Print, Alert and COrder packages.
#include "toolkit/codec/extensions/sil.h"

#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"

namespace ext = codec::extensions;

namespace {

TEST(SilPackages, Print) {
    expectCases(GENERATED_TYPE(ext, PrintExtendedService, 0),
                {
                    {"request deleting job 4A 31", "A1 0C A1 08 A1 06 30 04 80 02 4A 31 82 00", 0},
                    {"request without tokeep", "A1 02 82 00", 0},
                    {"request for a result-set reference with ranges and element-set names",
                     "A1 2A A1 26 A0 24 A0 22 30 20 9F 1F 01 61 80 01 01 81 01 05 A2 08 30 06 81 01 0A 82 01 "
                     "02 A0 03 "
                     "80 01 46 30 05 80 03 61 64 72 82 00",
                     0},
                    {"response with an empty job reference", "A2 06 A2 04 30 02 80 00", 0},
                    {"request whose nottokeep is not [2]", "A1 02 83 00", -154},
                    {"request whose nottokeep holds an octet", "A1 03 82 01 00", kBerNullLength},
                    {"[3]", "A3 00", -156},
                    {"delete option around a SET", "A1 0A A1 06 A1 04 31 02 80 00 82 00", -146},
                    {"origin part [2]", "A1 06 A1 02 A2 00 82 00", -147},
                });
    GeneratedType type = GENERATED_TYPE(ext, PrintExtendedService, 0);
    GeneratedRecord request(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A1 02 82 00"), request.get()).code, 0);
    EXPECT_EQ(static_cast<ext::PrintExtendedService*>(request.get())->esrequest->tokeep, nullptr);
}

TEST(SilPackages, PrintReferences) {
    expectCases(
        GENERATED_TYPE(ext, ResultSetReference, kSequence),
        {
            {"set, start, count and address", "30 11 9F 1F 01 61 80 01 01 81 01 02 30 05 80 03 61 64 72", 0},
            {"with ranges and element-set names",
             "30 20 9F 1F 01 61 80 01 01 81 01 02 A2 08 30 06 81 01 05 82 01 02 A0 03 80 01 46 30 05 80 03 "
             "61 64 72",
             0},
            {"resultSetId under [1]", "30 03 81 01 61", -115},
            {"address missing", "30 0C 9F 1F 01 61 80 01 01 81 01 02 A5 00", -119},
        });
    expectCases(
        GENERATED_TYPE(ext, Address, kSequence),
        {
            {"indefinite, ending after the postal address", "30 80 80 01 70 00 00", 0, "30 03 80 01 70"},
            {"postal and e-mail address", "30 06 80 01 70 81 01 65", 0},
            {"[2] after the postal address", "30 05 80 01 70 82 00", -108},
        });
}

TEST(SilPackages, Alert) {
    expectCases(GENERATED_TYPE(ext, AlertExtendedService, 0),
                {
                    {"task package without origin part", "A2 02 82 00", 0},
                    {"task package with a name and an empty postal address",
                     "A2 0D A1 09 30 07 81 01 61 30 02 80 00 82 00", 0},
                    {"request with a name and an address", "A1 0D A1 09 30 07 81 01 6E 30 02 80 00 82 00", 0},
                    {"[3]", "A3 00", -143},
                    {"tokeep around a SET", "A1 08 A1 04 31 02 81 00 82 00", -136},
                });
    GeneratedType type = GENERATED_TYPE(ext, AlertExtendedService, 0);
    GeneratedRecord task(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A2 02 82 00"), task.get()).code, 0);
    EXPECT_EQ(static_cast<ext::AlertExtendedService*>(task.get())->taskPackage->originPart, nullptr);
}

TEST(SilPackages, COrder) {
    expectCases(GENERATED_TYPE(ext, COrder, 0),
                {
                    {"response with a and b", "A1 06 1B 01 61 1B 01 62", 0},
                    {"empty response", "A1 00", 0},
                    {"request for one range {1, 10} of quantity 2",
                     "A0 11 A0 0F 30 0D A0 08 30 06 81 01 01 82 01 0A 81 01 02", 0},
                    {"request for the references x", "A0 05 A1 03 1B 01 78", 0},
                    {"[2]", "A2 00", -148},
                    {"normal order around a SET", "A0 04 A0 02 31 00", -144},
                    {"a reference that is not a GeneralString", "A1 03 04 01 61", -102},
                });
}

}  // namespace
