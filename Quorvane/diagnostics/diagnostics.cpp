#include "Quorvane/diagnostics/diagnostics.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/protocol/counted_texts.h"

namespace {

std::unique_ptr<KivRecords> nonSurrogateDiagnostic(Bib1Condition condition) {
    auto records = std::make_unique<KivRecords>();
    records->eRecordType = RT_NonSurrDiagnostics;
    records->uRecord.psNonSurrogateDiag = std::make_unique<KivDefaultDiagFormat>();
    FillDefaultDiag(*records->uRecord.psNonSurrogateDiag, kBib1DiagnosticSet, condition, kSeeAppendixErr);
    return records;
}

// The next '|'-separated piece of the text from pos on; pos moves past its separator.
std::string_view nextPiece(std::string_view text, std::size_t& pos) {
    if (pos > text.size()) return {};
    const std::size_t end = std::min(text.find('|', pos), text.size());
    std::string_view piece = text.substr(pos, end - pos);
    pos = end + 1;
    return piece;
}

// The piece's leading decimal number; 0 without one.
std::uint32_t leadingNumber(std::string_view piece) {
    std::uint32_t number = 0;
    std::from_chars(piece.data(), piece.data() + piece.size(), number);
    return number;
}

bool offersVersion3(const SessionRecord& session) {
    return session.clientProtocolVersion && session.clientProtocolVersion->size() >= 3 &&
           (*session.clientProtocolVersion)[2] == '1';
}

std::string_view sizeDescription(Bib1Condition sizeDiagnostic) {
    switch (sizeDiagnostic) {
        case kConditionPreferredSizeExceeded:
            return "SDIAG|16|Record exceeded the preferred record size";
        case kConditionExceptionalSizeExceeded:
            return "SDIAG|17|Record exceeded the exceptional record size";
    }
    return "SDIAG|100|Unspecified Error";
}

}  // namespace

void FillDefaultDiag(KivDefaultDiagFormat& diag, std::string_view diagnosticSetId, std::uint32_t condition,
                     std::string_view text) {
    diag.pcDiagnosticSetId = std::string(diagnosticSetId);
    diag.ulCondition = condition;
    diag.sAdditionalInfo.eProtocolVersionInForce = PVIF_Version3;
    diag.sAdditionalInfo.uAdditionalInfo.psV3 = NewInternationalString(text);
}

void SetSearchDiagnostic(KivSearchRsp& response, Bib1Condition condition) {
    response.ulResultCount = 0;
    if (condition == kConditionEmptyAnswer) {
        response.ulNumberOfRecordsReturned = 0;
        response.ulNextResultSetPosition = 1;
        response.fSearchStatus = 1;
        response.peResultSetStatus.reset();
        response.psRecords.reset();
        return;
    }
    response.ulNumberOfRecordsReturned = 1;
    response.ulNextResultSetPosition = 0;
    response.fSearchStatus = 0;
    response.peResultSetStatus = RSS_None;
    response.psRecords = nonSurrogateDiagnostic(condition);
}

void SetPresentDiagnostic(KivPresentRsp& response, Bib1Condition condition) {
    response.ulNumberOfRecordsReturned = 1;
    response.ulNextResultSetPosition = 0;
    response.ePresentStatus = PS_Failure;
    response.psRecords = nonSurrogateDiagnostic(condition);
}

void FillSurrogateDiag(const SessionRecord& session, KivDiagRec& diag, std::string_view description) {
    std::size_t pos = 0;
    nextPiece(description, pos);  // the word SDIAG
    const std::uint32_t condition = leadingNumber(nextPiece(description, pos));
    const std::string_view info = nextPiece(description, pos);

    diag.eDiagnosticsType = DT_DefaultFormat;
    auto format = std::make_unique<KivDefaultDiagFormat>();
    if (offersVersion3(session)) {
        FillDefaultDiag(*format, kBib1DiagnosticSet, condition, info);
    } else {
        format->pcDiagnosticSetId = kBib1DiagnosticSet;
        format->ulCondition = condition;
        format->sAdditionalInfo.eProtocolVersionInForce = PVIF_Version2;
        format->sAdditionalInfo.uAdditionalInfo.pcV2 = std::string(info);
    }
    diag.uDiagnostics.psDefault = std::move(format);
}

void SetSurrogateDiagnostic(const SessionRecord& session, KivResponseRecord& record,
                            Bib1Condition sizeDiagnostic) {
    record.eDbRecordType = DRT_SurrogateDiagnostics;
    record.uDbRecord.psSurrogateDiagnostic = std::make_unique<KivDiagRec>();
    FillSurrogateDiag(session, *record.uDbRecord.psSurrogateDiagnostic,
                      sizeDescription(sizeDiagnostic));
}
