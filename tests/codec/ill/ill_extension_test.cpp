// Byte-exact cases of the ILL Extension and its raw-item rule, and of the private extensions 800 and 799.
#include <gtest/gtest.h>

#include <string>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/codec/ill/ill_extension799.h"
#include "toolkit/codec/ill/ill_extension800.h"
#include "toolkit/codec/ill/oid_overwrites_ill.h"

namespace ill = codec::ill;

namespace {

class IllExtensionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ill::RegisterIllExtension800Types();
        ill::RegisterIllExtension799Types();
    }
    GeneratedType type = GENERATED_TYPE(ill, Extension, kSequence);
};

std::string rawItem(const ill::Extension* extension) {
    auto* raw = static_cast<const BerOctets*>(extension->item.value);
    return std::string(reinterpret_cast<const char*>(raw->octets), static_cast<size_t>(raw->length));
}

TEST_F(IllExtensionTest, ItemsOtherThan800StayRawAndAreWrittenBackAsTheyCame) {
    expectCases(type, {
                          {"800, E1 00", "30 08 80 02 03 20 A2 02 E1 00", 0},
                          {"799 kept raw though registered", "30 09 80 02 03 1F A2 03 80 01 61", 0},
                          {"1 kept raw", "30 08 80 01 01 A2 03 02 01 05", 0},
                          {"5000 kept raw", "30 0A 80 02 13 88 A2 04 04 02 AB CD", 0},
                          {"raw item of indefinite length inside an indefinite [2]",
                           "30 0F 80 01 01 A2 80 24 80 04 02 AB CD 00 00 00 00", 0,
                           "30 0D 80 01 01 A2 08 24 80 04 02 AB CD 00 00"},
                          {"critical FALSE kept", "30 0B 80 01 01 81 01 00 A2 03 02 01 05", 0},
                          {"A0 first", "30 05 A0 03 02 01 01", -101},
                          {"item tagged A3", "30 07 80 01 01 A3 02 05 00", -103},
                          {"raw item longer than its [2]", "30 08 80 01 01 A2 03 04 05 AB", -102},
                          {"800 item E2 00", "30 08 80 02 03 20 A2 02 E2 00", -118},
                      });
}

TEST_F(IllExtensionTest, RawItemHoldsExactlyTheElementInsideItsWrapper) {
    for (const char* octets : {"30 80 80 01 05 A2 80 04 02 AB CD 00 00 00 00", "30 09 80 01 05 A2 04 04 02 AB CD"}) {
        GeneratedRecord record(type);
        DecodeOutcome outcome = decodeElement(type, hexOctets(octets), record.get());
        ASSERT_EQ(outcome.code, 0) << octets;
        EXPECT_EQ(outcome.consumed, hexOctets(octets).size());
        auto* extension = static_cast<ill::Extension*>(record.get());
        EXPECT_EQ(extension->item.entry, nullptr);
        EXPECT_EQ(rawItem(extension), std::string("\x04\x02\xAB\xCD", 4));
        EXPECT_EQ(extension->critical, nullptr);
        EXPECT_EQ(encodeElement(type, record.get()), hexOctets("30 09 80 01 05 A2 04 04 02 AB CD"));
    }
}

