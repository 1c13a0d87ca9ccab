// GRS-1 records through the codec: structure -> codec record -> BER -> codec record -> structure, under both
// identifiers, with the octets checked where the rules send a value differently from how it comes back.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/external/external_round_trip.h"
#include "tests/external/grs1_equality.h"
#include "tests/external/grs1_samples.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_convert_generic_record.h"
#include "toolkit/external/kiv_generic_record_depth.h"
#include "toolkit/util/memory.h"

namespace grs1_convert_cases {
namespace {

using codec::records::ElementData;
using codec::records::GenericRecordChoice;
using codec::records::TaggedElement;
using namespace grs1_test;

const GeneratedType kGenericRecord = GENERATED_TYPE(codec::records, GenericRecordChoice, 0);

// Binds any to the type registered under oid, as the EXTERNAL dispatch does before it converts.
void bind(BerAny* any, const char* oid) {
    KivRegisterCodecTypes();
    BerOid encoded{};
    KivOidToCodec(&encoded, oid);
    ASN_BindAnyByOid(any, &encoded);
    ASN_FreeOid(&encoded);
}

const KivSingleASN1Type& contentOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type;
}

// The codec value of a record, bound under the first identifier and released with the object.
class CodecRecord {
  public:
    explicit CodecRecord(KivGenericRecord record) : external_(grsExternal(std::move(record))) {
        bind(&any_, kGrs1Oid);
        try {
            KivGenericRecordToCodec(&any_, &contentOf(*external_));
        } catch (...) {
            ASN_FreeAny(&any_);  // what the conversion built before it gave up
            throw;
        }
    }
    ~CodecRecord() { ASN_FreeAny(&any_); }
    CodecRecord(const CodecRecord&) = delete;
    CodecRecord& operator=(const CodecRecord&) = delete;

    GenericRecordChoice* value() const { return static_cast<GenericRecordChoice*>(any_.value); }
    std::vector<uint8_t> octets() const { return encodeElement(kGenericRecord, value()); }

