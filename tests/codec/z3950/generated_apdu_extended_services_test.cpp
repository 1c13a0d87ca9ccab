// Byte-exact cases of the Extended Services APDUs and the permissions list.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_two.h"

namespace z = codec::z3950;

namespace {

TEST(GeneratedApduExtendedServices, ExtendedServicesRequest) {
    GeneratedType type = GENERATED_TYPE(z, ExtendedServicesRequest, 0xBF2E0000u);
    const char* const kMandatory = "BF 2E 0A 83 01 01 84 02 2A 03 8B 01 01";
    expectCases(
        type,
        {
            {"only function 1, a packageType and waitAction 1", kMandatory, 0},
            {"every component but otherInfo",
             "BF 2E 2F 83 01 01 84 02 2A 03 85 01 6E 86 01 75 A7 05 81 01 05 A2 00 A8 0A 30 08 81 01 75 "
             "A2 03 02 01 01 89 01 64 AA 03 06 01 2A 8B 01 01 9F 67 01 46",
             0},
            {"description before permissions", "BF 2E 0F 83 01 01 84 02 2A 03 89 01 64 A8 00 8B 01 01", -188},
            {"packageName right after function", "BF 2E 09 83 01 01 85 01 6E 8B 01 01", -187},
            {"function missing", "BF 2E 07 84 02 2A 03 8B 01 01", -186},
            {"otherInfo followed by a spare octet", "BF 2E 0F 83 01 01 84 02 2A 03 8B 01 01 BF 81 49 00 00",
             -189},
            {"[5] after waitAction", "BF 2E 0C 83 01 01 84 02 2A 03 8B 01 01 85 00", -190},
        });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kMandatory), record.get()).code, 0);
    auto* request = static_cast<z::ExtendedServicesRequest*>(record.get());
    EXPECT_EQ(request->function, 1);
    EXPECT_EQ(request->waitAction, 1);
    EXPECT_EQ(request->packageName.octets, nullptr);
    EXPECT_EQ(request->retentionTime, nullptr);
    EXPECT_EQ(request->permissions, nullptr);
    EXPECT_EQ(request->taskSpecificParameters, nullptr);
    EXPECT_EQ(request->elements.octets, nullptr);
}

TEST(GeneratedApduExtendedServices, Permissions) {
    GeneratedType type = GENERATED_TYPE(z, Permissions, 0xA8000000u);
    expectCases(
        type, {
                  {"allowableFunctions holding an OCTET STRING", "A8 0A 30 08 81 01 75 A2 03 04 01 01", -115},
                  {"an element starting with [2]", "A8 07 30 05 A2 03 02 01 01", -116},
                  {"an element closed before allowableFunctions", "A8 05 30 03 81 01 75 05 00", -118},
                  {"octets after allowableFunctions", "A8 09 30 07 81 01 75 A2 00 05 00", -117},
                  {"an element that is not a SEQUENCE", "A8 02 31 00", -129},
                  {"an end-of-contents inside a definite list", "A8 02 00 00", -129},
              });
    GeneratedRecord record(type);
    ASSERT_EQ(
        decodeElement(type, hexOctets("A8 14 30 08 81 01 61 A2 03 02 01 01 30 08 81 01 62 A2 03 02 01 02"),
                      record.get())
            .code,
        0);
    EXPECT_EQ(printRecord(type, record.get()),
              "{ -- SEQUENCE OF -- \n"
              "    { -- SEQUENCE --\n"
              "        userId '61'H  -- \"a\" --,\n"
              "        allowableFunctions { -- SEQUENCE OF -- \n"
              "            1\n"
              "        }\n"
              "    },\n"
              "    { -- SEQUENCE --\n"
              "        userId '62'H  -- \"b\" --,\n"
              "        allowableFunctions { -- SEQUENCE OF -- \n"
              "            2\n"
              "        }\n"
              "    }\n"
              "}");
}

TEST(GeneratedApduExtendedServices, ExtendedServicesResponse) {
    GeneratedType type = GENERATED_TYPE(z, ExtendedServicesResponse, 0xBF2F0000u);
    const char* const kTwoDiagnostics =
        "BF 2F 14 83 01 03 A4 0F 30 08 06 01 2A 02 01 01 1B 00 28 03 06 01 2A";
    expectCases(type, {
                          {"operationStatus 3 and two diagnostics", kTwoDiagnostics, 0},
                          {"a task package", "BF 2F 08 83 01 03 A5 03 06 01 2A", 0},
                          {"taskPackage tagged [6]", "BF 2F 05 83 01 03 A6 00", -193},
                          {"operationStatus missing", "BF 2F 02 A4 00", -191},
                          {"otherInfo followed by a spare octet", "BF 2F 08 83 01 03 BF 81 49 00 00", -192},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kTwoDiagnostics), record.get()).code, 0);
    auto* response = static_cast<z::ExtendedServicesResponse*>(record.get());
    EXPECT_EQ(response->operationStatus, 3);
    EXPECT_EQ(ASN_ListCount(response->diagnostics), 2);
}

}  // namespace
