#pragma once
// A session's hold on a pooled ODBC connection: letting go gives the connection back to the pool.

#include <memory>

class OdbcConnection;

struct ConnectionReturn {
    void operator()(OdbcConnection* connection) const;
};
using SessionConnection = std::unique_ptr<OdbcConnection, ConnectionReturn>;
