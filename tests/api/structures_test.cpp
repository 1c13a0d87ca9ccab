#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/api/kivproto.h"
#include "toolkit/util/ber_limits.h"

// Leaks are caught by the sanitizer build (LeakSanitizer); the plain build checks the caller-visible
// contract.

namespace {

std::unique_ptr<KivInternationalString> ownedText(const char* value) {
    return std::make_unique<KivInternationalString>(KivInternationalString{value});
}

std::unique_ptr<KivOctets> ownedOctets(std::string value) {
    return std::make_unique<KivOctets>(KivOctets{std::move(value)});
}

// An EXTERNAL carrying a SUTRS record.
std::unique_ptr<KivExternal> sutrsExternal(const char* record) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = "1.2.840.10003.5.101";
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type;
    content = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_UnstructuredText;
    content->uASN1.psUnstructuredText = ownedText(record);
    return external;
}

std::unique_ptr<KivRpnStructure> termOperand(const char* term) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    auto& operand = node->uRPNStructure.psRpnOperand;
    operand = std::make_unique<KivRpnOperand>();
    operand->eOperandType = 1;
    auto& plusTerm = operand->uOperand.psAttributesPlusTerm;
    plusTerm = std::make_unique<KivAttributesPlusTerm>();
    KivAttributeElement* use = plusTerm->ppsAttributeElement.emplace();
    use->pcAttributeSetId = "1.2.840.10003.3.1";
    use->ulAttributeType = 1;
    use->sAttributeValue.eAttributeValueType = 1;
    use->sAttributeValue.uAttributeValue.ulNumeric = 4;
    plusTerm->sTerm.eTermType = TT_General;
    plusTerm->sTerm.uTerm.psGeneral = ownedOctets(term);
    return node;
}

// A left-deep AND chain with `depth` operator nodes, each with a term operand on its right.
std::unique_ptr<KivSearchReq> searchWithChain(int depth) {
    auto request = std::make_unique<KivSearchReq>();
    request->sResultSetName.pcValue = "default";
    request->ppsDatabaseNames.append(ownedText("books"));
    request->psQuery = std::make_unique<KivQuery>();
    request->psQuery->eQueryType = QT_Rpn;
    auto& rpn = request->psQuery->uQuery.psRpnQuery;
    rpn = std::make_unique<KivRPNQuery>();
    rpn->pcAttributeSetId = "1.2.840.10003.3.1";

    std::unique_ptr<KivRpnStructure> tree = termOperand("first");
    for (int level = 0; level < depth; ++level) {
        auto node = std::make_unique<KivRpnStructure>();
        node->eRpnStructureType = RST_RpnLopRopOperator;
        auto& op = node->uRPNStructure.psRpnLopRopOperator;
        op = std::make_unique<KivRpnLopRopOperator>();
        op->psLeftOperand = std::move(tree);
        op->psRightOperand = termOperand("next");
        op->sOperator.eOperatorType = 2;
        tree = std::move(node);
    }
    rpn->sRpnStructure = std::move(*tree);
    return request;
}

TEST(KivArrayTest, AbsentDiffersFromPresentAndEmpty) {
    KivArray<KivOtherInformation> absent;
    EXPECT_FALSE(absent.present());
    EXPECT_FALSE(static_cast<bool>(absent));
    EXPECT_EQ(absent.size(), 0u);

    auto empty = KivArray<KivOtherInformation>::emptyArray();
    EXPECT_TRUE(empty.present());
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_TRUE(empty.begin() == empty.end());

    // An array holding only a null element is present and walks as empty.
    KivArray<uint32_t> onlyNull;
    onlyNull.append(nullptr);
    EXPECT_TRUE(onlyNull.present());
    EXPECT_EQ(onlyNull.size(), 0u);

    empty.reset();
    EXPECT_FALSE(empty.present());
}

