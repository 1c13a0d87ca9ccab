#include "Quorvane/database/sqlite_library.h"

#include <dlfcn.h>

namespace {

// sqlite3_config's option numbers (SQLITE_CONFIG_MULTITHREAD, SQLITE_CONFIG_MEMSTATUS).
constexpr int kConfigMultiThread = 2;
constexpr int kConfigMemoryStatistics = 9;

}  // namespace

void* OpenSqliteLibrary() {
    return dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
}

bool ConfigureSqliteLibrary() {
    void* library = OpenSqliteLibrary();
    if (library == nullptr) return false;
    using ConfigCall = int (*)(int, ...);
    auto config = reinterpret_cast<ConfigCall>(dlsym(library, "sqlite3_config"));
    const bool done = config != nullptr && config(kConfigMemoryStatistics, 0) == kSqliteOk &&
                      config(kConfigMultiThread) == kSqliteOk;
    dlclose(library);
    return done;
}
