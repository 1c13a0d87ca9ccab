#pragma once
// Small builders of valid queries, terms, attributes and OtherInformation items for the query tests, and
// the search request that carries them through BER and back.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_query.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_query.h"
#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/util/memory.h"

namespace query_test {

inline constexpr int32_t kOr = 1;
inline constexpr int32_t kAnd = 2;
inline constexpr int32_t kAndNot = 3;
inline constexpr int32_t kProx = 4;

inline KivOctets octets(std::string text) {
    return KivOctets{std::move(text)};
}

inline KivInternationalString text(std::string value) {
    return KivInternationalString{std::move(value)};
}

inline std::unique_ptr<KivAttributeElement> numericAttribute(uint32_t type, uint32_t value,
                                                             std::optional<std::string> set = std::nullopt) {
    auto element = std::make_unique<KivAttributeElement>();
    element->pcAttributeSetId = std::move(set);
    element->ulAttributeType = type;
    element->sAttributeValue.eAttributeValueType = 1;
    element->sAttributeValue.uAttributeValue.ulNumeric = value;
    return element;
}

inline std::unique_ptr<KivStringOrNumeric> stringValue(std::string value) {
    auto result = std::make_unique<KivStringOrNumeric>();
    result->eStringOrNumeric = 1;
    result->uStringOrNumeric.psString = std::make_unique<KivInternationalString>(text(std::move(value)));
    return result;
}

inline std::unique_ptr<KivStringOrNumeric> numericValue(uint32_t value) {
    auto result = std::make_unique<KivStringOrNumeric>();
    result->eStringOrNumeric = 2;
    result->uStringOrNumeric.ulNumeric = value;
    return result;
}

// A complex attribute value: a string and a number, with the semantic actions given (absent when empty).
inline std::unique_ptr<KivAttributeElement> complexAttribute(uint32_t type, std::vector<uint32_t> actions) {
    auto element = std::make_unique<KivAttributeElement>();
    element->ulAttributeType = type;
    element->sAttributeValue.eAttributeValueType = 2;
    auto complex = std::make_unique<KivComplexValue>();
    complex->ppsList.append(stringValue("title"));
    complex->ppsList.append(numericValue(4));
    for (uint32_t action : actions) complex->ppulSemanticAction.emplace(action);
    element->sAttributeValue.uAttributeValue.psComplexValue = std::move(complex);
    return element;
}

inline KivTerm generalTerm(std::string value) {
    KivTerm term;
    term.eTermType = TT_General;
    term.uTerm.psGeneral = std::make_unique<KivOctets>(octets(std::move(value)));
    return term;
}

// An operand node: use attribute 1 = 4 on the term.
inline std::unique_ptr<KivRpnStructure> termNode(KivTerm term) {
    auto plus = std::make_unique<KivAttributesPlusTerm>();
    plus->ppsAttributeElement.append(numericAttribute(1, 4));
    plus->sTerm = std::move(term);
    auto operand = std::make_unique<KivRpnOperand>();
    operand->eOperandType = 1;
    operand->uOperand.psAttributesPlusTerm = std::move(plus);
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    node->uRPNStructure.psRpnOperand = std::move(operand);
    return node;
}

inline std::unique_ptr<KivRpnStructure> termNode(std::string word) {
    return termNode(generalTerm(std::move(word)));
}

inline std::unique_ptr<KivProximityOperator> proximity(std::optional<uint32_t> exclusion, int32_t unitType,
                                                       int32_t unit) {
    auto prox = std::make_unique<KivProximityOperator>();
    prox->pfExclusion = exclusion;
    prox->ulDistance = 3;
    prox->fOrdered = 1;
    prox->eProximityRelationType = PRT_LessThanOrEqual;
    prox->sProximityUnitCode.eProximityUnitType = unitType;
    if (unitType == PUT_Known) {
        prox->sProximityUnitCode.uProximityUnit.eKnownProximityUnit = unit;
    } else {
        prox->sProximityUnitCode.uProximityUnit.ulPrivate = static_cast<uint32_t>(unit);
    }
    return prox;
}

inline std::unique_ptr<KivRpnStructure> operatorNode(int32_t op, std::unique_ptr<KivRpnStructure> left,
                                                     std::unique_ptr<KivRpnStructure> right,
                                                     std::unique_ptr<KivProximityOperator> prox = nullptr) {
    auto lopRop = std::make_unique<KivRpnLopRopOperator>();
    lopRop->psLeftOperand = std::move(left);
    lopRop->psRightOperand = std::move(right);
    lopRop->sOperator.eOperatorType = op;
    lopRop->sOperator.psProximityOperator = std::move(prox);
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnLopRopOperator;
    node->uRPNStructure.psRpnLopRopOperator = std::move(lopRop);
    return node;
}

// A type-1 query (type-101 when erpn) over bib-1 with the tree as its root.
inline KivQuery rpnQuery(std::unique_ptr<KivRpnStructure> root, bool erpn = false) {
    auto rpn = std::make_unique<KivRPNQuery>();
    rpn->pcAttributeSetId = "1.2.840.10003.3.1";
    rpn->sRpnStructure = std::move(*root);
    KivQuery query;
    if (erpn) {
        query.eQueryType = QT_Erpn;
        query.uQuery.psErpnQuery = std::move(rpn);
    } else {
        query.eQueryType = QT_Rpn;
        query.uQuery.psRpnQuery = std::move(rpn);
    }
    return query;
}

// A left-deep tree of depth levels: depth - 1 AND nodes above one operand, each with an operand on its right.
// Built from the bottom, so no recursion is needed however deep it is.
inline std::unique_ptr<KivRpnStructure> deepTree(int depth) {
    std::unique_ptr<KivRpnStructure> tree = termNode("leaf");
    for (int level = 1; level < depth; ++level) tree = operatorNode(kAnd, std::move(tree), termNode("x"));
    return tree;
}

// Takes a tree apart level by level: destroying a very deep tree in one piece would recurse once per level.
inline void dismantle(std::unique_ptr<KivRpnStructure> tree) {
    std::vector<std::unique_ptr<KivRpnStructure>> pending;
    pending.push_back(std::move(tree));
    while (!pending.empty()) {
        std::unique_ptr<KivRpnStructure> node = std::move(pending.back());
        pending.pop_back();
        if (node && node->uRPNStructure.psRpnLopRopOperator) {
            pending.push_back(std::move(node->uRPNStructure.psRpnLopRopOperator->psLeftOperand));
            pending.push_back(std::move(node->uRPNStructure.psRpnLopRopOperator->psRightOperand));
        }
    }
}

// A codec PDU record, released with everything it owns.
class CodecPdu {
  public:
    CodecPdu() : pdu_(kivNewCodecRecord<codec::z3950::PDU>()) {}
    ~CodecPdu() {
        codec::z3950::FreePDU(pdu_);
        MemFree(pdu_);
    }
    CodecPdu(const CodecPdu&) = delete;
    CodecPdu& operator=(const CodecPdu&) = delete;
    codec::z3950::PDU* get() const { return pdu_; }

