#include "Quorvane/handlers/scan_handler.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/serve_request.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/protocol/counted_texts.h"
#include "Quorvane/scan/scan_definitions.h"
#include "Quorvane/scan/scan_terms.h"
#include "Quorvane/search/search_definitions_lookup.h"
#include "toolkit/session/response_services.h"
#include "toolkit/util/str_case.h"

namespace {

constexpr std::uint32_t kUseAttributeType = 1;
constexpr std::int32_t kNumericAttributeValue = 1;

// The "SDIAG|<condition>|<text>" description of a failed scan's diagnostic.
std::string_view scanDiagnosticText(Bib1Condition condition) {
    switch (condition) {
        case kConditionTemporarySystemError:
            return "SDIAG|2|Temporary system error";
        case kConditionDatabaseUnavailable:
            return "SDIAG|109|Database not available";
        case kConditionUnsupportedAttributeType:
            return "SDIAG|113|Unsupported attribute OID type";
        case kConditionUnsupportedUseAttribute:
            return "SDIAG|114|Unsupported use attribute";
        case kConditionUnsupportedAttributeSet:
            return "SDIAG|123|Unsupported attribute combination";
        case kConditionUnsupportedTermType:
            return "SDIAG|124|Unsupported coded value for term";
        case kConditionDatabaseUnknown:
            return "SDIAG|235|Database does not exist";
        case kConditionScanResourcesExhausted:
            return "SDIAG|240|Scan resources exhausted";
        default:
            return "SDIAG|100|Unspecified Error";
    }
}

std::string firstDatabaseName(const KivScanReq& request) {
    if (request.ppsDatabaseNames.size() == 0) return {};
    return request.ppsDatabaseNames[0]->pcValue;
}

// The value of the last numeric use attribute; 0 without one.
std::int32_t useValue(const KivAttributesPlusTerm& attributesPlusTerm) {
    std::int32_t use = 0;
    for (const KivAttributeElement& element : attributesPlusTerm.ppsAttributeElement) {
        if (element.ulAttributeType == kUseAttributeType &&
            element.sAttributeValue.eAttributeValueType == kNumericAttributeValue) {
            use = static_cast<std::int32_t>(element.sAttributeValue.uAttributeValue.ulNumeric);
        }
    }
    return use;
}

// The term as upper-case text, up to a zero octet; nothing for a type that has no text form.
std::optional<std::string> termText(const KivTerm& term) {
    std::string text;
    switch (term.eTermType) {
        case TT_General:
            if (term.uTerm.psGeneral != nullptr) text = term.uTerm.psGeneral->pcValue;
            break;
        case TT_Numeric:
            text = std::to_string(static_cast<std::int32_t>(term.uTerm.ulInteger));
            break;
        case TT_SimpleCharacter:
            if (term.uTerm.psSimpleCharacter != nullptr) text = term.uTerm.psSimpleCharacter->pcValue;
            break;
        case TT_ObjectIdentifier:
            text = term.uTerm.pcObjectIdentifier.value_or("");
            break;
        case TT_DateTime:
            text = term.uTerm.pcDateTime.value_or("");
            break;
        default:
            return std::nullopt;
    }
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    StrUpper(text);
    return text;
}

// The scan's terms, or the condition when it cannot be answered.
Bib1Result<ScanTermList> scanTerms(SessionRecord& session, const KivScanReq& request,
                                   const std::string& attributeSet) {
    if (request.pulStepSize.value_or(1) >= 2) return Bib1Outcome::failure(kConditionStepSizeUnsupported);
    const std::string database = firstDatabaseName(request);
    const ScanDefinition* definition = FindScanDefinition(session.scanDefinitions, database);
    if (definition == nullptr) return Bib1Outcome::failure(kConditionDatabaseUnavailable);
    if (!ScanDefinitionHoldsAttributeSet(*definition, attributeSet))
        return Bib1Outcome::failure(kConditionUnsupportedAttributeType);
    session.currentDatabase = database;
    session.currentScanDefinition = definition;
    std::optional<std::string> term = termText(request.sAttributesPlusTerm.sTerm);
    if (!term) return Bib1Outcome::failure(kConditionUnsupportedTermType);
    return CollectScanTerms(session, useValue(request.sAttributesPlusTerm), *term,
                            request.ulNumberOfTermsRequested,
                            request.pulPreferredPositionInResponse.value_or(0));
}

std::unique_ptr<KivTermInfo> termInfo(ScanTerm& term) {
    auto info = std::make_unique<KivTermInfo>();
    info->sTerm.eTermType = TT_General;
    info->sTerm.uTerm.psGeneral = std::make_unique<KivOctets>(KivOctets{std::move(term.term)});
    info->psDisplayTerm = NewInternationalString(term.displayTerm);
    info->pulGlobalOccurrences = term.hits;
    return info;
}

bool sendScanResponse(KivAssocId assocId, const KivScanRsp& response) {
    SIError* error = nullptr;
    const bool sent = ResponseSent(KIVScanResponse(assocId, &response, &error), error);
    LogMessage("Sarvik: Sent Scan Response to Z Client");
    return sent;
}

}  // namespace

void SetScanDiagnostic(const SessionRecord& session, KivScanRsp& response, Bib1Condition condition) {
    response.pulStepSize.reset();
    response.eScanStatus = SCS_Failure;
    response.ulNumberOfEntriesReturned = 0;
    response.pulPositionOfTerm.reset();
    response.pcAttributeSetId.reset();
    response.ppsOtherInformation.reset();
    response.psEntries = std::make_unique<KivListEntries>();
    response.psEntries->ppsEntry = KivArray<KivEntry>::emptyArray();
    KivDiagRec* diagnostic = response.psEntries->ppsNonSurrogateDiagnostics.emplace();
    FillSurrogateDiag(session, *diagnostic, scanDiagnosticText(condition));
}

void FillScanResponse(SessionRecord& session, const KivScanReq& request, KivScanRsp& response) {
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    const std::string attributeSet = request.pcAttributeSetId.value_or(kBib1AttributeSet);
    Bib1Result<ScanTermList> list = scanTerms(session, request, attributeSet);
    if (!list) {
        SetScanDiagnostic(session, response, list.outcome().condition());
        return;
    }
    response.psEntries = std::make_unique<KivListEntries>();
    response.psEntries->ppsEntry = KivArray<KivEntry>::emptyArray();
    for (ScanTerm& term : list->terms) {
        KivEntry* entry = response.psEntries->ppsEntry.emplace();
        entry->eEntryType = ET_TermInfo;
        entry->uEntry.psTermInfo = termInfo(term);
    }
    const auto entries = static_cast<std::uint32_t>(list->terms.size());
    response.eScanStatus = entries == request.ulNumberOfTermsRequested ? SCS_Success : SCS_Partial_5;
    response.ulNumberOfEntriesReturned = entries;
    response.pulPositionOfTerm = list->positionOfTerm;
    response.pcAttributeSetId = attributeSet;
}

void HandleScanRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    ServeRequest(assocId, pdu.uPdu.psScanReq.get(), sendScanResponse, FillScanResponse,
                 [](SessionRecord& session, KivScanRsp& response) {
                     SetScanDiagnostic(session, response, kConditionTemporarySystemError);
                 });
}
