#include "Quorvane/config/control_values.h"

#include <memory>

#include "Quorvane/config/control_file.h"
#include "Quorvane/log/log_file_append.h"
#include "toolkit/util/err_report.h"

namespace {

// The next field of the record; nothing when the record has no value left. The field's text, if any,
// is taken over.
struct NextField {
    bool present = false;
    int32_t type = -1;
    std::string text;
    int32_t integer = 0;
};

NextField takeField(TblFile* file) {
    NextField next;
    TblField field{};
    if (TblGetField(file, &field) == 0) return next;
    next.present = true;
    next.type = field.type;
    if (field.type == TblFieldString || field.type == TblFieldWord || field.type == TblFieldComment) {
        const std::unique_ptr<char, void (*)(void*)> taken(field.value.text, ErrFree);
        if (taken) next.text = taken.get();
    } else if (field.type == TblFieldInteger) {
        next.integer = field.value.integer;
    }
    return next;
}

std::optional<std::string> readText(TblFile* file, std::string_view message, bool required, int32_t type) {
    NextField field = takeField(file);
    if (!field.present && !required) return std::nullopt;
    if (!field.present || field.type != type) {
        ReportControlFileProblem(message);
        return std::string(" ");
    }
    appendDetailLineToFile(kInputDiagName, field.text);
    return field.text;
}

}  // namespace

std::optional<std::string> ReadControlToken(TblFile* file, std::string_view message, bool required) {
    return readText(file, message, required, TblFieldString);
}

std::optional<std::string> ReadControlWord(TblFile* file, std::string_view message, bool required) {
    return readText(file, message, required, TblFieldWord);
}

int32_t ReadControlInteger(TblFile* file, std::string_view message, bool required) {
    NextField field = takeField(file);
    if (!field.present && !required) return 0;
    if (!field.present || field.type != TblFieldInteger) {
        ReportControlFileProblem(message);
        return 0;
    }
    appendDetailLineToFile(kInputDiagName, std::to_string(field.integer));
    return field.integer;
}
