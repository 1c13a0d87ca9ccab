#include "Quorvane/present/present_cache.h"

#include "Quorvane/database/field_statement.h"
#include "Quorvane/present/record_fetch.h"

namespace {

// The cache list's user word: how its records were fetched. For the OPAC syntax with its holdings; for
// another MARC syntax with only the statements the MARC builder reads (FetchRecordFields); else with every
// statement.
enum SyntaxKind : intptr_t { kEveryStatement = 0, kOpacWithHoldings = 1, kMarcColumns = 2 };

intptr_t syntaxKind(std::string_view syntax) {
    if (syntax == kOpacSyntax) return kOpacWithHoldings;
    return BuiltAsMarc(syntax) ? kMarcColumns : kEveryStatement;
}

// Moves the cursor of a non-empty cache to the last entry whose position is not above the position, or to
// the first entry when every position is above it.
void seek(PresentCache& cache, std::uint32_t position) {
    if (!cache.hasCursor()) cache.first();
    while (!cache.atLast() && cache.afterCurrent()->position <= position) cache.next();
    while (!cache.atFirst() && cache.current()->position > position) cache.prev();
}

}  // namespace

void PreparePresentCache(SessionRecord& session, const RecordFormatChoice& choice, std::string_view syntax) {
    const char* formatName = choice.format != nullptr ? choice.format->name.c_str() : nullptr;
    if (!session.presentCache) {
        session.presentCache = std::make_unique<PresentCache>();
    } else {
        const bool otherDefinitions = choice.format != nullptr ? session.cacheFormatName != formatName
                                                               : session.cacheFormat != (choice.full ? 1 : 0);
        if (otherDefinitions || session.presentCache->user() != syntaxKind(syntax))
            session.presentCache->clear();
    }
    session.presentCache->setUser(syntaxKind(syntax));
    session.cacheFormat = choice.full ? 1 : 0;
    session.cacheFormatName = formatName;
    session.presentCache->apply([](PresentCacheEntry& entry) { entry.used = 0; });
}

PresentCacheEntry* FindCachedRecord(PresentCache& cache, std::uint32_t position) {
    if (cache.empty()) return nullptr;
    seek(cache, position);
    PresentCacheEntry* entry = cache.current();
    if (entry->position != position) return nullptr;
    entry->used = 1;
    return entry;
}

PresentCacheEntry* AddCachedRecord(PresentCache& cache, std::unique_ptr<PresentCacheEntry> entry) {
    if (cache.empty()) return cache.insert(std::move(entry));
    seek(cache, entry->position);
    if (cache.current()->position < entry->position) return cache.insert(std::move(entry));
    return cache.insertBefore(std::move(entry));
}

std::size_t CachedRecordOctets(const PresentCache& cache) {
    std::size_t octets = 0;
    for (const PresentCacheEntry& entry : cache) octets += entry.memory.bytes();
    return octets;
}

void DropUnusedRecords(PresentCache& cache) {
    cache.first();
    while (!cache.empty() && cache.hasCursor()) {
        if (cache.current()->used != 0) {
            if (cache.atLast()) break;
            cache.next();
            continue;
        }
        cache.removeForward();
    }
}
