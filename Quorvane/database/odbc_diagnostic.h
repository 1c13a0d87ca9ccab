#pragma once
// The driver's own account of a failed ODBC call.

#include <sql.h>

#include <string>

struct OdbcDiagnostic {
    std::string state;  // SQLSTATE, five characters; empty when the handle holds no diagnostic
    SQLINTEGER nativeError = 0;
    std::string message;
};

// The first diagnostic record of the handle; empty texts when there is none or the handle is null.
OdbcDiagnostic FirstDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle);

// "ODBC diagnostic <state> (<native>): <message>" for the handle's first diagnostic record; empty when the
// handle holds none.
std::string DriverDiagnosticText(SQLSMALLINT handleType, SQLHANDLE handle);

// Appends DriverDiagnosticText to diaginfo.txt; nothing when it is empty.
void AppendDriverDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle);
