#pragma once
// GRS-1 records that the conversion, validation and trace tests start from: valid records that together use
// every kind of element data, every part of the metadata and every kind of variant value.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/api/carried_records_samples.h"
#include "toolkit/api/kivproto.h"

namespace grs1_test {

inline constexpr const char* kGrs1Oid = "1.2.840.10003.5.105";
inline constexpr const char* kGrs1IsoOid = "1.0.10163.5.105";

using carried::text;
std::unique_ptr<KivOctets> octets(const std::string& value);
// An octet-aligned EXTERNAL: the contents the records carry in EXTERNALs of their own.
std::unique_ptr<KivExternal> octetExternal(const std::string& oid, const std::string& value);

// Appends an element tagged (tag set 2) with a string tag value; returns it for its content.
KivTaggedElement* addElement(KivArray<KivTaggedElement>& elements, const std::string& tag);
// Appends an element tagged with a numeric tag value and no tag type.
KivTaggedElement* addNumericElement(KivArray<KivTaggedElement>& elements, uint32_t tag);

// Every kind of element data (EDT_Octets to EDT_Subtree, a subtree nested in a subtree) under a variety of
// tags.
KivGenericRecord everyContentRecord();
// One element with every part of the metadata: series order, usage right, hits with every kind of
// satisfier, supported variants, surrogate paths and other metadata.
KivGenericRecord metaDataRecord();
// Elements with applied variants: every kind of variant value, and a variant without triples.
KivGenericRecord variantRecord();
// A chain of levels nested subtrees below one top-level element; the innermost holds a number.
KivGenericRecord nestedRecord(int levels);
// An element whose EXTERNAL carries a further record (the variants record, under the ISO identifier).
KivGenericRecord recordInExternalRecord();
// A present, empty record.
KivGenericRecord emptyRecord();

struct NamedRecord {
    const char* name;
    KivGenericRecord (*make)();
};
// The valid records above (the nested one five levels deep).
std::vector<NamedRecord> validRecords();

// A single-ASN1-type EXTERNAL under oid that carries the record (eASN1Type 13).
std::unique_ptr<KivExternal> grsExternal(KivGenericRecord record, const char* oid = kGrs1Oid);

}  // namespace grs1_test
