#pragma once
// The per-association session record: the values its Init response carries, the control-file definitions
// it searches and presents with, its ODBC connections, its result set and present cache, its trace file,
// and the busy mark that serialises its requests.
//
// A request handler may touch the record only between LockSession and UnlockSession (session_lock.h);
// set-up and release run while the record is marked busy or no longer reachable. Control-file definitions
// are held in file order, absent until read; the present cache and the record formats are DBL lists of
// their type, whose cursor they keep between requests; the result set is a ResultSet (result_set.h).

#include <sql.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "Quorvane/config/control_file.h"
#include "Quorvane/database/session_connection.h"
#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/lists/dbl_list_of.h"
#include "Quorvane/present/present_definitions.h"
#include "Quorvane/records/element_definitions.h"
#include "Quorvane/records/grs1_definitions.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/results/result_set.h"
#include "Quorvane/scan/scan_definitions.h"
#include "Quorvane/search/search_definitions.h"
#include "toolkit/api/kiv_owning.h"

struct PresentCacheEntry;  // a fetched record (record_field.h)
struct RecordFormat;       // {name, definitions} of recordformats.tblx (record_formats.h)
using PresentCache = DblListOf<PresentCacheEntry>;
using RecordFormats = DblListOf<RecordFormat>;

// Destroys a DblList (its data through the list's free routine).
struct DblListDestroyer {
    void operator()(DblList* list) const { ListDestroy(list); }
};
using OwnedDblList = std::unique_ptr<DblList, DblListDestroyer>;

// Closes a C stream.
struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<FILE, FileCloser>;

struct SessionRecord {
    // The connection's socket descriptor.
    int socket = -1;
    // Fetched records of the current result set (ODBC access), in position order; filled by the Present
    // handler, dropped when a new result set is stored.
    std::unique_ptr<PresentCache> presentCache;
    // Number of records in the current result set.
    std::uint32_t resultCount = 0;
    // The current result set (result sets) and the database it was found in; no database before the
    // first successful search.
    ResultSet resultSet;
    std::optional<std::string> resultSetDatabase;
    // present.full and present.brief definitions (Present handler), only without recordformats.tblx.
    DefinitionBlocks<PresentBlock> fullDefinitions;
    DefinitionBlocks<PresentBlock> briefDefinitions;
    // The record formats of recordformats.tblx; the cursor stays on the one selected last.
    std::unique_ptr<RecordFormats> recordFormats;
    // Search definition of the last search, one of searchDefinitions (not owned).
    const SearchDefinition* currentSearchDefinition = nullptr;
    // The blocks of search.tblx.
    DefinitionBlocks<SearchDefinition> searchDefinitions;
    // The present cache was filled with full (1) or brief (0) definitions.
    std::int32_t cacheFormat = 0;
    // [InitializeResponse] pcProtocolVersion and pcOptions.
    std::string protocolVersion;
    std::string options;
    // [InitializeResponse] message sizes, lowered to the client's at Init.
    std::uint32_t preferredMessageSize = 0;
    std::uint32_t maximumMessageSize = 0;
    // [InitializeResponse] pcImplementationId, pcImplementationName, pcImplementationVersion.
    std::string implementationId;
    std::string implementationName;
    std::string implementationVersion;
    // Connection string of the open catalogue connection; absent while unconnected (ODBC access).
    std::optional<std::string> connectionString;
    // Database name of the last Search or Scan; absent before the first.
    std::optional<std::string> currentDatabase;
    // Record-syntax definitions, read on first use: sutrsdef.tblx, marcdef.tblx, marcdef2.tblx,
    // genericdef.tblx, htmldef.tblx (the SUTRS, MARC, GRS-1 and HTML/XML builders).
    DefinitionBlocks<ElementBlock> sutrsDefinitions;
    DefinitionBlocks<MarcBlock> marcDefinitions;
    DefinitionBlocks<MarcBlock2> marcHoldingsDefinitions;
    DefinitionBlocks<GenericBlock> grs1Definitions;
    DefinitionBlocks<ElementBlock> htmlDefinitions;
    // [ControlFiles] pcControlFilesDir; join file names to it with platform::joinPath.
    std::string controlFilesDir;
    // The any-OR text the search.tblx reader answers; absent when it gave none.
    std::optional<std::string> anyOrText;
    // ODBC environment, catalogue ("DBCCat") and library ("DBCLib") connections (ODBC access):
    // the process's environment and connections taken from its pool while the session is connected;
    // null otherwise. DisconnectDatabase gives them back at release.
    SQLHENV odbcEnvironment = SQL_NULL_HENV;
    SessionConnection catalogueConnection;
    SessionConnection libraryConnection;
    // The association's protocol trace file; null when not tracing.
    OwnedFile traceFile;
    // Record-format name the present cache was filled with (not owned; points into recordFormats).
    const char* cacheFormatName = nullptr;
    // pcProtocolVersion of the client's Init request ('0'/'1' bit text); absent before Init.
    std::optional<std::string> clientProtocolVersion;
    // The busy mark and the deferred release, guarded by busyMutex (session_lock.h).
    bool busy = false;
    bool releasePending = false;
    // Idle-timer ticks since the last request; counted by the idle timer, reset by LockSession.
    std::atomic<std::int32_t> idleMinutes{0};
    // The blocks of scan.tblx.
    DefinitionBlocks<ScanDefinition> scanDefinitions;
    // Scan definition of the last scan, one of scanDefinitions (not owned).
    const ScanDefinition* currentScanDefinition = nullptr;

    // The association the record belongs to.
    KivAssocId assocId = 0;
    // Guards busy, releasePending and released; busyChanged is signalled when busy clears or the record
    // is released.
    std::mutex busyMutex;
    std::condition_variable busyChanged;
    // Set once the record has been released; a waiter that sees it answers "no session".
    bool released = false;
};
