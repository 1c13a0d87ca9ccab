#pragma once
// The character set of the catalogue's text, which the MARC text conversion starts from.

#include "Quorvane/text/source_charset.h"

// [Present] pcSourceCharacterSet: "UTF-8" or "UTF8" (any case) for UTF-8 text, passed through; any other
// value, or none, for Windows-1252 text, converted to UTF-8.
SourceCharset ReadMarcSourceCharset();
