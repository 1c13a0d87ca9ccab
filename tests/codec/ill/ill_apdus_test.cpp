// Byte-exact cases of the ILL APDUs: the request, the EXPLICIT extension list of Overdue, the top CHOICE
// reached through an EXTERNAL, and electronic-delivery parameters kept raw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/codec/ill/oid_overwrites_ill.h"
#include "toolkit/codec/z3950/external.h"

namespace ill = codec::ill;

namespace {

// "A1" and "1A 01 67" -> "A1 03 1A 01 67": the element with a definite length (short or long form).
std::string tlv(const std::string& identifier, const std::string& contents) {
    size_t count = hexOctets(contents).size();
    char length[32];
    if (count < 0x80) {
        std::snprintf(length, sizeof length, "%02zX", count);
    } else {
        std::snprintf(length, sizeof length, "81 %02zX", count);
    }
    return identifier + " " + length + (contents.empty() ? "" : " " + contents);
}

std::string seq(const std::string& contents) {
    return tlv("30", contents);
}

// Rows 1 to 3 of every APDU.
const std::string kLead = "80 01 02 " + tlv("A1", tlv("A1", "1A 01 67") + " " + tlv("A2", "1A 01 74")) + " " +
                          tlv("A2", tlv("A0", "80 08 32 30 32 36 31 32 31 30"));
const std::string kServiceType = "A9 03 0A 01 01";
const std::string kMessages = "AB 0C 80 01 FF 81 01 00 82 01 02 83 01 01";
const std::string kItem = "B0 00";
const std::string kNote = "1A 01 6E";

struct Case {
    std::string what;
    std::string octets;
    int code;
};

void expectTable(const GeneratedType& type, const std::vector<Case>& table) {
    std::vector<CodecCase> rows;
    for (const Case& row : table) rows.push_back({row.what.c_str(), row.octets.c_str(), row.code});
    expectCases(type, rows);
}

TEST(IllRequest, OrderAndPresenceOfItsComponents) {
    const std::string required = kServiceType + " " + kMessages + " " + kItem;
    expectTable(GENERATED_TYPE(ill, ILLRequest, kSequence),
                {
                    {"rows 1, 2, 3, 10, 12 and 17", seq(kLead + " " + required), 0},
                    {"transaction-type 1", seq(kLead + " 85 01 01 " + required), 0},
                    {"iLL-service-type missing after optional rows",
                     seq(kLead + " A3 00 A4 00 85 01 01 A6 00 A8 00 " + kMessages + " " + kItem), -361},
                    {"delivery-service as electronic delivery", seq(kLead + " BF 32 00 " + required), 0},
                    {"electronic delivery after billing-address", seq(kLead + " A8 00 BF 32 00 " + required), -361},
                    {"responder-specific-service holding a SEQUENCE",
                     seq(kLead + " " + kServiceType + " AA 02 30 00 " + kMessages + " " + kItem), -362},
                    {"ending with forward-note", seq(kLead + " " + required + " " + tlv("BF 2F", kNote)), 0},
                    {"BF 30 after forward-note",
                     seq(kLead + " " + required + " " + tlv("BF 2F", kNote) + " BF 30 00"), -366},
                    {"client-id before place-on-hold",
                     seq(kLead + " " + kServiceType + " " + kMessages + " AF 00 8E 01 01 " + kItem), -364},
                    {"forward-note before requester-note",
                     seq(kLead + " " + required + " " + tlv("BF 2F", kNote) + " " + tlv("BF 2E", kNote)), -366},
                    {"an extension without its item", seq(kLead + " " + required + " " + tlv("BF 31", "30 80 80 01 01 00 00")),
                     -103},
                });

    GeneratedType type = GENERATED_TYPE(ill, ILLRequest, kSequence);
    GeneratedRecord minimal(type);
    ASSERT_EQ(decodeElement(type, hexOctets(seq(kLead + " " + required)), minimal.get()).code, 0);
    auto* request = static_cast<ill::ILLRequest*>(minimal.get());
    EXPECT_EQ(request->transaction_type, nullptr);
    EXPECT_EQ(request->delivery_service, nullptr);
    EXPECT_EQ(request->place_on_hold, nullptr);
    EXPECT_EQ(request->iLL_request_extensions, nullptr);
    ASSERT_NE(request->item_id, nullptr);
    ASSERT_EQ(request->iLL_service_type->count, 1);
}

TEST(IllOverdue, ItsExtensionListIsExplicit) {
    const std::string extension = seq("80 01 01 A2 03 02 01 05");
    const std::string head = kLead + " " + tlv("BF 29", "80 01 64");
    expectTable(GENERATED_TYPE(ill, Overdue, kSequence),
                {
                    {"BF 31 around a SEQUENCE of two extensions",
                     seq(head + " " + tlv("BF 31", seq(extension + " " + extension))), 0},
                    {"BF 31 directly around the extensions", seq(head + " " + tlv("BF 31", extension)), -121},
                    {"BF 31 around a SET", seq(head + " " + tlv("BF 31", tlv("31", extension))), -245},
                    {"without date-due", "30 80 " + kLead + " 00 00", -244},
                });
    expectTable(GENERATED_TYPE(ill, Expired, kSequence),
                {
                    {"a second extension list inside the definite length",
                     seq(kLead + " " + tlv("BF 31", extension) + " " + tlv("BF 31", extension)), -283},
                });
}

TEST(IllApdu, TopChoiceAndItsAlternatives) {
    GeneratedType type = GENERATED_TYPE(ill, ILLAPDU, 0);
    expectTable(type, {
                          {"Cancel", tlv("66", seq(kLead)), 0},
                          {"[APPLICATION 6] around a SET", tlv("66", tlv("31", kLead)), -402},
                          {"[APPLICATION 21]", "75 00", -417},
                      });

    GeneratedRecord cancel(type);
    ASSERT_EQ(decodeElement(type, hexOctets(tlv("66", seq(kLead))), cancel.get()).code, 0);
    EXPECT_EQ(printRecord(type, cancel.get()).rfind("{ -- SEQUENCE --\n", 0), 0u);

    GeneratedRecord outOfRange(type);
    static_cast<ill::ILLAPDU*>(outOfRange.get())->choiceId = 20;
    EXPECT_TRUE(encodeElement(type, outOfRange.get()).empty());
}

TEST(IllApdu, AnExternalUnderTheIllIdentifierCarriesItThroughTheRegistry) {
    ill::RegisterIllTypes();
    GeneratedType type = GENERATED_TYPE(codec::z3950, EXTERNAL, 0x28000000u);
    std::string apdu = tlv("65", seq(kLead + " 9F 23 01 FF"));
    std::string external = tlv("28", "06 05 2A CF 31 02 01 " + tlv("A0", apdu));
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(external), record.get()).code, 0);
    BerAny& carried = static_cast<codec::z3950::EXTERNAL*>(record.get())->singleASN1Type;
    ASSERT_NE(carried.entry, nullptr);
    EXPECT_EQ(carried.entry->anyId, 34);
    auto* value = static_cast<ill::ILLAPDU*>(carried.value);
    ASSERT_EQ(value->choiceId, ill::ILLAPDU::kConditionalReply);
    EXPECT_EQ(value->conditionalReply->answer, 1);
    EXPECT_EQ(encodeElement(type, record.get()), hexOctets(external));
}

