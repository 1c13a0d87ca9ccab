#pragma once
// Conversion of the core carried contents of a single-ASN1-type EXTERNAL: SUTRS, OPAC, Summary, resource-1,
// resource-2, the extended-services task package and the Update package. Each pair is the row of its content
// type (kiv_convert_external_content_types.h); the same converters serve both object-identifier arcs.
//
// Towards the codec (failure: -27): dst has been bound to the type registered under the EXTERNAL's
// identifier; the converter stores a new value of that type converted from the member eASN1Type selects
// (nothing when that member is missing). The structure has been validated: an enumeration out of its range
// is sent as 0, a selector without an alternative converts nothing.
// From the codec (failure: -1): dst gets eASN1Type and a new structure in the member it selects. Texts of
// length 0 and absent members stay absent; an enumeration out of its range becomes -1, a CHOICE without an
// alternative leaves its selector 0.

#include <cstdint>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_permissions.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_list.h"

// SUTRS (1): the text as a GeneralString.
void KivUnstructuredTextToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivUnstructuredTextFromCodec(KivSingleASN1Type* dst, const BerAny* src);
// OPAC (2): the record under its one-alternative wrapper.
void KivOpacRecordToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivOpacRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src);
// Summary (3): the brief record under its one-alternative wrapper.
void KivSummaryRecordToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivSummaryRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src);
// Resource-1 (4): the report record itself; its estimates list is always sent.
void KivResourceReport1ToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivResourceReport1FromCodec(KivSingleASN1Type* dst, const BerAny* src);
// Resource-2 (5): the report under its one-alternative wrapper.
void KivResourceReport2ToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivResourceReport2FromCodec(KivSingleASN1Type* dst, const BerAny* src);
// Task package (6): the package under its one-alternative wrapper; taskStatus is eExtServicesTaskStatus - 1.
void KivEsTaskPackageToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivEsTaskPackageFromCodec(KivSingleASN1Type* dst, const BerAny* src);
// Update (7): the Update CHOICE itself, esRequest for UROR_Request and taskPackage for UROR_Response.
void KivUpdateExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivUpdateExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);

// A task package's permissions: a new list in *dst with one item per element when the array is present, each
// with its user id and always a list of its allowable functions (1 to 5; others sent as 0).
void KivPermissionsToCodec(BerList** dst, const KivArray<KivPermissions>* src);
// A present array with one new item per node when the list is present; allowable functions 1 to 5 are
// kept, others become -1.
void KivPermissionsFromCodec(KivArray<KivPermissions>* dst, const BerList* src);
