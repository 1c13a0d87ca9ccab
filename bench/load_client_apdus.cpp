#include "bench/load_client_apdus.h"

#include <cstring>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <string>

#include "toolkit/asn1/ber_list.h"
#include "toolkit/codec/z3950/apdu_encode.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/codec/z3950/external.h"
#include "toolkit/util/memory.h"

namespace {

namespace z = codec::z3950;

const uint8_t kBib1[] = {0x2A, 0x86, 0x48, 0xCE, 0x13, 0x03, 0x01};    // 1.2.840.10003.3.1
const uint8_t kUsmarc[] = {0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x0A};  // 1.2.840.10003.5.10
constexpr int32_t kPreferredMessageSize = 1024 * 1024;
constexpr int32_t kExceptionalRecordSize = 4 * 1024 * 1024;

// A PDU whose parts are MemAlloc blocks, released by the codec's free routine.
struct OwnedPdu {
    z::PDU pdu{};
    OwnedPdu() = default;
    OwnedPdu(const OwnedPdu&) = delete;
    OwnedPdu& operator=(const OwnedPdu&) = delete;
    ~OwnedPdu() { z::FreePDU(&pdu); }
};

void* allocate(size_t size) {
    void* block = MemAlloc(static_cast<int32_t>(size));
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

template <typename T>
T* newRecord() {
    return static_cast<T*>(allocate(sizeof(T)));
}

// Octets copied into a MemAlloc block; BerOctets and BerOid share the layout.
template <typename T>
T copied(const void* octets, size_t length) {
    auto* block = static_cast<uint8_t*>(allocate(length + 1));
    std::memcpy(block, octets, length);
    return T{static_cast<int32_t>(length), block};
}

BerOctets text(std::string_view value) {
    return copied<BerOctets>(value.data(), value.size());
}

BerOctets* newText(std::string_view value) {
    auto* octets = newRecord<BerOctets>();
    *octets = text(value);
    return octets;
}

void append(BerList*& list, void* element) {
    if (list == nullptr && (list = ASN_ListNew(sizeof(void*))) == nullptr) throw std::bad_alloc();
    void* slot = ASN_ListAppend(list);
    if (slot == nullptr) throw std::bad_alloc();
    *static_cast<void**>(slot) = element;
}

BerBits bitsSet(int32_t bitCount, std::initializer_list<int32_t> set) {
    BerBits bits{bitCount, static_cast<uint8_t*>(allocate((bitCount + 7) / 8))};
    for (int32_t bit : set) ASN_SetBitStringBit(&bits, bit);
    return bits;
}

std::string textOf(const BerOctets* octets) {
    if (octets == nullptr || octets->octets == nullptr) return "";
    return std::string(reinterpret_cast<const char*>(octets->octets), static_cast<size_t>(octets->length));
}

std::string diagnosticText(const z::DefaultDiagFormat* diagnostic) {
    if (diagnostic == nullptr) return "";
    std::string out = std::to_string(diagnostic->condition);
    const z::DefaultDiagFormatAddinfo* addinfo = diagnostic->addinfo;
    if (addinfo != nullptr) {
        std::string info =
            textOf(addinfo->choiceId == z::DefaultDiagFormatAddinfo::kV2Addinfo ? addinfo->v2Addinfo
                                                                                : addinfo->v3Addinfo);
        if (!info.empty()) out += ": " + info;
    }
    return out;
}

std::string diagnosticText(const z::DiagRec* record) {
    if (record == nullptr) return "";
    if (record->choiceId == z::DiagRec::kDefaultFormat) return diagnosticText(record->defaultFormat);
    return "externally defined diagnostic";
}

// The first diagnostic of a records field that carries non-surrogate diagnostics.
std::string diagnosticText(const z::Records* records) {
    if (records == nullptr) return "";
    if (records->choiceId == z::Records::kNonSurrogateDiagnostic)
        return diagnosticText(records->nonSurrogateDiagnostic);
    if (records->choiceId == z::Records::kMultipleNonSurDiagnostics && records->multipleNonSurDiagnostics &&
        records->multipleNonSurDiagnostics->first)
        return diagnosticText(
            *static_cast<z::DiagRec**>(ASN_ListSlot(records->multipleNonSurDiagnostics->first)));
    return "";
}

// Decodes a whole APDU into holder and checks that it is the expected kind.
void decode(const ApduOctets& apdu, OwnedPdu& holder, int32_t expected, const char* expectedName) {
    BerBuffer buf = berDecodeBuffer(apdu.data(), apdu.size());
    BerDecodeContext ctx(apdu.size());
    uint32_t counter = 0;
    try {
        z::DecodePDU(buf, &holder.pdu, counter, ctx);
    } catch (const BerDecodeError& error) {
        throw std::runtime_error("undecodable response (code " + std::to_string(error.code) + ")");
    }
    if (holder.pdu.choiceId == expected) return;
    if (holder.pdu.choiceId == z::PDU::kClose)
        throw std::runtime_error(std::string("server sent Close instead of ") + expectedName + " (reason " +
                                 std::to_string(holder.pdu.close->closeReason) + ")");
    throw std::runtime_error(std::string("server sent APDU ") + std::to_string(holder.pdu.choiceId) +
                             " instead of " + expectedName);
}

// A query tree as an RPN structure, built into the holder's records as it goes.
z::RPNStructure* rpnStructure(const QueryNode& node) {
    auto* rpn = newRecord<z::RPNStructure>();
    if (node.kind != QueryNode::Kind::kTerm) {
        rpn->choiceId = z::RPNStructure::kRpnRpnOp;
        rpn->rpnRpnOp = newRecord<z::RPNStructureRpnRpnOp>();
        rpn->rpnRpnOp->rpn1 = rpnStructure(*node.left);
        rpn->rpnRpnOp->rpn2 = rpnStructure(*node.right);
        rpn->rpnRpnOp->op = newRecord<z::Operator>();
        rpn->rpnRpnOp->op->choiceId = node.kind == QueryNode::Kind::kAnd  ? z::Operator::kAnd
                                      : node.kind == QueryNode::Kind::kOr ? z::Operator::kOr
                                                                          : z::Operator::kAndNot;
        return rpn;
    }
    auto* attrTerm = newRecord<z::AttributesPlusTerm>();
    for (const auto& [type, value] : node.attributes) {
        auto* element = newRecord<z::AttributeElement>();
        element->attributeType = type;
        element->attributeValue = newRecord<z::AttributeElementAttributeValue>();
        element->attributeValue->choiceId = z::AttributeElementAttributeValue::kNumeric;
        element->attributeValue->numeric = value;
        append(attrTerm->attributes, element);
    }
    attrTerm->term = newRecord<z::Term>();
    attrTerm->term->choiceId = z::Term::kGeneral;
    attrTerm->term->general = newText(node.term);
    rpn->choiceId = z::RPNStructure::kOp;
    rpn->op = newRecord<z::Operand>();
    rpn->op->choiceId = z::Operand::kAttrTerm;
    rpn->op->attrTerm = attrTerm;
    return rpn;
}

// Whether an ISO 2709 record's leader gives its own length and it ends with a record terminator.
bool marcLeaderMatches(const BerOctets& record) {
    if (record.octets == nullptr || record.length < 24 || record.octets[record.length - 1] != 0x1D)
        return false;
    int32_t declared = 0;
    for (int i = 0; i < 5; ++i) {
        uint8_t digit = record.octets[i];
        if (digit < '0' || digit > '9') return false;
        declared = declared * 10 + (digit - '0');
    }
    return declared == record.length;
}

}  // namespace

ApduOctets initRequestApdu() {
    OwnedPdu holder;
    holder.pdu.choiceId = z::PDU::kInitRequest;
    auto* init = holder.pdu.initRequest = newRecord<z::InitializeRequest>();
    init->protocolVersion = bitsSet(3, {0, 1, 2});
    init->options = bitsSet(16, {0, 1});  // search, present
    init->preferredMessageSize = kPreferredMessageSize;
    init->exceptionalRecordSize = kExceptionalRecordSize;
    init->implementationName = text("Quorvane load client");
    return z::encodeApdu(&holder.pdu);
}

ApduOctets searchRequestApdu(const std::string& database, const QueryNode& query) {
    OwnedPdu holder;
    holder.pdu.choiceId = z::PDU::kSearchRequest;
    auto* search = holder.pdu.searchRequest = newRecord<z::SearchRequest>();
    search->smallSetUpperBound = 0;
    search->largeSetLowerBound = 1;
    search->mediumSetPresentNumber = 0;
    search->replaceIndicator = 1;
    search->resultSetName = text("default");
    append(search->databaseNames, newText(database));
    search->query = newRecord<z::Query>();
    search->query->choiceId = z::Query::kType1;
    auto* rpnQuery = search->query->type_1 = newRecord<z::RPNQuery>();
    rpnQuery->attributeSet = copied<BerOid>(kBib1, sizeof kBib1);
    rpnQuery->rpn = rpnStructure(query);
    return z::encodeApdu(&holder.pdu);
}

ApduOctets presentRequestApdu(int32_t count) {
    OwnedPdu holder;
    holder.pdu.choiceId = z::PDU::kPresentRequest;
    auto* present = holder.pdu.presentRequest = newRecord<z::PresentRequest>();
    present->resultSetId = text("default");
    present->resultSetStartPoint = 1;
    present->numberOfRecordsRequested = count;
    present->recordComposition = newRecord<z::PresentRequestRecordComposition>();
    present->recordComposition->choiceId = z::PresentRequestRecordComposition::kSimple;
    present->recordComposition->simple = newRecord<z::ElementSetNames>();
    present->recordComposition->simple->choiceId = z::ElementSetNames::kGenericElementSetName;
    present->recordComposition->simple->genericElementSetName = newText("F");
    present->preferredRecordSyntax = copied<BerOid>(kUsmarc, sizeof kUsmarc);
    return z::encodeApdu(&holder.pdu);
}

InitOutcome readInitResponse(const ApduOctets& apdu) {
    OwnedPdu holder;
    decode(apdu, holder, z::PDU::kInitResponse, "InitResponse");
    const z::InitializeResponse* response = holder.pdu.initResponse;
    return InitOutcome{response->result != 0, textOf(&response->implementationName)};
}

SearchOutcome readSearchResponse(const ApduOctets& apdu) {
    OwnedPdu holder;
    decode(apdu, holder, z::PDU::kSearchResponse, "SearchResponse");
    const z::SearchResponse* response = holder.pdu.searchResponse;
    return SearchOutcome{response->searchStatus != 0, response->resultCount,
                         diagnosticText(response->records)};
}

PresentOutcome readPresentResponse(const ApduOctets& apdu) {
    OwnedPdu holder;
    decode(apdu, holder, z::PDU::kPresentResponse, "PresentResponse");
    const z::PresentResponse* response = holder.pdu.presentResponse;
    PresentOutcome outcome;
    outcome.presentStatus = response->presentStatus;
    outcome.diagnostic = diagnosticText(response->records);
    if (response->records == nullptr || response->records->choiceId != z::Records::kResponseRecords ||
        response->records->responseRecords == nullptr)
        return outcome;
    for (BerListNode* node = response->records->responseRecords->first; node != nullptr; node = node->next) {
        const z::NamePlusRecord* named = *static_cast<z::NamePlusRecord**>(ASN_ListSlot(node));
        if (named == nullptr || named->record == nullptr) continue;
        if (named->record->choiceId == z::NamePlusRecordRecord::kSurrogateDiagnostic) {
            ++outcome.surrogates;
            if (outcome.diagnostic.empty())
                outcome.diagnostic = diagnosticText(named->record->surrogateDiagnostic);
            continue;
        }
        if (named->record->choiceId != z::NamePlusRecordRecord::kRetrievalRecord) continue;
        const BerOctets& marc = named->record->retrievalRecord->octetAligned;
        ++outcome.records;
        outcome.recordOctets += marc.length;
        if (!marcLeaderMatches(marc)) ++outcome.badMarc;
    }
    return outcome;
}
