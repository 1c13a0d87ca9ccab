#include "Quorvane/present/record_format_choice.h"

#include <algorithm>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "toolkit/util/str_case.h"

namespace {

// eRecordCompositionType of element-set names.
constexpr std::int32_t kElementSetNamesComposition = 1;

}  // namespace

int MatchFormatName(std::string_view elementSetName, const RecordFormat& format) {
    const std::size_t length = std::min(elementSetName.size(), format.name.size());
    return StrCaseCompare(elementSetName.substr(0, length),
                          std::string_view(format.name).substr(0, length)) == 0
               ? 1
               : 0;
}

std::optional<std::string> GenericElementSetName(const KivPresentReq& request) {
    const KivRecordComposition* composition = request.psRecordComposition.get();
    if (composition == nullptr || composition->eRecordCompositionType != kElementSetNamesComposition)
        return std::nullopt;
    const KivElementSetNames* names = composition->uRecordComposition.psElementSetNames.get();
    if (names == nullptr || names->eElementSetType != EST_Generic ||
        names->uElementSet.psGeneric == nullptr) {
        return std::nullopt;
    }
    return names->uElementSet.psGeneric->pcValue.substr(0, kElementSetNameLimit);
}

Bib1Result<RecordFormatChoice> ChooseRecordFormat(SessionRecord& session, const KivPresentReq& request,
                                                  bool defaultFull) {
    RecordFormatChoice choice{nullptr, defaultFull};
    const std::optional<std::string> name = GenericElementSetName(request);
    RecordFormats* formats = session.recordFormats.get();
    if (formats == nullptr || formats->empty()) {
        if (name) choice.full = !name->empty() && (name->front() == 'F' || name->front() == 'f');
        return choice;
    }
    if (name) {
        formats->saveCursor();
        if (formats->find([&](const RecordFormat& format) { return MatchFormatName(*name, format) == 1; }) ==
            nullptr) {
            formats->restoreCursor();
            return Bib1Outcome::failure(kConditionUnknownElementSetName);
        }
    }
    choice.format = formats->current();
    return choice;
}
