#pragma once
// Packaging one fetched record of the Present handler's cache into one response record: the builder of
// the requested record syntax, the running size check (CheckRecordSize), and the EXTERNAL of the syntax.
//
//   syntax                        builder   EXTERNAL
//   MARC family (IsMarcSyntax)    MARC      the marcdef2.tblx block's MARCOID, else the requested
//                                           syntax; octet-aligned MARC record
//   1.2.840.10003.5.102 (OPAC)    MARC      OPAC record: the MARC record without its HLD fields,
//                                           octet-aligned without object identifier, and the holdings
//
// A record refused by the size check leaves the response record untouched (all zero) with the session's
// size diagnostic set; the Present handler decides what the client sees. A MARC record that cannot be
// built (see BuildMarcRecord) makes the response record a surrogate diagnostic of its own instead.

#include <string_view>

#include "Quorvane/database/record_field.h"
#include "Quorvane/session/session_record.h"
#include "toolkit/api/kiv_records.h"

inline constexpr std::string_view kOpacRecordSyntax = "1.2.840.10003.5.102";

// The database name is the association's current database; the syntax the one the client asked for.
// The session's MARC syntax override is cleared before the build.
void PackageMarcRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, std::string_view syntax);
// The MARC record passes the size check with its HLD fields; the holdings are then taken out of it.
void PackageOpacRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, std::string_view syntax);
