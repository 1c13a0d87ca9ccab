#pragma once
// The diagnostics of the server's responses: bib-1 default-format records, the failure forms of the
// Search and Present responses, and the surrogate diagnostic that stands in for a record too large to be
// placed.

#include <cstdint>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_records.h"
#include "toolkit/api/kiv_search.h"

inline constexpr const char* kBib1DiagnosticSet = "1.2.840.10003.4.1";
inline constexpr const char* kSeeAppendixErr = "See Appendix ERR for more information";

// The set id, the condition and, in the version-3 form, the additional information.
void FillDefaultDiag(KivDefaultDiagFormat& diag, std::string_view diagnosticSetId, std::uint32_t condition,
                     std::string_view text);

// The failure form of a Search response: result count 0, one bib-1 non-surrogate diagnostic with the
// condition and kSeeAppendixErr, search status 0, result-set status none, next position 0. The condition
// kConditionEmptyAnswer instead gives a successful empty answer: no records, search status 1, next
// position 1, no result-set status.
void SetSearchDiagnostic(KivSearchRsp& response, Bib1Condition condition);

// The failure form of a Present response: status failure, one bib-1 non-surrogate diagnostic with the
// condition and kSeeAppendixErr, next position 0. The reference id is left as it is.
void SetPresentDiagnostic(KivPresentRsp& response, Bib1Condition condition);

// Makes the diagnostic record a bib-1 default-format diagnostic described by "SDIAG|<condition>|<info>".
// The additional information takes the version-3 form when the third character of the client's protocol
// version is '1', the version-2 form otherwise (also before Init).
void FillSurrogateDiag(const SessionRecord& session, KivDiagRec& diag, std::string_view description);

// Turns a response record into the surrogate diagnostic of a record refused for its size: 16 "Record
// exceeded the preferred record size", 17 "Record exceeded the exceptional record size", anything else
// 100 "Unspecified Error".
void SetSurrogateDiagnostic(const SessionRecord& session, KivResponseRecord& record,
                            Bib1Condition sizeDiagnostic);
