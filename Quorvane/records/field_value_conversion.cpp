#include "Quorvane/records/field_value_conversion.h"

#include <algorithm>
#include <climits>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/records/marc_source_charset.h"
#include "Quorvane/text/marc_text.h"

std::optional<std::string> FieldValueConversion::convert(std::optional<std::string_view> value,
                                                         std::string_view routine) const {
    std::optional<std::string> routed = ApplyFieldRoutine(value, routine, imageLocation);
    if (!routed) return std::nullopt;
    // The conversion reads at most the limit; an empty value reads nothing whatever the limit.
    const auto limit = static_cast<int32_t>(std::min<size_t>(routed->size(), INT32_MAX));
    std::string converted;
    ConvertMarcText(converted, *routed, limit, charset);
    return converted;
}

FieldValueConversion FieldValueConversionFromIni() {
    return {ReadMarcSourceCharset(),
            [] { return GetIniStringRequired("ImageFiles", "pcImageFilesLocation"); }};
}
