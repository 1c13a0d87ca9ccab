#include "Quorvane/database/sqlite_library.h"

#include <dlfcn.h>

namespace {

constexpr const char* kSqliteLibrary = "libsqlite3.so.0";
// sqlite3_config's option numbers (SQLITE_CONFIG_MULTITHREAD, SQLITE_CONFIG_MEMSTATUS) and its answer on
// success (SQLITE_OK).
constexpr int kConfigMultiThread = 2;
constexpr int kConfigMemoryStatistics = 9;
constexpr int kSqliteOk = 0;

}  // namespace

bool ConfigureSqliteLibrary() {
    // RTLD_NODELETE: the configured copy stays in the process after the handle is let go.
    void* library = dlopen(kSqliteLibrary, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    if (library == nullptr) return false;
    using ConfigCall = int (*)(int, ...);
    auto config = reinterpret_cast<ConfigCall>(dlsym(library, "sqlite3_config"));
    const bool done = config != nullptr && config(kConfigMemoryStatistics, 0) == kSqliteOk &&
                      config(kConfigMultiThread) == kSqliteOk;
    dlclose(library);
    return done;
}
