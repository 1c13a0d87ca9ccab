#include "toolkit/asn1/ber_any.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <unordered_map>

#include "toolkit/util/ber_element_check.h"
#include "toolkit/util/memory.h"

namespace {

std::string_view oidKey(const BerOid* oid) {
    if (oid == nullptr || oid->octets == nullptr || oid->length <= 0) return {};
    return {reinterpret_cast<const char*>(oid->octets), static_cast<size_t>(oid->length)};
}

struct OidKeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const {
        return ASN_HashOctets(reinterpret_cast<const uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    }
};

// An integer id hashes as its four octets, least significant first.
struct IntKeyHash {
    size_t operator()(int intId) const {
        auto id = static_cast<uint32_t>(intId);
        const uint8_t octets[4] = {static_cast<uint8_t>(id), static_cast<uint8_t>(id >> 8),
                                   static_cast<uint8_t>(id >> 16), static_cast<uint8_t>(id >> 24)};
        return ASN_HashOctets(octets, 4);
    }
};

// Node-based maps: entries and keys never move once inserted, so bound pointers stay valid.
using OidTable = std::unordered_map<std::string, BerAnyEntry, OidKeyHash, std::equal_to<>>;
using IntTable = std::unordered_map<int, BerAnyEntry, IntKeyHash>;

OidTable& oidTable() {
    static OidTable table;
    return table;
}

IntTable& intTable() {
    static IntTable table;
    return table;
}

}  // namespace

uint32_t ASN_HashOctets(const uint8_t* octets, int32_t count) {
    uint32_t hash = 0;
    for (int32_t i = 0; i < count; ++i) {
        hash = hash * 65587u + static_cast<uint32_t>(static_cast<int8_t>(octets[i]));
    }
    return hash;
}

int ASN_RegisterAnyByOid(int anyId, const BerOid* oid, int valueSize, BerAnyEncode encode,
                         BerAnyDecode decode, BerAnyFree free, BerAnyPrint print) {
    std::string_view key = oidKey(oid);
    if (key.empty()) return 0;
    try {
        auto [it, inserted] = oidTable().try_emplace(std::string(key));
        if (inserted) {
            // The entry shows the registry's own copy: the caller's octets need not outlive the call.
            BerOid own{static_cast<int32_t>(it->first.size()),
                       reinterpret_cast<uint8_t*>(const_cast<char*>(it->first.data()))};
            it->second = BerAnyEntry{anyId, own, 0, valueSize, encode, decode, free, print};
        }
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

int ASN_RegisterAnyByInt(int anyId, int intId, int valueSize, BerAnyEncode encode, BerAnyDecode decode,
                         BerAnyFree free, BerAnyPrint print) {
    try {
        intTable().try_emplace(
            intId, BerAnyEntry{anyId, BerOid{0, nullptr}, intId, valueSize, encode, decode, free, print});
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void ASN_BindAnyByOid(BerAny* any, const BerOid* oid) {
    OidTable& table = oidTable();
    auto it = table.find(oidKey(oid));  // an absent or empty OID finds nothing: no such key is registered
    any->entry = it != table.end() ? &it->second : nullptr;
}

void ASN_BindAnyByInt(BerAny* any, int intId) {
    IntTable& table = intTable();
    auto it = table.find(intId);
    any->entry = it != table.end() ? &it->second : nullptr;
}

uint32_t ASN_EncodeAny(BerBuffer& buf, BerAny* any) {
    if (any->value == nullptr) return 0;
    if (any->entry != nullptr) {
        return any->entry->encode != nullptr ? any->entry->encode(buf, any->value) : 0;
    }
    const auto* raw = static_cast<const BerOctets*>(any->value);
    if (raw->octets == nullptr || raw->length <= 0) return 0;
    auto count = static_cast<uint32_t>(raw->length);
    ASN_PutOctets(buf, raw->octets, count);
    return count;
}

void ASN_DecodeAny(BerBuffer& buf, BerAny* any, uint32_t& counter, BerDecodeContext& ctx) {
    const BerAnyEntry* entry = any->entry;
    if (entry == nullptr || entry->decode == nullptr) BerDecodeContext::raise(kBerAnyNotBound);
    any->value = ctx.alloc(static_cast<size_t>(std::max(entry->valueSize, 0)));
    entry->decode(buf, any->value, counter, ctx);
}

void ASN_DecodeRawAny(BerBuffer& buf, BerAny* any, BerLength limit, uint32_t& counter, BerDecodeContext& ctx,
                      int malformedCode) {
    size_t available = berRemaining(buf);
    if (limit >= 0) available = std::min(available, static_cast<size_t>(limit));
    available = std::min(available, static_cast<size_t>(INT32_MAX));
    int32_t total = 0;
    if (BerDirElementComplete(buf.readPos, static_cast<int32_t>(available), &total) != kBerElementComplete) {
        BerDecodeContext::raise(malformedCode);
    }
    any->entry = nullptr;
    auto* raw = ctx.allocRecord<BerOctets>();
    any->value = raw;
    raw->octets = static_cast<uint8_t*>(ctx.alloc(static_cast<size_t>(total) + 1));
    raw->length = total;
    std::memcpy(raw->octets, buf.readPos, static_cast<size_t>(total));
    buf.readPos += total;
    counter += static_cast<uint32_t>(total);
}

void ASN_FreeAny(BerAny* any) {
    if (any == nullptr || any->value == nullptr) return;
    if (any->entry == nullptr) {
        ASN_FreeOctetString(static_cast<BerOctets*>(any->value));
    } else if (any->entry->free != nullptr) {
        any->entry->free(any->value);
    }
    MemFree(any->value);
    any->value = nullptr;
}

void ASN_PrintAny(std::FILE* out, BerAny* any, uint16_t indent) {
    if (any->entry != nullptr && any->entry->print != nullptr && any->value != nullptr) {
        any->entry->print(out, any->value, indent);
    } else {
        std::fputs(" -- ERROR: malformed ANY value --", out);
    }
}
