#pragma once
// How the SUTRS, GRS-1 and HTML/XML builders turn a fetched column value into record text: the control
// file's field routine first, then the text conversion from the catalogue's character set to UTF-8
// (diacritic codes included), so that every record carries well-formed UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/text/field_routines.h"
#include "Quorvane/text/source_charset.h"

struct FieldValueConversion {
    SourceCharset charset = SourceCharset::Windows1252;
    // Read each time ROUTINE6 runs.
    ImageLocationReader imageLocation;

    // The value after the routine ("NULL": none) and the text conversion; no value when the value is
    // absent or the routine gives none.
    std::optional<std::string> convert(std::optional<std::string_view> value, std::string_view routine) const;
};

// [Present] pcSourceCharacterSet of Quorvane.INI: "UTF-8" (or "UTF8", any case) for a UTF-8 catalogue;
// anything else, and no key, is Windows-1252.
SourceCharset SourceCharsetFromIni();

// The conversion the configuration asks for: the source character set above, and [ImageFiles]
// pcImageFilesLocation (a required key) for ROUTINE6.
FieldValueConversion FieldValueConversionFromIni();
