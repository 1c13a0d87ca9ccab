#pragma once
// The first and last fields that every APDU printer writes.

#include <cstdio>

#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace trace {

// Writes the APDU's heading line, then, when there is a structure, its psReferenceId. False when the
// structure is null: the printer then stops after the heading.
template <typename Apdu>
bool printApduOpening(std::FILE* file, const char* heading, const Apdu* apdu) {
    std::fputs(heading, file);
    if (apdu == nullptr) return false;
    KivPrintNamedOctets(file, "psReferenceId", apdu->psReferenceId.get());
    return true;
}

// Writes the ppsOtherInformation that ends every APDU.
template <typename Apdu>
void printApduClosing(std::FILE* file, const Apdu& apdu) {
    std::fputs("ppsOtherInformation: ", file);
    KivPrintOtherInformationList(file, apdu.ppsOtherInformation);
}

}  // namespace trace
