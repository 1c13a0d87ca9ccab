#include "toolkit/trace/array_printers.h"

#include "toolkit/trace/value_printers.h"

namespace {

// The label line; false for an absent array, which prints nothing more.
template <typename T>
bool arrayLine(std::FILE* file, const char* label, const KivArray<T>& array) {
    std::fputs(label, file);
    std::fputs(array.present() ? ":\n" : ": NULL\n", file);
    return array.present();
}

}  // namespace

void KivPrintNamedIntegerArray(std::FILE* file, const char* label, const KivArray<uint32_t>& ppulValues) {
    if (!arrayLine(file, label, ppulValues)) return;
    for (const uint32_t& value : ppulValues) KivPrintNamedInteger(file, "psUlong", &value);
}

void KivPrintNamedOidArray(std::FILE* file, const char* label, const KivArray<std::string>& ppcOids) {
    if (!arrayLine(file, label, ppcOids)) return;
    for (const std::string& oid : ppcOids) KivPrintNamedText(file, "pcObjectIdentifier", oid);
}
