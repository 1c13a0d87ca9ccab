// Every sample value the generator makes of the APDUs a target receives (minimal, maximal, and each
// alternative of the PDU), converted into its programming-interface record as the session layer converts a
// received APDU, and printed into a temporary file by the record's trace printer.
//
// The APDUs only an origin receives (the responses, Segment, and the access- and resource-control requests)
// have no conversion from the codec: no origin-side receive exists. Their samples are not printed here; the
// PDU's samples of them are checked to be exactly those.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/api/kiv_target_pdu.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/session/received_pdu_conversion.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using codec::z3950::PDU;

// One APDU a target receives: its generated type, the PDU alternative holding it, the type it is delivered
// as, the title line its printer starts with, and that printer applied to the delivered record.
struct ReceivedApdu {
    const char* typeName;
    int32_t choiceId;
    int32_t pduType;
    const char* title;
    void (*print)(std::FILE* file, const KivTargetPdu& pdu);
};

const ReceivedApdu kReceivedApdus[] = {
    {"InitializeRequest", PDU::kInitRequest, TPT_InitializeReq, "InitRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) { KivPrintInitializeReq(f, p.uPdu.psInitializeReq.get()); }},
    {"SearchRequest", PDU::kSearchRequest, TPT_SearchReq, "SearchRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) { KivPrintSearchReq(f, p.uPdu.psSearchReq.get()); }},
    {"PresentRequest", PDU::kPresentRequest, TPT_PresentReq, "PresentRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) { KivPrintPresentReq(f, p.uPdu.psPresentReq.get()); }},
    {"DeleteResultSetRequest", PDU::kDeleteResultSetRequest, TPT_DeleteResultSetReq,
     "DeleteResultSetRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) {
         KivPrintDeleteResultSetReq(f, p.uPdu.psDeleteResultSetReq.get());
     }},
    {"ScanRequest", PDU::kScanRequest, TPT_ScanReq, "ScanRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) { KivPrintScanReq(f, p.uPdu.psScanReq.get()); }},
    {"ResourceReportRequest", PDU::kResourceReportRequest, TPT_ResourceReportReq,
     "ResourceReportRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) {
         KivPrintResourceReportReq(f, p.uPdu.psResourceReportReq.get());
     }},
    {"SortRequest", PDU::kSortRequest, TPT_SortReq, "SortRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) { KivPrintSortReq(f, p.uPdu.psSortReq.get()); }},
    {"ExtendedServicesRequest", PDU::kExtendedServicesRequest, TPT_ExtendedServicesReq,
     "ExtendedServicesRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) {
         KivPrintExtendedServicesReq(f, p.uPdu.psExtendedServicesReq.get());
     }},
    {"Close", PDU::kClose, TPT_CloseReq, "Close PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) { KivPrintClose(f, p.uPdu.psCloseReq.get()); }},
    {"AccessControlResponse", PDU::kAccessControlResponse, TPT_AccessControlRsp,
     "AccessControlResponse PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) {
         KivPrintAccessControlRsp(f, p.uPdu.psAccessControlRsp.get());
     }},
    {"ResourceControlResponse", PDU::kResourceControlResponse, TPT_ResourceControlRsp,
     "ResourceControlResponse PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) {
         KivPrintResourceControlRsp(f, p.uPdu.psResourceControlRsp.get());
     }},
    {"TriggerResourceControlRequest", PDU::kTriggerResourceControlRequest, TPT_TriggerResourceControlReq,
     "TriggerResourceControlRequest PDU\n",
     [](std::FILE* f, const KivTargetPdu& p) {
         KivPrintTriggerResourceControlReq(f, p.uPdu.psTriggerResourceControlReq.get());
     }},
};

// The PDU alternatives only an origin receives.
const std::set<int32_t> kOriginOnlyChoices = {
    PDU::kInitResponse,
    PDU::kSearchResponse,
    PDU::kPresentResponse,
    PDU::kDeleteResultSetResponse,
    PDU::kAccessControlRequest,
    PDU::kResourceControlRequest,
    PDU::kResourceReportResponse,
    PDU::kScanResponse,
    PDU::kSortResponse,
    PDU::kSegmentRequest,
    PDU::kExtendedServicesResponse,
};

const ReceivedApdu* receivedByType(std::string_view typeName) {
    for (const ReceivedApdu& apdu : kReceivedApdus) {
        if (typeName == apdu.typeName) return &apdu;
    }
    return nullptr;
}

const ReceivedApdu* receivedByChoice(int32_t choiceId) {
    for (const ReceivedApdu& apdu : kReceivedApdus) {
        if (choiceId == apdu.choiceId) return &apdu;
    }
    return nullptr;
}

// What the APDU's printer writes about the delivered record, read back from a temporary file.
std::string printedThroughFile(const ReceivedApdu& apdu, const KivTargetPdu& target) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    if (file == nullptr) return "no temporary file";
    apdu.print(file.get(), target);
    std::rewind(file.get());
    std::string text;
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;) text.append(block, got);
    return text;
}

// Delivers the decoded APDU as the session layer does and prints the record it becomes.
void expectPrinted(const ReceivedApdu& apdu, void* codecApdu) {
    SCOPED_TRACE(apdu.typeName);
    PDU pdu{};
    pdu.choiceId = apdu.choiceId;
    pdu.slot = codecApdu;
    KivTargetPdu target;
    target.ePduType = apdu.pduType;
    SIError* error = nullptr;
    ASSERT_EQ(siConvertReceivedPdu(0, &pdu, &target, &error), 0);
    ASSERT_EQ(target.ePduType, apdu.pduType);

    const std::string output = printedThroughFile(apdu, target);
    EXPECT_TRUE(output.starts_with(std::string(apdu.title) + "psReferenceId: ")) << output;
    EXPECT_NE(output.find("\nppsOtherInformation: "), std::string::npos) << output;
}

// Run over every type of the two APDU units; the types other than the PDU and the APDUs a target receives
// are skipped.
TEST_P(GeneratedCodecTest, ReceivedApduSamplesPrintThroughTheTracePrinters) {
    const GeneratedType& type = GetParam();
    const bool wholePdu = std::string_view(type.name) == "PDU";
    const ReceivedApdu* apdu = receivedByType(type.name);
    if (!wholePdu && apdu == nullptr) GTEST_SKIP() << "not an APDU a target receives";
    KivRegisterCodecTypes();  // as the transport does before it decodes

    for (const GeneratedSample& sample : type.samples) {
        SCOPED_TRACE(sample.name);
        GeneratedRecord record(type);
        ASSERT_EQ(decodeElement(type, sample.octets, record.get()).code, 0);
        if (!wholePdu) {
            expectPrinted(*apdu, record.get());
            continue;
        }
        const auto* pdu = static_cast<const PDU*>(record.get());
        if (const ReceivedApdu* held = receivedByChoice(pdu->choiceId)) {
            expectPrinted(*held, pdu->slot);
        } else {
            EXPECT_EQ(kOriginOnlyChoices.count(pdu->choiceId), 1u) << pdu->choiceId;
        }
    }
}

}  // namespace
