#pragma once
// Choosing the definitions a Present fetches its records with: a record format of recordformats.tblx,
// or the full or brief definitions.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/present/record_formats.h"
#include "toolkit/api/kiv_present.h"

// Element-set names are looked at up to this many characters.
inline constexpr std::size_t kElementSetNameLimit = 99;

struct RecordFormatChoice {
    // The record format (one of the session's), or null when the session has no record formats.
    const RecordFormat* format = nullptr;
    // Full (true) or brief definitions; without record formats it chooses the definitions.
    bool full = true;
};

// 1 when the first k characters of the names agree ignoring case, k being the length of the shorter: "F"
// names FULL, FULLER names FULL, and an empty name names any format.
int MatchFormatName(std::string_view elementSetName, const RecordFormat& format);

// The request's generic element-set name, cut to kElementSetNameLimit characters; nothing when its record
// composition is not a generic element-set name.
std::optional<std::string> GenericElementSetName(const KivPresentReq& request);

// The choice for the request, or kConditionUnknownElementSetName. The full flag starts as defaultFull. With
// record formats: a generic element-set name selects the first format it matches (which stays selected for
// later Presents that name none) and a name matching none is refused, the selection staying as it was;
// without a name the selected format serves, at first the last of the file. Without record formats: a
// generic name beginning with 'F' or 'f' chooses full, any other brief.
Bib1Result<RecordFormatChoice> ChooseRecordFormat(SessionRecord& session, const KivPresentReq& request,
                                                  bool defaultFull);
