#include "Quorvane/records/marc_source_charset.h"

#include <optional>
#include <string>

#include "Quorvane/config/ini_readers.h"
#include "toolkit/util/str_case.h"

SourceCharset ReadMarcSourceCharset() {
    std::optional<std::string> name = GetIniStringOptional("Present", "pcSourceCharacterSet");
    if (name && (StrCaseCompare(*name, "UTF-8") == 0 || StrCaseCompare(*name, "UTF8") == 0)) {
        return SourceCharset::Utf8;
    }
    return SourceCharset::Windows1252;
}
