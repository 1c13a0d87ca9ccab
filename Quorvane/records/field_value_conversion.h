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

// The conversion the configuration asks for: [Present] pcSourceCharacterSet (ReadMarcSourceCharset), and
// [ImageFiles] pcImageFilesLocation (a required key) for ROUTINE6.
FieldValueConversion FieldValueConversionFromIni();
