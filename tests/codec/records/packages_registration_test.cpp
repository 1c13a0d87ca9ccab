// The extended-services packages of generated file f in the type registry, on both identifier arcs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/records/oid_overwrites_f.h"
#include "toolkit/codec/records/oid_overwrites_iso.h"
#include "toolkit/codec/records/records_f.h"

namespace r = codec::records;

namespace {

const BerAnyEntry* entryOf(const std::string& oidOctets) {
    std::vector<uint8_t> octets = hexOctets(oidOctets);
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any.entry;
}

// Decodes a whole value through the entry bound to the OID and encodes it again.
std::vector<uint8_t> roundTrip(const std::string& oidOctets, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> octets = hexOctets(oidOctets);
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    BerBuffer in = berDecodeBuffer(value.data(), value.size());
    BerDecodeContext ctx(value.size());
    uint32_t counter = 0;
    ASN_DecodeAny(in, &any, counter, ctx);
    EXPECT_EQ(counter, value.size());
    std::vector<uint8_t> block(value.size());
    BerBuffer out = berEncodeBuffer(block.data(), block.size());
    EXPECT_EQ(ASN_EncodeAny(out, &any), value.size());
    ASN_FreeAny(&any);
    return block;
}

struct Registration {
    const char* type;
    const char* suffix;  // after the arc: 1.2.840.10003 or 1.0.10163
    int anyId;
    int isoAnyId;
    BerAnyEncode encode;
    int valueSize;
    const char* value;  // a whole value of the type
};

#define REGISTRATION(T, SUFFIX, ANY_ID, ISO_ANY_ID, VALUE)                                         \
    Registration {                                                                                 \
#T, SUFFIX, ANY_ID, ISO_ANY_ID, r::any::Encode##T, static_cast < int>(sizeof(r::T)), VALUE \
    }

const Registration kByOid[] = {
    REGISTRATION(ItemOrder, "09 04", 14, 27, "A1 04 A2 02 30 00"),
    REGISTRATION(Update, "09 05", 15, 28, "A1 0F A1 09 30 07 81 01 01 82 02 64 62 A2 02 30 00"),
    REGISTRATION(ExportSpecification, "09 06", 16, 33,
                 "A1 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00"),
    REGISTRATION(ExportInvocation, "09 07", 19, 34, "A2 0E A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01"),
    REGISTRATION(SearchResult1, "0A 01", 17, 35, "30 05 30 03 82 01 FF"),
};

// Types without an identifier of their own: the suffix is the one-octet placeholder itself.
const Registration kByPlaceholder[] = {
    REGISTRATION(PersistentQuery, "36", 13, 0, "A1 07 A2 05 81 03 70 6B 67"),
    REGISTRATION(PeriodicQuerySchedule, "37", 18, 0, "A1 0B A1 05 30 03 81 01 FF A2 02 30 00"),
    REGISTRATION(Espec1, "3D", 20, 0, "30 12 A5 10 A2 0E A1 08 A1 06 1B 01 61 1B 01 62 A2 02 83 00"),
};

const char* const kZ3950Arc = "2A 86 48 CE 13 ";
const char* const kIsoArc = "28 CF 33 ";

class PackageRegistration : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { KivRegisterCodecTypes(); }

    static void expectEntry(const std::string& oid, const Registration& row, int anyId) {
        SCOPED_TRACE(oid);
        const BerAnyEntry* entry = entryOf(oid);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->anyId, anyId);
        EXPECT_EQ(entry->valueSize, row.valueSize);
        EXPECT_EQ(entry->encode, row.encode);
        std::vector<uint8_t> value = hexOctets(row.value);
        EXPECT_EQ(roundTrip(oid, value), value);
    }
};

TEST_F(PackageRegistration, EveryIdentifiedPackageOnBothArcs) {
    for (const Registration& row : kByOid) {
        SCOPED_TRACE(row.type);
        expectEntry(kZ3950Arc + std::string(row.suffix), row, row.anyId);
        expectEntry(kIsoArc + std::string(row.suffix), row, row.isoAnyId);
    }
}

TEST_F(PackageRegistration, PackagesWithoutAnIdentifierOnlyUnderTheirPlaceholders) {
    for (const Registration& row : kByPlaceholder) {
        SCOPED_TRACE(row.type);
        expectEntry(row.suffix, row, row.anyId);
    }
    // The packages' identifiers of the standard (persistent query 9.2, periodic query schedule 9.3, eSpec-1
    // 11.1) reach nothing.
    for (const char* suffix : {"09 02", "09 03", "0B 01"}) {
        EXPECT_EQ(entryOf(kZ3950Arc + std::string(suffix)), nullptr) << suffix;
        EXPECT_EQ(entryOf(kIsoArc + std::string(suffix)), nullptr) << suffix;
    }
}

TEST_F(PackageRegistration, RegisteringAgainChangesNoLookup) {
    std::vector<std::string> keys;
    for (const Registration& row : kByOid) {
        keys.push_back(kZ3950Arc + std::string(row.suffix));
        keys.push_back(kIsoArc + std::string(row.suffix));
    }
    for (const Registration& row : kByPlaceholder) keys.push_back(row.suffix);
    std::vector<const BerAnyEntry*> before;
    for (const std::string& key : keys) before.push_back(entryOf(key));
    r::RegisterFTypes();
    r::RegisterIsoTypes();
    for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(entryOf(keys[i]), before[i]) << keys[i];
}

}  // namespace
