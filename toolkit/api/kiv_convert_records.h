#pragma once
// Conversion of retrieved records and diagnostics (KivRecords, KivResponseRecord, KivFragmentSyntax,
// KivDiagRec, KivDefaultDiagFormat) to and from the codec's Records, NamePlusRecord, FragmentSyntax, DiagRec
// and DefaultDiagFormat. Shape and failures as in kiv_convert_basic.h. Towards the codec the structure has
// been validated: selectors and compulsory members are taken as they are, and a selector without an
// alternative writes nothing. From the codec a choice without an alternative leaves the structure's
// selector as it was.

#include <memory>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_records.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/codec/z3950/apdu_one.h"

// ---- Towards the codec (failure: -27) ----

void KivRecordsToCodec(codec::z3950::Records* dst, const KivRecords* src);
void KivResponseRecordToCodec(codec::z3950::NamePlusRecord* dst, const KivResponseRecord* src);
void KivDiagRecToCodec(codec::z3950::DiagRec* dst, const KivDiagRec* src);
void KivDefaultDiagFormatToCodec(codec::z3950::DefaultDiagFormat* dst, const KivDefaultDiagFormat* src);
void KivAddInfoToCodec(codec::z3950::DefaultDiagFormatAddinfo* dst, const KivAdditionalInfo* src);
void KivFragmentSyntaxToCodec(codec::z3950::FragmentSyntax* dst, const KivFragmentSyntax* src);
// Appends one node and one new DiagRec per element to the list, in order; an absent or empty array adds
// nothing.
void KivDiagRecListToCodec(BerList* dst, const KivArray<KivDiagRec>* src);
// A new DiagRec filled by KivDiagRecToCodec when src is set.
void KivOptionalDiagRecToCodec(codec::z3950::DiagRec** dst, const KivDiagRec* src);

// ---- From the codec (failure: -1) ----

void KivRecordsFromCodec(KivRecords* dst, const codec::z3950::Records* src);
void KivResponseRecordFromCodec(KivResponseRecord* dst, const codec::z3950::NamePlusRecord* src);
void KivDiagRecFromCodec(KivDiagRec* dst, const codec::z3950::DiagRec* src);
void KivDefaultDiagFormatFromCodec(KivDefaultDiagFormat* dst, const codec::z3950::DefaultDiagFormat* src);
void KivAddInfoFromCodec(KivAdditionalInfo* dst, const codec::z3950::DefaultDiagFormatAddinfo* src);
void KivFragmentSyntaxFromCodec(KivFragmentSyntax* dst, const codec::z3950::FragmentSyntax* src);
// A new KivDiagRec filled by KivDiagRecFromCodec when src is set.
void KivOptionalDiagRecFromCodec(std::unique_ptr<KivDiagRec>* dst, const codec::z3950::DiagRec* src);
