#pragma once
// Packaging one fetched record of the Present handler's cache into one response record: the builder of
// the requested record syntax, the running size check (CheckRecordSize), and the EXTERNAL of the syntax.
//
//   syntax                        builder   EXTERNAL
//   1.2.840.10003.5.101 (SUTRS)   SUTRS     the same identifier; single ASN.1 type, unstructured text
//   MARC family (IsMarcSyntax)    MARC      the marcdef2.tblx block's MARCOID, else the requested
//                                           syntax; octet-aligned MARC record
//   1.2.840.10003.5.102 (OPAC)    MARC      the same identifier; single ASN.1 type, OPAC record: the MARC
//                                           record without its HLD fields, octet-aligned under the
//                                           block's MARCOID, else USMARC (1.2.840.10003.5.10), and the
//                                           holdings
//   1.2.840.10003.5.105 (GRS-1)   GRS-1     the same identifier; single ASN.1 type, generic record
//   1.2.840.10003.5.109.3, .9, .10 HTML/XML the requested syntax; octet-aligned text
//
// The response record names the database. A record refused by the size check leaves the response record
// untouched (all zero) with the placement's size diagnostic set; the Present handler decides what the client
// sees. A record that cannot be built makes the response record a bib-1 surrogate diagnostic of its own
// instead: 227 when the syntax has no definition for the database, and for MARC the conditions of
// BuildMarcRecord.

#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/protocol/record_size_check.h"
#include "toolkit/api/kiv_records.h"

inline constexpr std::string_view kOpacRecordSyntax = "1.2.840.10003.5.102";

// The database name is the association's current database; the syntax the one the client asked for.
void PackageSutrsRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                        SessionRecord& session, RecordPlacement& placement);
void PackageGenericRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                          SessionRecord& session, RecordPlacement& placement);
void PackageHtmlRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, RecordPlacement& placement, std::string_view syntax);
// The MARC builders answer the outcome of the record's spill-over statements (BuildMarcRecord).
Bib1Outcome PackageMarcRecord(KivResponseRecord& record, std::string_view databaseName,
                              PresentCacheEntry& entry, SessionRecord& session, RecordPlacement& placement,
                              std::string_view syntax);
// The MARC record passes the size check with its HLD fields; the holdings are then taken out of it.
Bib1Outcome PackageOpacRecord(KivResponseRecord& record, std::string_view databaseName,
                              PresentCacheEntry& entry, SessionRecord& session, RecordPlacement& placement,
                              std::string_view syntax);
