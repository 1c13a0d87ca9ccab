#pragma once
// Reading the structure of an ISO 2709 record that did not come from our own assembly (a record stored
// whole in the database), with every number checked before a field is touched.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

struct MarcDirectoryEntry {
    std::string_view tag;  // three characters
    std::size_t length;    // octets of the field, its terminator included
    std::size_t start;     // offset of the field from the base address
};

struct MarcStructure {
    std::size_t baseAddress;
    std::vector<MarcDirectoryEntry> entries;  // directory order
};

// The directory of the record, or none when the record is not sound: at least a leader and both
// terminators; the record length (octets 0-4) equal to the record's size; the base address (octets
// 12-16) right after a directory of whole 12-octet entries ended by 0x1E; every length and start made of
// digits; every field inside the data area (before the record terminator) and ended by 0x1E.
std::optional<MarcStructure> ReadMarcStructure(std::string_view record);
