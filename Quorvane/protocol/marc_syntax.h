#pragma once
// The MARC family of record syntaxes.

#include <string_view>

// 1 when the dotted identifier is 1.2.840.10003.5.N or 1.0.10163.5.N for N in 1, 2, 3, 10 to 14 and 16 to
// 20 (exact text), else 0.
int IsMarcSyntax(std::string_view oid);
