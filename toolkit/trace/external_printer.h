#pragma once
// The printer of every EXTERNAL: its identifier, its encoding and, for a single ASN.1 type, the content by
// the printer of the carried structure.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// A line end, then the EXTERNAL's lines; null prints "NULL\n".
void KivPrintExternal(std::FILE* file, const KivExternal* psExternal);
void KivPrintNamedExternal(std::FILE* file, const char* label, const KivExternal* psExternal);
// The single-ASN.1-type content, by the printer that its (object identifier, eASN1Type) pair selects; a pair
// that selects none prints as unknown content.
void KivPrintExternalContent(std::FILE* file, const KivExternal* psExternal);
// The raw octets of content kept undecoded (psUnknownType), in hexadecimal; nothing when there are none.
void KivPrintUnknownContent(std::FILE* file, const KivExternal* psExternal);

namespace trace {

// The single-ASN.1-type holder of an EXTERNAL; null when the EXTERNAL or its holder is absent.
const KivSingleASN1Type* singleASN1Type(const KivExternal* psExternal);

}  // namespace trace
