// Entries of the record syntaxes in the type registry: real identifiers and placeholders, a failed
// conversion, and a second run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/oid_text.h"
#include "toolkit/codec/records/oid_overwrites_d.h"
#include "toolkit/codec/records/oid_overwrites_e.h"
#include "toolkit/codec/records/oid_overwrites_iso.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/records/records_e.h"
#include "toolkit/codec/records/sutrs_record.h"

namespace r = codec::records;

namespace {

const BerAnyEntry* boundOctets(std::vector<uint8_t> octets) {
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any.entry;
}

const BerAnyEntry* boundText(const char* text) {
    BerDecodeContext ctx(0);
    BerOid oid{0, nullptr};
    ASN_MakeOid(text, &oid, ctx);
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    ASN_FreeOid(&oid);
    return any.entry;
}

int anyIdOf(const BerAnyEntry* entry) {
    return entry != nullptr ? entry->anyId : -1;
}

// Any ids bound by the texts, then by the placeholders, e.g. "2 5 -1 | -1 3".
std::string anyIds(const std::vector<const char*>& texts,
                   const std::vector<std::vector<uint8_t>>& placeholders) {
    std::string result;
    for (const char* text : texts) result += std::to_string(anyIdOf(boundText(text))) + " ";
    result += "|";
    for (const std::vector<uint8_t>& octets : placeholders)
        result += " " + std::to_string(anyIdOf(boundOctets(octets)));
    return result;
}

const std::vector<const char*> kDTexts = {"1.2.840.10003.5.101", "1.2.840.10003.5.102", "1.2.840.10003.5.103",
                                          "1.2.840.10003.5.105", "1.2.840.10003.5.106"};
const std::vector<std::vector<uint8_t>> kDPlaceholders = {{0x2B}, {0x2C}, {0x2D}, {0x2E}, {0x2F}};
const std::vector<const char*> kIsoTexts = {"1.0.10163.5.101", "1.0.10163.5.102", "1.0.10163.5.103",
                                            "1.0.10163.5.106", "1.0.10163.7.1"};

// Conversions left before the injected one fails as memory exhaustion does.
int conversionsBeforeFailure = 0;

void failingConversion(const char* text, BerOid* out, BerDecodeContext& ctx) {
    if (conversionsBeforeFailure-- == 0) BerDecodeContext::raise(kBerNoMemory);
    ASN_MakeOid(text, out, ctx);
}

// In a new process of this program (a fresh registry), registers the table with its conversion number
// `failing` (from 0) failing, then writes the any ids it finds to standard error after the table's message.
void expectFailedRegistration(const r::CarriedTypeTable& table, int failing,
                              const std::vector<const char*>& texts,
                              const std::vector<std::vector<uint8_t>>& placeholders, const char* expected) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            conversionsBeforeFailure = failing;
            r::registerCarriedTypes(table, failingConversion);
            std::fputs(anyIds(texts, placeholders).c_str(), stderr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), expected);
}

TEST(CarriedTypeRegistration, RealIdentifiersBindTheirRoutines) {
    r::RegisterDTypes();
    r::RegisterETypes();
    r::RegisterIsoTypes();
    struct Row {
        const char* text;
        int anyId;
        int valueSize;
        BerAnyDecode decode;
    };
    const Row rows[] = {
        {"1.2.840.10003.5.101", 2, sizeof(r::SutrsRecord), r::any::DecodeSutrsRecord},
        {"1.2.840.10003.5.102", 5, sizeof(r::OPACRecordChoice), r::any::DecodeOPACRecordChoice},
        {"1.2.840.10003.5.103", 3, sizeof(r::BriefBibChoice), r::any::DecodeBriefBibChoice},
        {"1.2.840.10003.5.105", 6, sizeof(r::GenericRecordChoice), r::any::DecodeGenericRecordChoice},
        {"1.2.840.10003.5.106", 4, sizeof(r::TaskPackageChoice), r::any::DecodeTaskPackageChoice},
        {"1.2.840.10003.7.1", 9, sizeof(r::ResourceReport1), r::any::DecodeResourceReport1},
        {"1.2.840.10003.7.2", 10, sizeof(r::ResourceReport2Choice), r::any::DecodeResourceReport2Choice},
        {"1.2.840.10003.8.1", 12, sizeof(r::PromptObject), r::any::DecodePromptObject},
        {"1.0.10163.5.101", 21, sizeof(r::SutrsRecord), r::any::DecodeSutrsRecord},
        {"1.0.10163.5.102", 22, sizeof(r::OPACRecordChoice), r::any::DecodeOPACRecordChoice},
        {"1.0.10163.5.103", 23, sizeof(r::BriefBibChoice), r::any::DecodeBriefBibChoice},
        {"1.0.10163.5.106", 24, sizeof(r::TaskPackageChoice), r::any::DecodeTaskPackageChoice},
        {"1.0.10163.7.1", 25, sizeof(r::ResourceReport1), r::any::DecodeResourceReport1},
        {"1.0.10163.7.2", 26, sizeof(r::ResourceReport2Choice), r::any::DecodeResourceReport2Choice},
        {"1.0.10163.5.105", 30, sizeof(r::GenericRecordChoice), r::any::DecodeGenericRecordChoice},
        {"1.0.10163.8.1", 31, sizeof(r::PromptObject), r::any::DecodePromptObject},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const BerAnyEntry* entry = boundText(row.text);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->anyId, row.anyId);
        EXPECT_EQ(entry->valueSize, row.valueSize);
        EXPECT_EQ(entry->decode, row.decode);
    }
}