  private:
    codec::z3950::PDU* pdu_;
};

// A search request PDU with the mandatory fields, the query and the two OtherInformation lists converted.
inline void fillSearchRequest(codec::z3950::PDU* pdu, const KivQuery& query,
                              const KivArray<KivOtherInformation>& otherInformation) {
    pdu->choiceId = codec::z3950::PDU::kSearchRequest;
    auto* request = kivNewCodecRecord<codec::z3950::SearchRequest>();
    pdu->searchRequest = request;
    kivCodecCopy(&request->resultSetName, "default", 7);
    request->databaseNames = kivNewCodecList();
    KivNewQueryToCodec(&request->query, &query);
    KivOptionalOtherInformationToCodec(&request->additionalSearchInfo, &otherInformation);
    KivOptionalOtherInformationToCodec(&request->otherInfo, &otherInformation);
}

inline std::vector<uint8_t> encodePdu(codec::z3950::PDU* pdu) {
    std::vector<uint8_t> block(1 << 20);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    const uint32_t count = codec::z3950::EncodePDU(buf, pdu);
    EXPECT_EQ(buf.writeFailed, 0);
    return std::vector<uint8_t>(buf.start, buf.start + count);
}

// Decodes the octets into pdu; the decoder's code, or 0.
inline int decodePdu(const std::vector<uint8_t>& octets, codec::z3950::PDU* pdu) {
    BerDecodeContext context(octets.size());
    BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
    uint32_t counter = 0;
    try {
        codec::z3950::DecodePDU(buf, pdu, counter, context);
    } catch (const BerDecodeError& error) {
        return error.code;
    }
    return 0;
}

inline std::vector<uint8_t> encodeSearch(const KivQuery& query,
                                         const KivArray<KivOtherInformation>& info = {}) {
    CodecPdu pdu;
    fillSearchRequest(pdu.get(), query, info);
    return encodePdu(pdu.get());
}

// What a received search request gives the application.
struct Received {
    std::unique_ptr<KivQuery> query;
    KivArray<KivOtherInformation> additionalSearchInfo;
    KivArray<KivOtherInformation> otherInformation;
};

inline Received receiveSearch(const std::vector<uint8_t>& octets) {
    CodecPdu pdu;
    Received received;
    EXPECT_EQ(decodePdu(octets, pdu.get()), 0);
    const codec::z3950::SearchRequest* request = pdu.get()->searchRequest;
    if (request == nullptr) return received;
    KivNewQueryFromCodec(&received.query, request->query);
    KivOptionalOtherInformationFromCodec(&received.additionalSearchInfo, request->additionalSearchInfo);
    KivOptionalOtherInformationFromCodec(&received.otherInformation, request->otherInfo);
    return received;
}

}  // namespace query_test
