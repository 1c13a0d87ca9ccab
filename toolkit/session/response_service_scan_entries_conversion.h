#pragma once
// The conversion of a scan response's list entries into the codec's ListEntries. The entries have been
// checked (response_service_scan_entries_check.h). A failed allocation throws KivConversionError{-27}; what
// was built stays linked to dst.

#include "toolkit/api/kiv_scan.h"
#include "toolkit/codec/z3950/apdu_two.h"

// entries when ppsEntry is present: each entry termInfo (its term, display term, suggested attributes,
// alternative terms, global occurrences, by-attributes list with their occurrences as a global count or a
// by-database list, other information) or surrogateDiagnostic. nonsurrogateDiagnostics when that array is
// present.
void siListEntriesToCodec(codec::z3950::ListEntries* dst, const KivListEntries* src);
