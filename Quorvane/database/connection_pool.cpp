#include "Quorvane/database/connection_pool.h"

#include <sqlext.h>

#include <array>

#include "Quorvane/database/connection_secrets.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/sqlite_settings.h"

namespace {

constexpr std::size_t kConnectionOutputSize = 1024;

}  // namespace

ConnectionPool& ConnectionPool::instance() {
    // Never destroyed: sessions still ending at exit may give their connections back.
    static ConnectionPool* pool = new ConnectionPool;
    return *pool;
}

ConnectionPool::~ConnectionPool() {
    idle_.clear();
    if (environment_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, environment_);
}

SQLHENV ConnectionPool::environment(ConnectFailure* failure) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (environment_ != SQL_NULL_HENV) return environment_;
    SQLHENV made = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &made))) {
        *failure = {"Sarvik Error: Failed to do SQLAllocEnv", kConditionTemporarySystemError, {}};
        return SQL_NULL_HENV;
    }
    if (!SQL_SUCCEEDED(SQLSetEnvAttr(made, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                                     SQL_IS_INTEGER))) {
        *failure = {"Sarvik Error: Failed to do SQLSetEnvAttr", kConditionTemporarySystemError,
                    DriverDiagnosticText(SQL_HANDLE_ENV, made)};
        SQLFreeHandle(SQL_HANDLE_ENV, made);
        return SQL_NULL_HENV;
    }
    environment_ = made;
    return environment_;
}

std::unique_ptr<OdbcConnection> ConnectionPool::acquire(const std::string& connectionString, const char* name,
                                                        ConnectFailure* failure) {
    SQLHENV environment = this->environment(failure);
    if (environment == SQL_NULL_HENV) return nullptr;
    std::unique_ptr<OdbcConnection> connection = takeIdle(connectionString);
    if (connection == nullptr) connection = open(environment, connectionString, name, failure);
    if (connection != nullptr) connection->setName(name);
    return connection;
}

std::unique_ptr<OdbcConnection> ConnectionPool::takeIdle(const std::string& connectionString) {
    std::vector<std::unique_ptr<OdbcConnection>> dead;  // closed when this returns, outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    auto list = idle_.find(connectionString);
    if (list == idle_.end()) return nullptr;
    while (!list->second.empty()) {
        std::unique_ptr<OdbcConnection> candidate = std::move(list->second.back());
        list->second.pop_back();
        if (!candidate->expired() && !candidate->dead()) return candidate;
        dead.push_back(std::move(candidate));
    }
    return nullptr;
}

std::unique_ptr<OdbcConnection> ConnectionPool::open(SQLHENV environment, const std::string& connectionString,
                                                     const char* name, ConnectFailure* failure) {
    SQLHDBC handle = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment, &handle))) {
        *failure = {std::string("Sarvik Error: Failed to do SQLAllocHandle on ") + name,
                    kConditionTemporarySystemError, DriverDiagnosticText(SQL_HANDLE_ENV, environment)};
        return nullptr;
    }
    std::array<SQLCHAR, kConnectionOutputSize> output{};
    SQLSMALLINT outputLength = 0;
    std::string text = connectionString;
    SQLRETURN rc = SQLDriverConnect(
        handle, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), static_cast<SQLSMALLINT>(text.size()),
        output.data(), static_cast<SQLSMALLINT>(output.size()), &outputLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        *failure = {
            "Sarvik Error: Failed to do SQLDriverConnect on " + MaskConnectionSecrets(connectionString),
            kConditionDatabaseUnavailable, DriverDiagnosticText(SQL_HANDLE_DBC, handle)};
        SQLFreeHandle(SQL_HANDLE_DBC, handle);
        return nullptr;
    }
    const bool sqlite = ApplySqliteSettings(handle);
    auto connection = std::make_unique<OdbcConnection>(connectionString, handle);
    connection->setSqlite(sqlite);
    return connection;
}

void ConnectionPool::release(std::unique_ptr<OdbcConnection> connection) {
    if (connection == nullptr || connection->broken() || connection->expired()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto& list = idle_[connection->connectionString()];
        if (list.size() < kIdlePerString) {
            list.push_back(std::move(connection));
            return;
        }
    }
    // Beyond the bound: the connection is closed as it goes, outside the lock.
}

std::size_t ConnectionPool::idleCount(const std::string& connectionString) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto list = idle_.find(connectionString);
    return list == idle_.end() ? 0 : list->second.size();
}

void ConnectionReturn::operator()(OdbcConnection* connection) const {
    ConnectionPool::instance().release(std::unique_ptr<OdbcConnection>(connection));
}
