#include "Quorvane/present/present_cache.h"

#include "Quorvane/database/field_statement.h"

namespace {

// The cache list's user word: whether its records were fetched for the OPAC syntax (with holdings).
intptr_t syntaxKind(std::string_view syntax) {
    return syntax == kOpacSyntax ? 1 : 0;
}

std::uint32_t positionAt(const DblList& cache) {
    return static_cast<const PresentCacheEntry*>(ListCurrent(&cache))->position;
}

// Moves the cursor of a non-empty cache to the last entry whose position is not above the position, or to
// the first entry when every position is above it.
void seek(DblList& cache, std::uint32_t position) {
    if (cache.cursor == nullptr) ListFirst(&cache);
    while (ListAtLast(&cache) == 0 &&
           static_cast<const PresentCacheEntry*>(cache.cursor->next->datum)->position <= position) {
        ListNext(&cache);
    }
    while (ListAtFirst(&cache) == 0 && positionAt(cache) > position) ListPrev(&cache);
}

}  // namespace

void PreparePresentCache(SessionRecord& session, const RecordFormatChoice& choice, std::string_view syntax) {
    const char* formatName = choice.format != nullptr ? choice.format->name.c_str() : nullptr;
    if (!session.presentCache) {
        session.presentCache.reset(ListCreate(FreePresentCacheEntry));
    } else {
        const bool otherDefinitions = choice.format != nullptr ? session.cacheFormatName != formatName
                                                               : session.cacheFormat != (choice.full ? 1 : 0);
        if (otherDefinitions || ListGetUser(session.presentCache.get()) != syntaxKind(syntax)) {
            ListClear(session.presentCache.get(), 1);
        }
    }
    ListSetUser(session.presentCache.get(), syntaxKind(syntax));
    session.cacheFormat = choice.full ? 1 : 0;
    session.cacheFormatName = formatName;
    ListApply(session.presentCache.get(),
              [](void* datum) { static_cast<PresentCacheEntry*>(datum)->used = 0; });
}

PresentCacheEntry* FindCachedRecord(DblList& cache, std::uint32_t position) {
    if (ListIsEmpty(&cache) != 0) return nullptr;
    seek(cache, position);
    if (positionAt(cache) != position) return nullptr;
    auto* entry = static_cast<PresentCacheEntry*>(ListCurrent(&cache));
    entry->used = 1;
    return entry;
}

PresentCacheEntry* AddCachedRecord(DblList& cache, std::unique_ptr<PresentCacheEntry> entry) {
    PresentCacheEntry* added = entry.release();
    if (ListIsEmpty(&cache) != 0) {
        ListInsert(&cache, added);
        return added;
    }
    seek(cache, added->position);
    if (positionAt(cache) < added->position) {
        ListInsert(&cache, added);
    } else {
        ListInsertBefore(&cache, added);
    }
    return added;
}

std::size_t CachedRecordOctets(const DblList& cache) {
    std::size_t octets = 0;
    for (const DblNode* node = cache.first; node != nullptr; node = node->next) {
        octets += static_cast<const PresentCacheEntry*>(node->datum)->memory.bytes();
    }
    return octets;
}

void DropUnusedRecords(DblList& cache) {
    ListFirst(&cache);
    while (ListIsEmpty(&cache) == 0 && cache.cursor != nullptr) {
        auto* entry = static_cast<PresentCacheEntry*>(ListCurrent(&cache));
        if (entry->used != 0) {
            if (ListAtLast(&cache) != 0) break;
            ListNext(&cache);
            continue;
        }
        FreePresentCacheEntry(ListRemoveForward(&cache));
    }
}
