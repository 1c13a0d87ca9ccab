#pragma once
// The per-association session record: the values its Init response carries, the control-file definitions
// it searches and presents with, its ODBC connections, its result set and present cache, its trace file,
// and the busy mark that serialises its requests.
//
// A request handler may touch the record only between LockSession and UnlockSession (session_lock.h);
// set-up and release run while the record is marked busy or no longer reachable. Lists are DblLists whose
// free routine, set by the code that creates the list, releases their data: the record destroys them with
// ListDestroy when it is released (OwnedDblList).

#include <sql.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "Quorvane/database/session_connection.h"
#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/results/result_set.h"
#include "toolkit/api/kiv_owning.h"

// Records owned by the search engine and the record builders; the lists below hold them.
struct SearchDefinition;  // search.tblx block (search definitions)
struct ScanDefinition;    // scan.tblx block (scan definitions and Scan handler)
struct RecordFormat;      // {name, definitions} of recordformats.tblx (Present handler)

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
    // 1. The connection's socket descriptor.
    int socket = -1;
    // 2. Fetched records of the current result set: PresentCacheEntry (ODBC access); filled by the Present
    //    handler, emptied when a new result set is stored.
    OwnedDblList presentCache;
    // 3. Number of records in the current result set.
    std::uint32_t resultCount = 0;
    // 4. The current result set (result sets) and the database it was found in; no database before the
    //    first successful search.
    ResultSet resultSet;
    std::optional<std::string> resultSetDatabase;
    // 5., 6. present.full and present.brief definitions (Present handler), only without recordformats.tblx.
    OwnedDblList fullDefinitions;
    OwnedDblList briefDefinitions;
    // 7. RecordFormat entries of recordformats.tblx; each is freed with its name and definitions.
    OwnedDblList recordFormats;
    // 8. Search definition of the last search, one of searchDefinitions (not owned).
    SearchDefinition* currentSearchDefinition = nullptr;
    // 9. SearchDefinition list of search.tblx.
    OwnedDblList searchDefinitions;
    // 10. The present cache was filled with full (1) or brief (0) definitions.
    std::int32_t cacheFormat = 0;
    // 11., 12. [InitializeResponse] pcProtocolVersion and pcOptions.
    std::string protocolVersion;
    std::string options;
    // 13., 14. [InitializeResponse] message sizes, lowered to the client's at Init.
    std::uint32_t preferredMessageSize = 0;
    std::uint32_t maximumMessageSize = 0;
    // 15. - 17. [InitializeResponse] pcImplementationId, pcImplementationName, pcImplementationVersion.
    std::string implementationId;
    std::string implementationName;
    std::string implementationVersion;
    // 18. Connection string of the open catalogue connection; absent while unconnected (ODBC access).
    std::optional<std::string> connectionString;
    // 19. Database name of the last Search or Scan; absent before the first.
    std::optional<std::string> currentDatabase;
    // 20. - 24. Record-syntax definitions, read on first use: sutrsdef.tblx, marcdef.tblx, marcdef2.tblx,
    //     genericdef.tblx, htmldef.tblx (the SUTRS, MARC, GRS-1 and HTML/XML builders).
    OwnedDblList sutrsDefinitions;
    OwnedDblList marcDefinitions;
    OwnedDblList marcHoldingsDefinitions;
    OwnedDblList grs1Definitions;
    OwnedDblList htmlDefinitions;
    // 25. [ControlFiles] pcControlFilesDir; join file names to it with platform::joinPath.
    std::string controlFilesDir;
    // 26. The any-OR text the search.tblx reader answers; absent when it gave none.
    std::optional<std::string> anyOrText;
    // 27. - 29. ODBC environment, catalogue ("DBCCat") and library ("DBCLib") connections (ODBC access):
    //     the process's environment and connections taken from its pool while the session is connected;
    //     null otherwise. DisconnectDatabase gives them back at release.
    SQLHENV odbcEnvironment = SQL_NULL_HENV;
    SessionConnection catalogueConnection;
    SessionConnection libraryConnection;
    // 30. The association's protocol trace file; null when not tracing.
    OwnedFile traceFile;
    // 31. Record-format name the present cache was filled with (not owned; points into recordFormats).
    const char* cacheFormatName = nullptr;
    // 32. bib-1 condition to report with the next answer; 0 when none.
    std::int32_t pendingDiagnostic = 0;
    // 34. pcProtocolVersion of the client's Init request ('0'/'1' bit text); absent before Init.
    std::optional<std::string> clientProtocolVersion;
    // 37., 38. The busy mark and the deferred release, guarded by busyMutex (session_lock.h).
    bool busy = false;
    bool releasePending = false;
    // 39. Idle-timer ticks since the last request; counted by the idle timer, reset by LockSession.
    std::atomic<std::int32_t> idleMinutes{0};
    // 40. ScanDefinition list of scan.tblx.
    OwnedDblList scanDefinitions;
    // 41. Scan definition of the last scan, one of scanDefinitions (not owned).
    ScanDefinition* currentScanDefinition = nullptr;

    // The association the record belongs to.
    KivAssocId assocId = 0;
    // Guards busy, releasePending and released; busyChanged is signalled when busy clears or the record
    // is released.
    std::mutex busyMutex;
    std::condition_variable busyChanged;
    // Set once the record has been released; a waiter that sees it answers "no session".
    bool released = false;
};