TEST(KivArrayTest, WalkEndsAtTheFirstNullElement) {
    KivArray<KivInternationalString> names;
    names.emplace("first");
    names.emplace("second");
    names.append(nullptr);
    names.emplace("after the end");

    std::vector<std::string> walked;
    for (const KivInternationalString& name : names) walked.push_back(name.pcValue);
    EXPECT_EQ(walked, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(names.size(), 2u);
    EXPECT_EQ(names[1]->pcValue, "second");

    // Scalars and texts are built by value, structures by their fields.
    KivArray<uint32_t> values;
    values.emplace(7u);
    KivArray<std::string> syntaxes;
    syntaxes.emplace("1.2.840.10003.5.10");
    EXPECT_EQ(*values[0], 7u);
    EXPECT_EQ(*syntaxes[0], "1.2.840.10003.5.10");
}

TEST(KivCountedValueTest, LengthIsTheCountOfStoredOctets) {
    KivOctets withNul{std::string("a\0b", 3)};
    EXPECT_EQ(withNul.ulLength(), 3u);
    KivInternationalString empty;
    EXPECT_EQ(empty.ulLength(), 0u);
    KivInvalidAPDU invalid{std::string("\x9f\x7f\x00", 3)};
    EXPECT_EQ(invalid.ulLength(), 3u);
    invalid.pcValue.pop_back();
    EXPECT_EQ(invalid.ulLength(), 2u);
}

template <typename T>
void expectFreeContract(int (*freeRoutine)(T**), const char* name) {
    T* structure = new T{};
    EXPECT_EQ(freeRoutine(&structure), 0) << name;
    EXPECT_EQ(structure, nullptr) << name;
    EXPECT_EQ(freeRoutine(&structure), 0) << name << ": second call on the nulled pointer";
    EXPECT_EQ(structure, nullptr) << name;
    EXPECT_EQ(freeRoutine(nullptr), 0) << name << ": null address";
}
#define EXPECT_FREE_CONTRACT(routine) expectFreeContract(routine, #routine)

TEST(KivFreeTest, EveryPublicRoutineNullsThePointerAndAcceptsNull) {
    EXPECT_FREE_CONTRACT(KivFreeTargetPdu);
    EXPECT_FREE_CONTRACT(KivFreeOriginPdu);
    EXPECT_FREE_CONTRACT(KivFreeInitializeReq);
    EXPECT_FREE_CONTRACT(KivFreeInitializeRsp);
    EXPECT_FREE_CONTRACT(KivFreeSearchReq);
    EXPECT_FREE_CONTRACT(KivFreeSearchRsp);
    EXPECT_FREE_CONTRACT(KivFreePresentReq);
    EXPECT_FREE_CONTRACT(KivFreePresentRsp);
    EXPECT_FREE_CONTRACT(KivFreeDeleteResultSetReq);
    EXPECT_FREE_CONTRACT(KivFreeDeleteResultSetRsp);
    EXPECT_FREE_CONTRACT(KivFreeScanReq);
    EXPECT_FREE_CONTRACT(KivFreeScanRsp);
    EXPECT_FREE_CONTRACT(KivFreeResourceReportReq);
    EXPECT_FREE_CONTRACT(KivFreeResourceReportRsp);
    EXPECT_FREE_CONTRACT(KivFreeSortReq);
    EXPECT_FREE_CONTRACT(KivFreeSortRsp);
    EXPECT_FREE_CONTRACT(KivFreeExtendedServicesReq);
    EXPECT_FREE_CONTRACT(KivFreeExtendedServicesRsp);
    EXPECT_FREE_CONTRACT(KivFreeSegmentReq);
    EXPECT_FREE_CONTRACT(KivFreeClose);
    EXPECT_FREE_CONTRACT(KivFreeAccessControlReq);
    EXPECT_FREE_CONTRACT(KivFreeAccessControlRsp);
    EXPECT_FREE_CONTRACT(KivFreeResourceControlReq);
    EXPECT_FREE_CONTRACT(KivFreeResourceControlRsp);
    EXPECT_FREE_CONTRACT(KivFreeTriggerResourceControlReq);
    EXPECT_FREE_CONTRACT(KivFreeOctets);
    EXPECT_FREE_CONTRACT(KivFreeSingleASN1Type);
}

// Received records of several types, one of them with a type number outside the table: every body that is
// set is released with its holder, whatever ePduType says.
TEST(KivFreeTest, TargetPduReleasesWhateverBodyIsSet) {
    std::vector<KivTargetPdu*> received;

    auto release = std::make_unique<KivTargetPdu>();
    release->ePduType = TPT_ReleaseInd;
    release->uPdu.plReleaseInd = 0;
    received.push_back(release.release());

    auto invalid = std::make_unique<KivTargetPdu>();
    invalid->ePduType = TPT_InvalidApdu;
    invalid->uPdu.psInvalidAPDU = std::make_unique<KivInvalidAPDU>(KivInvalidAPDU{std::string(40, '\x5a')});
    received.push_back(invalid.release());

    auto close = std::make_unique<KivTargetPdu>();
    close->ePduType = TPT_CloseReq;
    close->uPdu.psCloseReq = std::make_unique<KivClose>();
    close->uPdu.psCloseReq->eCloseReason = CR_PeerAbort;
    close->uPdu.psCloseReq->psDiagnosticInformation = ownedText("peer went away without a word");
    close->uPdu.psCloseReq->psResourceReport = sutrsExternal("a resource report in plain text, long enough");
    received.push_back(close.release());

    auto outOfRange = std::make_unique<KivTargetPdu>();
    outOfRange->ePduType = 99;
    outOfRange->uPdu.psSearchReq = searchWithChain(3);
    received.push_back(outOfRange.release());

    for (KivTargetPdu*& pdu : received) {
        EXPECT_EQ(KivFreeTargetPdu(&pdu), 0);
        EXPECT_EQ(pdu, nullptr);
    }
}

// The decoder stops at kBerMaxNesting levels; a chain well past that is still released by recursion.
TEST(KivFreeTest, DeepRpnChainIsReleased) {
    KivSearchReq* request = searchWithChain(4 * kBerMaxNesting).release();
    EXPECT_EQ(KivFreeSearchReq(&request), 0);
    EXPECT_EQ(request, nullptr);
}

// Carried contents nest EXTERNALs in embedded members (an OPAC holdings record embeds one): all of them are
// released with the content that holds them.
TEST(KivFreeTest, CarriedContentWithNestedExternalsIsReleased) {
    auto opac = std::make_unique<KivOpacRecord>();
    opac->psBibliographicRecord = sutrsExternal("bibliographic data");
    KivHoldingsRecord* marc = opac->ppsHoldingsData.emplace();
    marc->eHoldingsRecType = HRT_MarcHoldingsRecord;
    marc->uMarcOrHoldAndCirc.sMarcHoldingsRecord = std::move(*sutrsExternal("a MARC holdings record"));
    KivHoldingsRecord* circulation = opac->ppsHoldingsData.emplace();
    circulation->eHoldingsRecType = HRT_HoldingsAndCirc;
    KivHoldingsAndCirc& holdings = circulation->uMarcOrHoldAndCirc.sHoldingsAndCirc;
    holdings.psCallNumber = ownedText("QA76.73.C153");
    holdings.ppsVolume = KivArray<KivVolume>::emptyArray();
    holdings.ppsCircRecord.emplace()->psItemId = ownedText("item-000042");

    auto content = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_OpacRecord;
    content->uASN1.psOpacRecord = std::move(opac);
    KivSingleASN1Type* raw = content.release();
    EXPECT_EQ(KivFreeSingleASN1Type(&raw), 0);
    EXPECT_EQ(raw, nullptr);
}

}  // namespace