TEST(IllElectronicDelivery, ParametersOfAnUnknownIdentifierStayRawAndAreWrittenBack) {
    const std::string details = "A5 02 A1 00";
    expectTable(GENERATED_TYPE(ill, ElectronicDeliveryService, kSequence),
                {
                    {"details only", seq(details), 0},
                    {"parameters under 1.2.3.4", seq("80 03 2A 03 04 A1 03 04 01 61 " + details), 0},
                    {"parameters without an identifier", seq("A1 05 30 03 02 01 07 " + details), 0},
                    {"parameters longer than their wrapper", seq("A1 03 04 05 61 " + details), -298},
                    {"details missing", seq("87 01 31"), -297},
                });
    GeneratedType type = GENERATED_TYPE(ill, ElectronicDeliveryService, kSequence);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(seq("80 03 2A 03 04 A1 03 04 01 61 " + details)), record.get()).code,
              0);
    auto* service = static_cast<ill::ElectronicDeliveryService*>(record.get());
    EXPECT_EQ(service->e_delivery_parameters.entry, nullptr);
    EXPECT_EQ(printRecord(type, record.get()),
              "{ -- SEQUENCE --\n"
              "    e-delivery-mode {1 2 3 4},\n"
              "    e-delivery-parameters  -- ERROR: malformed ANY value --,\n"
              "    e-delivery-details e-delivery-id { -- SEQUENCE --\n"
              "\n"
              "        }\n"
              "}");
}

}  // namespace
