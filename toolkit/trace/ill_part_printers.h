#pragma once
// The parts that the interlibrary-loan printers share: ILL-Strings, system identifiers and addresses,
// dates, the enumeration names both APDU kinds use, and the shapes of optional members and numbered lists.
// Each printer writes its lines after a label its caller has written; an absent member prints "NULL".

#include <cstdio>
#include <memory>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_ill_pdu.h"
#include "toolkit/trace/enum_names.h"

namespace trace::ill {

extern const EnumName kApduTypes[21];
extern const EnumName kCurrentStates[19];
extern const EnumName kMostRecentServices[22];

// The label, then print(file, *value), or "NULL\n" when value is null.
template <typename T, typename Print>
void printOptional(std::FILE* file, const char* label, const T* value, Print print) {
    std::fputs(label, file);
    if (value == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        print(file, *value);
    }
}

// Each element as "\n", "\t<itemName>[<index from 0>]<suffix>" and its lines, then "\n" and "\n" after the
// last; "NULL\n" for an absent array.
template <typename T, typename Print>
void printNumbered(std::FILE* file, const KivArray<T>& array, const char* itemName, const char* suffix,
                   Print print) {
    if (!array.present()) {
        std::fputs("NULL\n", file);
        return;
    }
    size_t index = 0;
    for (const T& item : array) {
        std::fprintf(file, "\n\t%s[%zu]%s", itemName, index++, suffix);
        print(file, item);
    }
    std::fputs("\n\n", file);
}

void printIllString(std::FILE* file, const KivIllString& string);
// The label, then the ILL-String or "NULL\n".
void printOptionalIllString(std::FILE* file, const char* label, const std::unique_ptr<KivIllString>& string);
void printSystemId(std::FILE* file, const KivSystemId& id);
void printName(std::FILE* file, const KivNameOfPersonOrInstitution& name);
void printSystemAddress(std::FILE* file, const KivSystemAddress& address);
// The label, then the text and a line end, or "NULL\n".
void printLabelledText(std::FILE* file, const char* label, const std::optional<std::string>& text);

// The protocol version, transaction identifier, service date and time and the two parties that open both
// APDU kinds.
void printApduLead(std::FILE* file, int32_t eProtocolVersion, const KivTransactionId& transactionId,
                   const KivServiceDateTime& serviceDateTime, const KivSystemId* requesterId,
                   const KivSystemId* responderId);

}  // namespace trace::ill
