#pragma once
// The printer of an interlibrary-loan APDU carried in an EXTERNAL: the ILL-Request and the
// Status-Or-Error-Report field by field, the other kinds by their kind alone.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// The KivIllPdu of the EXTERNAL's single-ASN.1-type holder; nothing at all when it is absent.
void KivPrintIllPdu(std::FILE* file, const KivExternal* psExternal);