TEST_F(IllExtensionTest, Item800IsBoundAndPrintsThroughItsEntry) {
    GeneratedRecord valid(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 0B 80 02 03 20 A2 05 E1 03 81 01 FF"), valid.get()).code, 0);
    auto* extension = static_cast<ill::Extension*>(valid.get());
    ASSERT_NE(extension->item.entry, nullptr);
    EXPECT_EQ(extension->item.entry->intId, 800);
    auto* value = static_cast<ill::IllExtension800*>(extension->item.value);
    ASSERT_EQ(value->choiceId, ill::IllExtension800::kAddIllReqInfo);
    ASSERT_NE(value->addIllReqInfo->customerInfoToKeep, nullptr);
    EXPECT_EQ(*value->addIllReqInfo->customerInfoToKeep, 1);
    EXPECT_EQ(printRecord(type, valid.get()),
              "{ -- SEQUENCE --\n"
              "    identifier 800,\n"
              "    item { -- SEQUENCE --\n"
              "            customerInfoToKeep TRUE\n"
              "        }\n"
              "}");
}

TEST_F(IllExtensionTest, RawOrEmptyItemsPrintAsMalformedAndEmptyOnesEncodeEmpty) {
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 09 80 02 03 1F A2 03 80 01 61"), record.get()).code, 0);
    EXPECT_EQ(printRecord(type, record.get()),
              "{ -- SEQUENCE --\n"
              "    identifier 799,\n"
              "    item  -- ERROR: malformed ANY value --\n"
              "}");

    for (BerInteger identifier : {5000, 800, 799}) {
        GeneratedRecord empty(type);
        static_cast<ill::Extension*>(empty.get())->identifier = identifier;
        std::vector<uint8_t> expected = identifier == 5000 ? hexOctets("30 06 80 02 13 88 A2 00")
                                                           : hexOctets("30 06 80 02 03 00 A2 00");
        expected[5] = static_cast<uint8_t>(identifier & 0xFF);
        EXPECT_EQ(encodeElement(type, empty.get()), expected) << identifier;
    }
}

TEST(IllExtension800, CasesOfItsTypes) {
    expectCases(GENERATED_TYPE(ill, IllExtension800, 0),
                {
                    {"empty AddIllReqInfo", "E1 00", 0},
                    {"customerInfoToKeep only", "E1 03 81 01 FF", 0},
                    {"E2", "E2 00", -118},
                    {"billing by invoice type, indefinite", "E1 80 A4 80 83 01 02 00 00 00 00", 0,
                     "E1 05 A4 03 83 01 02"},
                    {"unknown component", "E1 02 85 00", -117},
                });
    expectCases(GENERATED_TYPE(ill, AddBillingInfo, 0),
                {
                    {"invoice type", "83 01 02", 0},
                    {"prepaid id in constructed form", "A4 05 04 03 61 62 63", 0, "84 03 61 62 63"},
                    {"[6]", "86 00", -115},
                });
    expectCases(GENERATED_TYPE(ill, BillingCreditCardInfo, kSequence),
                {
                    {"without cardValidFrom", "30 09 81 01 61 82 01 62 84 01 63", 0},
                    {"without cardValidThru", "30 80 81 01 61 82 01 62 00 00", -109},
                });
    expectCases(GENERATED_TYPE(ill, BillingBankInfo, kSequence),
                {
                    {"all four", "30 0C 81 01 61 82 01 62 83 01 63 84 01 FF", 0},
                    {"bankAuthority missing", "30 80 81 01 61 82 01 62 83 01 63 00 00", -104},
                    {"surplus after bankAuthority", "30 0E 81 01 61 82 01 62 83 01 63 84 01 FF 05 00", -103},
                });

    GeneratedType type = GENERATED_TYPE(ill, IllExtension800, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("E1 00"), record.get()).code, 0);
    auto* value = static_cast<ill::IllExtension800*>(record.get());
    ASSERT_NE(value->addIllReqInfo, nullptr);
    EXPECT_EQ(value->addIllReqInfo->customerInfoToKeep, nullptr);
    EXPECT_EQ(value->addIllReqInfo->addBillingInfo, nullptr);
    // The registered printer prints the AddIllReqInfo alone, one step in.
    EXPECT_EQ(printRecord(type, record.get()), "{ -- SEQUENCE --\n\n    }");

    GeneratedType billing = GENERATED_TYPE(ill, AddBillingInfo, 0);
    GeneratedRecord invoice(billing);
    ASSERT_EQ(decodeElement(billing, hexOctets("83 01 02"), invoice.get()).code, 0);
    EXPECT_EQ(static_cast<ill::AddBillingInfo*>(invoice.get())->billingInvoiceType, 2);
}

TEST(IllExtension799, SegmentsAreJoined) {
    GeneratedType type = GENERATED_TYPE(ill, IllExtension799, 0);
    expectCases(type, {
                          {"theabyss", "80 01 61", 0},
                          {"launchfacility in two segments", "A1 06 04 01 61 04 01 62", 0, "81 02 61 62"},
                          {"[2]", "82 00", -100},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A1 06 04 01 61 04 01 62"), record.get()).code, 0);
    EXPECT_EQ(static_cast<ill::IllExtension799*>(record.get())->choiceId, ill::IllExtension799::kLaunchfacility);
    EXPECT_EQ(printRecord(type, record.get()), "launchfacility '6162'H  -- \"ab\" --");
}

}  // namespace
