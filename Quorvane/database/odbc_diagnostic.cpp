#include "Quorvane/database/odbc_diagnostic.h"

#include <sqlext.h>

#include <array>

#include "Quorvane/log/operations_log.h"

OdbcDiagnostic FirstDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle) {
    OdbcDiagnostic diagnostic;
    if (handle == SQL_NULL_HANDLE) return diagnostic;
    std::array<SQLCHAR, 6> state{};
    std::array<SQLCHAR, SQL_MAX_MESSAGE_LENGTH> message{};
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRec(handleType, handle, 1, state.data(), &diagnostic.nativeError, message.data(),
                                 static_cast<SQLSMALLINT>(message.size()), &length);
    if (!SQL_SUCCEEDED(rc)) return diagnostic;
    diagnostic.state = reinterpret_cast<const char*>(state.data());
    diagnostic.message = reinterpret_cast<const char*>(message.data());
    return diagnostic;
}

std::string DriverDiagnosticText(SQLSMALLINT handleType, SQLHANDLE handle) {
    OdbcDiagnostic diagnostic = FirstDiagnostic(handleType, handle);
    if (diagnostic.state.empty()) return {};
    return "ODBC diagnostic " + diagnostic.state + " (" + std::to_string(diagnostic.nativeError) +
           "): " + diagnostic.message;
}

void AppendDriverDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle) {
    AppendDiagInfo(DriverDiagnosticText(handleType, handle));
}