TEST(CarriedTypeRegistration, PlaceholderTypesAreReachedOnlyByTheirPlaceholders) {
    r::RegisterDTypes();
    r::RegisterETypes();
    r::RegisterIsoTypes();
    EXPECT_EQ(anyIdOf(boundOctets({0x33})), 7);
    EXPECT_EQ(boundOctets({0x33})->decode, r::any::DecodeDESRNObject);
    EXPECT_EQ(anyIdOf(boundOctets({0x34})), 8);
    EXPECT_EQ(boundOctets({0x34})->decode, r::any::DecodeKRBObject);
    EXPECT_EQ(anyIdOf(boundOctets({0x35})), 11);
    EXPECT_EQ(boundOctets({0x35})->decode, r::any::DecodePersistentResultSet);
    // The identifiers of des-1, krb-1 and the persistent result set bind nothing; nor do the placeholders of
    // types whose identifiers were converted.
    for (const char* text : {"1.2.840.10003.8.2", "1.2.840.10003.8.3", "1.2.840.10003.9.1"}) {
        EXPECT_EQ(boundText(text), nullptr) << text;
    }
    for (uint8_t octet : {0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32}) {
        EXPECT_EQ(boundOctets({octet}), nullptr) << int{octet};
    }
    EXPECT_EQ(boundOctets({0xFF, 0x37}), nullptr);
}

TEST(CarriedTypeRegistration, FailedConversionLeavesTheRestUnderTheirPlaceholders) {
    const std::vector<const char*> eTexts = {"1.2.840.10003.7.1", "1.2.840.10003.7.2", "1.2.840.10003.8.1"};
    const std::vector<std::vector<uint8_t>> ePlaceholders = {{0x30}, {0x31}, {0x32}, {0x33}, {0x34}, {0x35}};
    expectFailedRegistration(r::kDTypeTable, 2, kDTexts, kDPlaceholders,
                             "^Fatal event: ASN_MakeOid failed for oid_overwrites_d\n"
                             "2 5 -1 -1 -1 [|] -1 -1 3 6 4$");
    expectFailedRegistration(r::kDTypeTable, 0, kDTexts, kDPlaceholders,
                             "^Fatal event: ASN_MakeOid failed for oid_overwrites_d\n"
                             "-1 -1 -1 -1 -1 [|] 2 5 3 6 4$");
    expectFailedRegistration(r::kETypeTable, 1, eTexts, ePlaceholders,
                             "^Fatal event: ASN_MakeOid failed for oid_overwrites_e\n"
                             "9 -1 -1 [|] -1 10 12 7 8 11$");
}

// Every twin shares the placeholder 0xFF 0x37: the first unconverted one holds it, the later ones are lost.
TEST(CarriedTypeRegistration, FailedIsoConversionLeavesOneTwinUnderThePlaceholder) {
    const std::vector<std::vector<uint8_t>> placeholder = {{0xFF, 0x37}};
    expectFailedRegistration(r::kIsoTypeTable, 3, kIsoTexts, placeholder,
                             "^Fatal event: ASN_MakeOid failed for oid_overwrites_iso\n"
                             "21 22 23 -1 -1 [|] 24$");
}

TEST(CarriedTypeRegistration, SecondRunChangesNothing) {
    r::RegisterDTypes();
    r::RegisterETypes();
    r::RegisterIsoTypes();
    std::vector<const BerAnyEntry*> before;
    std::vector<const char*> texts = kDTexts;
    texts.insert(texts.end(), kIsoTexts.begin(), kIsoTexts.end());
    for (const char* text : texts) before.push_back(boundText(text));
    for (uint8_t octet : {0x33, 0x34, 0x35}) before.push_back(boundOctets({octet}));

    r::RegisterDTypes();
    r::RegisterETypes();
    r::RegisterIsoTypes();
    std::vector<const BerAnyEntry*> after;
    for (const char* text : texts) after.push_back(boundText(text));
    for (uint8_t octet : {0x33, 0x34, 0x35}) after.push_back(boundOctets({octet}));
    EXPECT_EQ(after, before);
    EXPECT_EQ(boundOctets({0x2B}), nullptr);
}

}  // namespace
