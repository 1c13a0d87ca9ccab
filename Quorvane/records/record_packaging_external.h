#pragma once
// Filling a response record of a Present: the retrieval record's EXTERNAL in its forms, and the
// surrogate diagnostic that stands in for a record that could not be built.

#include <cstdint>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_records.h"

// Makes the record a retrieval record (DRT_Retrieval) of the database, carrying a new EXTERNAL with the
// object identifier; answers that EXTERNAL.
KivExternal& SetRetrievalRecord(KivResponseRecord& record, std::string_view databaseName,
                                std::string_view oid);

// The EXTERNAL's value becomes the octets, octet-aligned (EVT_OctetAligned).
void SetOctetAligned(KivExternal& external, std::string_view octets);

// The EXTERNAL's value becomes a single ASN.1 type of the kind given (EVT_SingleASN1Type); answers it.
KivSingleASN1Type& SetSingleAsn1Type(KivExternal& external, std::int32_t asn1Type);

// Makes the record a bib-1 surrogate diagnostic with the condition and additional information, in the
// form of the client's protocol version.
void SetRecordDiagnostic(KivResponseRecord& record, const SessionRecord& session, std::uint32_t condition,
                         std::string_view info);
