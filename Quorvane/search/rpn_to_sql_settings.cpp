#include "Quorvane/search/rpn_to_sql_settings.h"

#include <optional>

#include "Quorvane/config/ini_readers.h"
#include "toolkit/util/str_case.h"

namespace {

constexpr const char* kSqlSection = "SQL";

}  // namespace

DateLiteralStyle ReadDateLiteralStyle() {
    std::optional<std::string> style = GetIniStringOptional(kSqlSection, "pcDateLiteral");
    return style && StrCaseCompare(*style, "ISO") == 0 ? DateLiteralStyle::Iso : DateLiteralStyle::Access;
}

bool ReadLikeBackslashEscape() {
    return GetIniInt(kSqlSection, "ulLikeBackslashEscape") != 0;
}

int32_t ReadDefaultUseAttribute() {
    return GetIniInt(kSqlSection, "ulDefaultUseAttribute");
}
