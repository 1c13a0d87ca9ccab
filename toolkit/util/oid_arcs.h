#pragma once
// Object-identifier arcs between dotted text and BER contents octets, shared by the BER runtime and the
// element tree.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using OidArcs = std::vector<uint32_t>;

// The arcs of a dotted text, read leniently: runs of '.' separate arcs and leading or trailing dots are
// ignored; each arc is read as atol reads it (white space, optional sign, digits up to the first other
// character, none giving 0) and kept modulo 2^32. A null text has no arcs. Throws std::bad_alloc.
OidArcs oidArcsFromText(const char* text);

// Contents octets the arcs encode to; the first subidentifier is 40 * arc1 + arc2 in unsigned 32-bit
// arithmetic. 0 with fewer than two arcs.
int64_t oidArcsOctetCount(const OidArcs& arcs);

// Writes the contents octets (oidArcsOctetCount of them) at out; returns the position after the last.
uint8_t* oidWriteArcs(const OidArcs& arcs, uint8_t* out);

// Dotted text of contents octets: the first subidentifier V gives V / 40 (2 when that is 3 or more) and
// V - 40 * first; each further one its value. Subidentifiers accumulate modulo 2^32, and one cut off by the
// end of the octets ends there. "0.0" for no octets. Cut to maxChars characters.
std::string oidOctetsToText(const uint8_t* octets, int32_t count, size_t maxChars);
