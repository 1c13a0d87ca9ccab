#pragma once
// The process's ODBC connections: one environment, and per connection string a bounded list of idle
// connections that sessions take when they connect and give back when they disconnect, so that a new
// association or a change of database does not pay for a driver connection.

#include <sql.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/session_connection.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

struct ConnectFailure {
    std::string message;
    Bib1Condition condition;
    std::string driverDetail;  // the driver's diagnostic, taken before its handle is freed
};

class ConnectionPool {
  public:
    // Idle connections kept per connection string; more are closed when given back.
    static constexpr std::size_t kIdlePerString = 16;

    // The process's pool.
    static ConnectionPool& instance();

    ConnectionPool() = default;
    ~ConnectionPool();
    ConnectionPool(const ConnectionPool&) = delete;
    ConnectionPool& operator=(const ConnectionPool&) = delete;

    // The ODBC 3 environment, allocated on first use ("Sarvik Error: Failed to do SQLAllocEnv" or
    // "Sarvik Error: Failed to do SQLSetEnvAttr", condition 2, in *failure; tried again on the next call).
    SQLHENV environment(ConnectFailure* failure);

    // A connection for the string, named for messages: the most recently idle one that is neither dead nor
    // expired, else
    // a new one made with SQLDriverConnect ("Sarvik Error: Failed to do SQLAllocHandle on <name>",
    // condition 2; "Sarvik Error: Failed to do SQLDriverConnect on <string, secrets masked>", 109). Null
    // with *failure set when none could be made.
    std::unique_ptr<OdbcConnection> acquire(const std::string& connectionString, const char* name,
                                            ConnectFailure* failure);
    // Takes a connection back: kept idle unless it is broken or expired, or its string has kIdlePerString
    // idle ones.
    void release(std::unique_ptr<OdbcConnection> connection);

    std::size_t idleCount(const std::string& connectionString);

  private:
    std::unique_ptr<OdbcConnection> takeIdle(const std::string& connectionString);
    std::unique_ptr<OdbcConnection> open(SQLHENV environment, const std::string& connectionString,
                                         const char* name, ConnectFailure* failure);

    std::mutex mutex_;
    SQLHENV environment_ = SQL_NULL_HENV;
    std::map<std::string, std::vector<std::unique_ptr<OdbcConnection>>> idle_;
};
