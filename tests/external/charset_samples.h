#pragma once
// Character-set and language negotiation records that the conversion, validation and trace tests start
// from: a proposal and responses that together fill every member.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "toolkit/api/kivproto.h"

namespace charset_test {

inline constexpr const char* kCharsetOid = "1.2.840.10003.10.2";
inline constexpr const char* kCharsetIsoOid = "1.0.10163.10.2";
// Version 3 of the format, which Z39.50 clients send.
inline constexpr const char* kCharsetV3Oid = "1.2.840.10003.15.3";

KivInitialSet initialSet(uint32_t first);
// An array present with the numbers, or holding only the terminator for none.
KivArray<uint32_t> numbers(std::initializer_list<uint32_t> values);

// A proposal with every kind of proposed set (an ISO 2022 origin proposal with its environment and two
// initial sets, an ISO 10646 set, private sets via identifiers, externally specified and agreed upon), three
// languages (one of them empty) and records in the selected sets.
KivCharSetAndLanguage fullProposal();
// A response selecting an ISO 2022 target response, with the language "en" and records not in the selected
// sets.
KivCharSetAndLanguage iso2022Response();
// A response selecting the given kind of set (SCST_Iso10646, SCST_Private by identifiers, SCST_None), with
// no language and no records flag.
KivCharSetAndLanguage selectedResponse(int32_t selectedType);
// A proposal or response with every member absent.
KivCharSetAndLanguage emptyRecord(int32_t type);

// A single-ASN1-type EXTERNAL under oid that carries the record (eASN1Type 18).
std::unique_ptr<KivExternal> charsetExternal(KivCharSetAndLanguage record, const char* oid = kCharsetOid);

}  // namespace charset_test
