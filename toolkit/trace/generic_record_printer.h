#pragma once
// The printer of a GRS-1 record carried in an EXTERNAL: the record's elements, subtrees inside their
// element, each with its content, metadata and applied variant.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// The KivGenericRecord of the EXTERNAL's single-ASN.1-type holder; nothing at all when it is absent.
void KivPrintGenericRecordContent(std::FILE* file, const KivExternal* psExternal);
