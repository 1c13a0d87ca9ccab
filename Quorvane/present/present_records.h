#pragma once
// The records of a Present response: each position of the range fetched (or taken from the present cache)
// and packaged in the requested record syntax while the negotiated message sizes let it in.

#include <cstdint>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/memory/memory_budget.h"
#include "Quorvane/present/record_format_choice.h"
#include "Quorvane/protocol/record_size_check.h"
#include "toolkit/api/kiv_present.h"

// Builds and packages one record in the syntax, which IsSyntaxAvailable has accepted: HTML/XML, SUTRS,
// GRS-1, OPAC, or a member of the MARC family (record_packaging.h). A database failure while building it
// is answered; the record is packaged without what it could not fetch.
Bib1Outcome PackagePresentRecord(KivResponseRecord& record, PresentCacheEntry& entry, SessionRecord& session,
                                 RecordPlacement& placement, std::string_view syntax);

// Places the records of the positions start, start + 1, ... (at most number of them, and none beyond the
// result set) as the response's records (RT_Response), with a placement of its own; the records the present
// cache lacks are fetched first (FetchPresentRecords). When a record does not fit: as the first record it is
// answered as a surrogate diagnostic (16 or 17), the only record, and the next position becomes 0; later,
// the records placed so far stay and the next position names the one that did not fit. Each packaged
// record's octets are reserved twice against the memory (the record and its encoding); when the memory
// refuses a record or its fetch, the records placed so far stay with status partial-4 (resource control by
// the target) and the next position names the first left out, or, with none placed, the Present fails with
// kConditionResourcesExhausted. ulNumberOfRecordsReturned counts the records placed. A fetch that fails (a
// database failure or a configuration error) places nothing and answers its condition; a database failure
// while packaging answers its condition after placing the records. After a failure the response still
// needs its failure form.
Bib1Outcome PlacePresentRecords(SessionRecord& session, KivPresentRsp& response, std::uint32_t start,
                                std::uint32_t number, const RecordFormatChoice& choice,
                                std::string_view syntax, RequestMemory& memory);
