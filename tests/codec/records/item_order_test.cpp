// Byte-exact cases of the Item Order package.
#include <gtest/gtest.h>

#include <string>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/codec/records/records_f.h"

namespace r = codec::records;

namespace {

TEST(ItemOrderPackage, RequestAndTaskPackageParts) {
    expectCases(GENERATED_TYPE(r, ItemOrder, 0),
                {
                    {"esRequest without toKeep", "A1 04 A2 02 30 00", 0},
                    {"esRequest with an empty toKeep", "A1 08 A1 02 30 00 A2 02 30 00", 0},
                    {"esRequest of indefinite length, its wrappers too",
                     "A1 80 A1 80 30 00 00 00 A2 80 30 00 00 00 00 00", 0, "A1 08 A1 02 30 00 A2 02 30 00"},
                    {"taskPackage without originPart", "A2 04 A2 02 30 00", 0},
                    {"[3]", "A3 00", -208},
                    {"[1] in primitive form", "81 00", -208},
                    {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -194},
                    {"esRequest holding neither part", "A1 02 A3 00", -197},
                    {"notToKeep wrapping a SET", "A1 04 A2 02 31 00", -195},
                    {"octets left after notToKeep", "A1 06 A2 02 30 00 05 00", -196},
                    {"originPart wrapping a SET", "A2 04 A1 02 31 00", -189},
                    {"taskPackage holding neither part", "A2 02 A3 00", -192},
                    {"targetPart wrapping a SET", "A2 04 A2 02 31 00", -190},
                    {"octets left after targetPart", "A2 06 A2 02 30 00 05 00", -191},
                });

    GeneratedType type = GENERATED_TYPE(r, ItemOrder, 0);
    GeneratedRecord request(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A1 08 A1 02 30 00 A2 02 30 00"), request.get()).code, 0);
    auto* order = static_cast<r::ItemOrder*>(request.get());
    ASSERT_EQ(order->choiceId, r::ItemOrder::kEsRequest);
    r::ItemOrderOriginPartToKeep* toKeep = order->esRequest->toKeep;
    ASSERT_NE(toKeep, nullptr);
    EXPECT_EQ(toKeep->supplDescription, nullptr);
    EXPECT_EQ(toKeep->contact, nullptr);
    EXPECT_EQ(toKeep->addlBilling, nullptr);
    ASSERT_NE(order->esRequest->notToKeep, nullptr);

    GeneratedRecord withoutToKeep(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A1 04 A2 02 30 00"), withoutToKeep.get()).code, 0);
    EXPECT_EQ(static_cast<r::ItemOrder*>(withoutToKeep.get())->esRequest->toKeep, nullptr);
}

TEST(ItemOrderPackage, AbsentComponentsPrintNothing) {
    GeneratedType type = GENERATED_TYPE(r, ItemOrder, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A2 07 A2 05 30 03 83 01 02"), record.get()).code, 0);
    EXPECT_EQ(printRecord(type, record.get()),
              "taskPackage { -- SEQUENCE --\n"
              "        targetPart { -- SEQUENCE --\n"
              "            auxiliaryStatus 2\n"
              "        }\n"
              "    }");
}

TEST(ItemOrderPackage, OriginParts) {
    expectCases(GENERATED_TYPE(r, ItemOrderOriginPartToKeep, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"contact only", "30 05 A2 03 83 01 65", 0},
                    {"supplDescription, an EXTERNAL under [1]", "30 05 A1 03 06 01 2A", 0},
                    {"[4]", "30 02 A4 00", -163},
                    {"contact in primitive form", "30 02 82 00", -163},
                    {"octets left after addlBilling", "30 08 A3 04 A1 02 80 00 05 00", -162},
                });
    expectCases(GENERATED_TYPE(r, ItemOrderContact, kSequence),
                {
                    {"all three", "30 09 81 01 6E 82 01 70 83 01 65", 0},
                    {"email in constructed form", "30 05 A3 03 04 01 65", 0, "30 03 83 01 65"},
                    {"phone after email", "30 06 83 01 65 82 01 70", -122},
                    {"[4]", "30 02 84 00", -123},
                });
    expectCases(GENERATED_TYPE(r, ItemOrderOriginPartNotToKeep, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"resultSetItem", "30 08 A1 06 81 01 41 82 01 05", 0},
                    {"itemRequest", "30 05 A2 03 06 01 2A", 0},
                    {"[3]", "30 02 A3 00", -165},
                    {"octets left after itemRequest", "30 07 A2 03 06 01 2A 05 00", -164},
                });
    expectCases(GENERATED_TYPE(r, ResultSetItem, kSequence),
                {
                    {"item first", "30 03 82 01 01", -118},
                    {"item in constructed form", "30 06 81 01 41 A2 01 01", -120},
                    {"octets left after item", "30 08 81 01 41 82 01 05 05 00", -119},
                });
    expectCases(GENERATED_TYPE(r, ItemOrderTargetPart, kSequence),
                {
                    {"statusOrErrorReport and auxiliaryStatus", "30 08 A2 03 06 01 2A 83 01 07", 0},
                    {"auxiliaryStatus in constructed form", "30 02 A3 00", -167},
                    {"octets left after auxiliaryStatus", "30 05 83 01 01 05 00", -166},
                });
}

TEST(ItemOrderPackage, BillingAndPaymentMethods) {
    expectCases(
        GENERATED_TYPE(r, ItemOrderBilling, kSequence),
        {
            {"billInvoice", "30 04 A1 02 80 00", 0},
            {"privateKnown", "30 04 A1 02 85 00", 0},
            {"creditCard", "30 0F A1 0D A3 0B 81 01 41 82 02 31 32 83 02 33 34", 0},
            {"privateNotKnown, an EXTERNAL under [6]", "30 07 A1 05 A6 03 06 01 2A", 0},
            {"billInvoice with a non-zero length", "30 05 A1 03 80 01 00", kBerNullLength},
            {"paymentMethod in primitive form", "30 02 81 00", -148},
            {"paymentMethod [7]", "30 04 A1 02 87 00", -147},
            {"creditCard in primitive form", "30 04 A1 02 83 00", -147},
            // The wrapper's end-of-contents is consumed before customerReference's identifier is read.
            {"indefinite paymentMethod wrapper followed by customerReference",
             "30 09 A1 80 81 00 00 00 82 01 41", 0, "30 07 A1 02 81 00 82 01 41"},
            {"[4] after paymentMethod", "30 06 A1 02 80 00 84 00", -150},
            {"octets left after customerPONumber", "30 09 A1 02 80 00 83 01 41 05 00", -149},
        });
    expectCases(GENERATED_TYPE(r, CreditCardInfo, kSequence),
                {
                    {"cardNumber in constructed form", "30 0E 81 01 41 82 01 42 A3 06 04 01 31 04 01 32", 0,
                     "30 0A 81 01 41 82 01 42 83 02 31 32"},
                    {"nameOnCard missing", "30 03 82 01 41", -129},
                    {"expirationDate missing", "30 06 81 01 41 83 01 41", -130},
                    {"cardNumber missing", "30 08 81 01 41 82 01 41 84 00", -132},
                    {"octets left after cardNumber", "30 0B 81 01 41 82 01 41 83 01 41 05 00", -131},
                });

    GeneratedType type = GENERATED_TYPE(r, ItemOrderBilling, kSequence);
    GeneratedRecord record(type);
    ASSERT_EQ(
        decodeElement(type, hexOctets("30 0F A1 0D A3 0B 81 01 41 82 02 31 32 83 02 33 34"), record.get())
            .code,
        0);
    auto* billing = static_cast<r::ItemOrderBilling*>(record.get());
    ASSERT_EQ(billing->paymentMethod->choiceId, r::PaymentMethod::kCreditCard);
    const BerOctets& number = billing->paymentMethod->creditCard->cardNumber;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(number.octets), number.length), "34");
    EXPECT_EQ(billing->customerReference.octets, nullptr);
}

}  // namespace
