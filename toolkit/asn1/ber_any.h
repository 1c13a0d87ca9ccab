#pragma once
// ANY values and the registry of the types an ANY (an EXTERNAL's single-ASN1-type) can carry, found by
// object identifier or by integer identifier.
//
// The registry is filled once at start-up and read-only afterwards: registration must be over before any
// thread binds, after which binding is safe from any number of threads. Entries are keyed by the whole OID
// octets or integer id; the first registration of a key wins and later ones are dropped.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

// Whole-value routines of a registered type (identifier and length included).
using BerAnyEncode = uint32_t (*)(BerBuffer& buf, void* value);
using BerAnyDecode = void (*)(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx);
using BerAnyFree = void (*)(void* value);  // releases what the value owns, not the value block
using BerAnyPrint = void (*)(std::FILE* out, void* value, uint16_t indent);

struct BerAnyEntry {
    int anyId;
    BerOid oid;  // the registry's own copy of the octets; empty for integer registrations
    int intId;   // 0 for OID registrations
    int valueSize;
    BerAnyEncode encode;
    BerAnyDecode decode;
    BerAnyFree free;
    BerAnyPrint print;
};

// entry null: unbound. An unbound ANY whose value is set holds raw BER octets: a BerOctets holding one whole
// element, identifier and length included. A holder that stores a value of a registered type therefore binds
// the ANY (ASN_BindAnyByOid, ASN_BindAnyByInt) when it stores the value. The value is a MemAlloc block owned
// by the ANY and released by ASN_FreeAny.
struct BerAny {
    BerAnyEntry* entry;
    void* value;
};

// Return 1, also when the key is present already (the earlier entry stays); 0 when memory is exhausted or
// the OID is null or empty.
int ASN_RegisterAnyByOid(int anyId, const BerOid* oid, int valueSize, BerAnyEncode encode,
                         BerAnyDecode decode, BerAnyFree free, BerAnyPrint print);
int ASN_RegisterAnyByInt(int anyId, int intId, int valueSize, BerAnyEncode encode, BerAnyDecode decode,
                         BerAnyFree free, BerAnyPrint print);
// Sets any's entry to the one registered under the key, or null.
void ASN_BindAnyByOid(BerAny* any, const BerOid* oid);
void ASN_BindAnyByInt(BerAny* any, int intId);

// Bound: the entry's encoder on the value. Unbound with a value: the raw octets as they are, so that a value
// kept raw is sent again as it came. Otherwise 0, nothing written.
uint32_t ASN_EncodeAny(BerBuffer& buf, BerAny* any);
// Bound with a decoder: a zero-filled block of the entry's valueSize becomes the value and the decoder fills
// it (-27 when the block cannot be had). Otherwise raises -44.
void ASN_DecodeAny(BerBuffer& buf, BerAny* any, uint32_t& counter, BerDecodeContext& ctx);
// Keeps the next BER element as raw octets: entry null, the value a BerOctets copy of the whole element
// (followed by a 0 octet it does not count). The element must be well formed and lie within limit octets
// (-1: within the rest of the buffer), otherwise raises malformedCode; nothing is allocated before that is
// known. Adds the element's octets to counter.
void ASN_DecodeRawAny(BerBuffer& buf, BerAny* any, BerLength limit, uint32_t& counter, BerDecodeContext& ctx,
                      int malformedCode);
// Releases what the value owns and the value block itself (bound or raw); the value becomes null.
void ASN_FreeAny(BerAny* any);
// Bound: the entry's printer with indent. Otherwise " -- ERROR: malformed ANY value --".
void ASN_PrintAny(std::FILE* out, BerAny* any, uint16_t indent);

// h = h * 65587 + octet (as a signed 8-bit value), in wrapping 32-bit arithmetic, from 0.
uint32_t ASN_HashOctets(const uint8_t* octets, int32_t count);
