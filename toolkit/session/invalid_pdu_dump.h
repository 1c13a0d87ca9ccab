#pragma once
// The invalid-PDU file: received APDUs whose identifier matches no APDU a target receives, appended to
// "./Inv_Pdu." followed by the process id in eight digits, in the current directory.

#include <cstddef>
#include <string>

#include "toolkit/api/kiv_forward.h"

// Once the file holds this many octets, nothing more is appended to it.
inline constexpr size_t kSIInvalidPduFileCap = size_t{10} << 20;

// "./Inv_Pdu.%.8d" with the process id.
std::string siInvalidPduFileName();

// Appends "Invalid PDU:" and a hexadecimal dump of the octets (KivPrintInvalidApdu) to the file, creating it
// when missing: 1 when written; 0 when the file already holds kSIInvalidPduFileCap octets or more and nothing
// was written; -1, with "couldnt open invalid pdu file diagnostic file\n" on the standard error, when it
// cannot be opened. Dumps of concurrent calls do not interleave.
int SIDumpInvalidPdu(const KivInvalidAPDU* invalidApdu);