  private:
    std::unique_ptr<KivExternal> external_;
    BerAny any_{};
};

// The record that the conversion from the codec builds from a GRS-1 element.
std::unique_ptr<KivSingleASN1Type> decodedRecord(const std::vector<uint8_t>& octets) {
    GeneratedRecord codec(kGenericRecord);
    EXPECT_EQ(decodeElement(kGenericRecord, octets, codec.get()).code, 0);
    auto content = std::make_unique<KivSingleASN1Type>();
    BerAny any{nullptr, codec.get()};
    KivGenericRecordFromCodec(content.get(), &any);
    return content;
}

TEST(Grs1Convert, EveryValidRecordComesBackAsItWasSentUnderBothIdentifiers) {
    for (const NamedRecord& sample : validRecords()) {
        for (const char* oid : {kGrs1Oid, kGrs1IsoOid}) {
            const auto sent = grsExternal(sample.make(), oid);
            const auto received = throughCodec(*sent);
            EXPECT_TRUE(same(*sent, *received)) << sample.name << " under " << oid << "\nsent:\n"
                                                << traced(*sent) << "received:\n"
                                                << traced(*received);
        }
    }
}

TEST(Grs1Convert, ElementsEncodeAsTheRecordSyntaxDefinesThem) {
    KivGenericRecord titled;
    addElement(titled.ppsTaggedElement, "title")->sContent.eElementDataGType = EDT_String;
    titled.ppsTaggedElement[0]->sContent.uElementDataG.psString = text("Moby");
    EXPECT_EQ(CodecRecord(std::move(titled)).octets(),
              hexOctets("30 16 30 14 81 01 02 A2 07 81 05 74 69 74 6C 65 A4 06 1B 04 4D 6F 62 79"));

    KivGenericRecord kinds;
    for (int32_t type : {EDT_ElementNotThere, EDT_ElementEmpty, EDT_NoDataRequested}) {
        addNumericElement(kinds.ppsTaggedElement, 1)->sContent.eElementDataGType = type;
    }
    EXPECT_EQ(CodecRecord(std::move(kinds)).octets(),
              hexOctets("30 21 30 09 A2 03 82 01 01 A4 02 82 00 30 09 A2 03 82 01 01 A4 02 83 00"
                        " 30 09 A2 03 82 01 01 A4 02 84 00"));

    EXPECT_EQ(CodecRecord(emptyRecord()).octets(), hexOctets("30 00"));
    const auto empty = decodedRecord(hexOctets("30 00"));
    ASSERT_NE(empty->uASN1.psGenericRecord, nullptr);
    EXPECT_TRUE(empty->uASN1.psGenericRecord->ppsTaggedElement.present());
    EXPECT_EQ(empty->uASN1.psGenericRecord->ppsTaggedElement.size(), 0u);
}

// Empty optional texts are not sent; empty octets (element descriptor, target token) are sent empty; both
// arrive absent. A hit without a target token sends none.
TEST(Grs1Convert, EmptyOptionalValuesArriveAbsent) {
    KivGenericRecord record;
    KivTaggedElement* element = addNumericElement(record.ppsTaggedElement, 3);
    element->sContent.eElementDataGType = EDT_ElementEmpty;
    element->psMetaData = std::make_unique<KivMetaData>();
    KivMetaData& metaData = *element->psMetaData;
    metaData.ppsHits.emplace()->psTargetToken = octets("");
    metaData.ppsHits.emplace();
    metaData.psDisplayName = text("");
    metaData.psMessage = text("");
    metaData.psElementDescriptor = octets("");
    metaData.psUsageRight = std::make_unique<KivUsageRight>();
    metaData.psUsageRight->eType = UIT_Redistributable;
    metaData.psUsageRight->psRestriction = text("");

    const std::vector<uint8_t> sent = CodecRecord(std::move(record)).octets();
    EXPECT_EQ(sent, hexOctets("30 1C 30 1A A2 03 82 01 03 A4 02 83 00 A5 0F A2 03 81 01 01"
                              " A3 06 30 02 84 00 30 00 87 00"));

    const auto received = decodedRecord(sent);
    const KivMetaData& back = *received->uASN1.psGenericRecord->ppsTaggedElement[0]->psMetaData;
    ASSERT_EQ(back.ppsHits.size(), 2u);
    EXPECT_EQ(back.ppsHits[0]->psTargetToken, nullptr);
    EXPECT_EQ(back.ppsHits[1]->psTargetToken, nullptr);
    EXPECT_EQ(back.psDisplayName, nullptr);
    EXPECT_EQ(back.psMessage, nullptr);
    EXPECT_EQ(back.psElementDescriptor, nullptr);
    ASSERT_NE(back.psUsageRight, nullptr);
    EXPECT_EQ(back.psUsageRight->psRestriction, nullptr);
}

TEST(Grs1Convert, ValuesTheInterfaceDoesNotNameArriveAsTheyAre) {
    // A usage type outside 1..3 is copied as it comes, for validation to refuse if the record is sent on.
    const auto usage =
        decodedRecord(hexOctets("30 12 30 10 A2 03 82 01 01 A4 02 83 00 A5 05 A2 03 81 01 07"));
    EXPECT_EQ(usage->uASN1.psGenericRecord->ppsTaggedElement[0]->psMetaData->psUsageRight->eType, 7);

    // Alternatives the codec record does not have become the invalid selectors.
    GeneratedRecord codec(kGenericRecord);
    auto* holder = static_cast<GenericRecordChoice*>(codec.get());
    holder->genericRecord = kivNewCodecList();
    auto* element = kivNewCodecRecord<TaggedElement>();
    kivCodecListAppend(holder->genericRecord, element);
    element->content = kivNewCodecRecord<ElementData>();
    element->content->choiceId = ElementData::kAlternatives;
    element->appliedVariant = kivNewCodecRecord<codec::records::Variant>();
    element->appliedVariant->triples = kivNewCodecList();
    auto* triple = kivNewCodecRecord<codec::records::VariantTriple>();
    kivCodecListAppend(element->appliedVariant->triples, triple);
    triple->value = kivNewCodecRecord<codec::records::VariantValue>();
    triple->value->choiceId = codec::records::VariantValue::kAlternatives;

    KivSingleASN1Type content;
    BerAny any{nullptr, holder};
    KivGenericRecordFromCodec(&content, &any);
    const KivTaggedElement& received = *content.uASN1.psGenericRecord->ppsTaggedElement[0];
    EXPECT_EQ(received.sContent.eElementDataGType, EDT_Invalid);
    EXPECT_EQ(received.psAppliedVariant->ppsTriples[0]->sValue.eVariantValueType, VVT_Invalid);
}

// A chain of `levels` codec elements, each but the last holding the next in a subtree.
GenericRecordChoice* nestedCodecRecord(int levels) {
    auto* holder = kivNewCodecRecord<GenericRecordChoice>();
    BerList** list = &holder->genericRecord;
    for (int level = 1; level <= levels; ++level) {
        *list = kivNewCodecList();
        auto* element = kivNewCodecRecord<TaggedElement>();
        kivCodecListAppend(*list, element);
        element->content = kivNewCodecRecord<ElementData>();
        if (level < levels) {
            element->content->choiceId = ElementData::kSubtree;
            list = &element->content->subtree;
        } else {
            element->content->choiceId = ElementData::kElementEmpty;
        }
    }
    return holder;
}

TEST(Grs1Convert, NestingIsFollowedToTheDepthLimitAndNoFurther) {
    EXPECT_NE(CodecRecord(nestedRecord(kKivMaxGenericRecordDepth)).value(), nullptr);
    try {
        CodecRecord tooDeep(nestedRecord(kKivMaxGenericRecordDepth + 1));
        ADD_FAILURE() << "a record past the depth limit was converted towards the codec";
    } catch (const KivConversionError& error) {
        EXPECT_EQ(error.code, -27);
    }
    for (int levels : {kKivMaxGenericRecordDepth, kKivMaxGenericRecordDepth + 1}) {
        GenericRecordChoice* holder = nestedCodecRecord(levels);
        BerAny any{nullptr, holder};
        KivSingleASN1Type content;
        try {
            KivGenericRecordFromCodec(&content, &any);
            EXPECT_EQ(levels, kKivMaxGenericRecordDepth);
        } catch (const KivConversionError& error) {
            EXPECT_EQ(levels, kKivMaxGenericRecordDepth + 1);
            EXPECT_EQ(error.code, -1);
        }
        codec::records::FreeGenericRecordChoice(holder);
        MemFree(holder);
    }
}

TEST(Grs1Convert, ObjectIdentifierListsBecomeTexts) {
    BerList* list = kivNewCodecList();
    for (const char* text : {"1.2.840.10003.5.105", "1.0.10163.5.105"}) {
        auto* oid = kivNewCodecRecord<BerOid>();
        kivCodecListAppend(list, oid);
        KivOidToCodec(oid, text);
    }
    KivArray<std::string> texts;
    KivFillOidListFromCodec(&texts, list);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(*texts[0], "1.2.840.10003.5.105");
    EXPECT_EQ(*texts[1], "1.0.10163.5.105");

    KivArray<std::string> none;
    KivFillOidListFromCodec(&none, nullptr);
    EXPECT_TRUE(none.present());
    EXPECT_EQ(none.size(), 0u);

    for (BerListNode* node = list->first; node != nullptr;) {
        BerListNode* next = node->next;
        auto* oid = *static_cast<BerOid**>(ASN_ListSlot(node));
        ASN_FreeOid(oid);
        MemFree(oid);
        MemFree(node);
        node = next;
    }
    MemFree(list);
}

}  // namespace
}  // namespace grs1_convert_cases
