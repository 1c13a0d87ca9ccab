#pragma once
// ANY values and the registry of the types an ANY (an EXTERNAL's single-ASN1-type) can carry, found by
// object identifier or by integer identifier. Filled once at start-up, read-only afterwards.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

// Whole-value routines of a registered type (identifier and length included).
using BerAnyEncode = uint32_t (*)(BerBuffer& buf, void* value);
using BerAnyDecode = void (*)(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx);
using BerAnyFree = void (*)(void* value);
using BerAnyPrint = void (*)(std::FILE* out, void* value, uint16_t indent);

struct BerAnyEntry {
    int anyId;
    BerOid oid;  // octets as handed in at registration, never copied; empty for integer registrations
    int intId;   // 0 for OID registrations
    int valueSize;
    BerAnyEncode encode;
    BerAnyDecode decode;
    BerAnyFree free;
    BerAnyPrint print;
};

// entry null: unbound. An unbound ANY whose value is set holds raw BER octets as a BerOctets.
struct BerAny {
    BerAnyEntry* entry;
    void* value;
};

int ASN_RegisterAnyByOid(int anyId, const BerOid* oid, int valueSize, BerAnyEncode encode, BerAnyDecode decode,
                         BerAnyFree free, BerAnyPrint print);
int ASN_RegisterAnyByInt(int anyId, int intId, int valueSize, BerAnyEncode encode, BerAnyDecode decode,
                         BerAnyFree free, BerAnyPrint print);
void ASN_BindAnyByOid(BerAny* any, const BerOid* oid);
void ASN_BindAnyByInt(BerAny* any, int intId);
uint32_t ASN_EncodeAny(BerBuffer& buf, BerAny* any);
void ASN_DecodeAny(BerBuffer& buf, BerAny* any, uint32_t& counter, BerDecodeContext& ctx);
// Releases what the value owns and the value block itself (bound or raw).
void ASN_FreeAny(BerAny* any);
void ASN_PrintAny(std::FILE* out, BerAny* any, uint16_t indent);

uint32_t ASN_HashOctets(const uint8_t* octets, int32_t count);
