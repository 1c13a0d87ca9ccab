#pragma once
// The session's present cache: the fetched records of its result set (PresentCacheEntry), in position
// order, so that paging back and forth through a result set runs no statement twice. The cache holds
// records fetched with one choice of definitions and one kind of record syntax (OPAC with its holdings,
// another MARC syntax with the statements its builder reads, or any other with every statement); its
// list's user word tells which kind. Look-ups start from where the list's cursor was left, so paging
// forward finds the next record in a step.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/present/record_format_choice.h"

// Readies the cache for a Present that fetches with the choice in the syntax: creates it when the
// session has none, and empties it when the record format (with record formats), the full flag (without)
// or the kind of syntax differs from what it was filled with. The choice becomes the session's cache
// format (and format name), and every entry's used mark is cleared.
void PreparePresentCache(SessionRecord& session, const RecordFormatChoice& choice, std::string_view syntax);

// The entry of the position, its used mark set; null when the cache holds none.
PresentCacheEntry* FindCachedRecord(PresentCache& cache, std::uint32_t position);

// Adds the entry in position order (the cache holds no entry of its position yet); answers it.
PresentCacheEntry* AddCachedRecord(PresentCache& cache, std::unique_ptr<PresentCacheEntry> entry);

// The octets the cached records' fields hold against the memory budget.
std::size_t CachedRecordOctets(const PresentCache& cache);

// Drops every entry whose used mark is clear.
void DropUnusedRecords(PresentCache& cache);
