#include "toolkit/trace/value_printers.h"

#include <cinttypes>
#include <cstring>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_target_pdu.h"
#include "toolkit/util/text_escape.h"

namespace trace {

// Received text is written escaped (text_escape.h): no text in a field can end a trace line or forge one.
void printTextUpToZero(std::FILE* file, const char* data, size_t length) {
    const std::string escaped = escapeControlText(std::string_view(data, strnlen(data, length)));
    std::fwrite(escaped.data(), 1, escaped.size(), file);
}

void printTextLine(std::FILE* file, const char* text) {
    if (text != nullptr) {
        printTextUpToZero(file, text, std::strlen(text));
    } else {
        std::fputs("NULL", file);
    }
    std::fputs("\n", file);
}

void printTextLine(std::FILE* file, const std::optional<std::string>& text) {
    printTextLine(file, text ? text->c_str() : nullptr);
}

void printSignedLine(std::FILE* file, uint32_t value) {
    std::fprintf(file, "%" PRId32 "\n", static_cast<int32_t>(value));
}

void printUnsignedLine(std::FILE* file, uint32_t value) {
    std::fprintf(file, "%" PRIu32 "\n", value);
}

void printLabelledSigned(std::FILE* file, const char* label, uint32_t value) {
    std::fputs(label, file);
    printSignedLine(file, value);
}

void printOptionalSignedLine(std::FILE* file, const std::optional<uint32_t>& value) {
    if (value) {
        printSignedLine(file, *value);
    } else {
        std::fputs("NULL\n", file);
    }
}

void printOptionalUnsignedLine(std::FILE* file, const std::optional<uint32_t>& value) {
    if (value) {
        printUnsignedLine(file, *value);
    } else {
        std::fputs("NULL\n", file);
    }
}

}  // namespace trace

char KivHexDigit(uint32_t value) {
    return "0123456789abcdef"[value & 0xF];
}

void KivPrintHex(std::FILE* file, const char* data, uint32_t length) {
    std::fputs("Hex: ", file);
    if (data == nullptr) {
        std::fputs("NULL \n", file);
        return;
    }
    char pairs[512];
    size_t used = 0;
    for (uint32_t i = 0; i < length; ++i) {
        const auto octet = static_cast<uint8_t>(data[i]);
        pairs[used++] = KivHexDigit(octet >> 4);
        pairs[used++] = KivHexDigit(octet);
        if (used == sizeof pairs) {
            std::fwrite(pairs, 1, used, file);
            used = 0;
        }
    }
    std::fwrite(pairs, 1, used, file);
    std::fputs("\n", file);
}

void KivPrintOctets(std::FILE* file, const KivOctets* psOctets) {
    if (psOctets == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    trace::printTextUpToZero(file, psOctets->pcValue.data(), psOctets->pcValue.size());
    std::fputs("\n", file);
}

void KivPrintInternationalString(std::FILE* file, const KivInternationalString* psString) {
    if (psString == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    trace::printTextUpToZero(file, psString->pcValue.data(), psString->pcValue.size());
    std::fputs("\n", file);
    KivPrintHex(file, psString->pcValue.data(), psString->ulLength());
}

void KivPrintNamedOctets(std::FILE* file, const char* label, const KivOctets* psOctets) {
    std::fputs(label, file);
    std::fputs(": ", file);
    KivPrintOctets(file, psOctets);
}

void KivPrintNamedInternationalString(std::FILE* file, const char* label,
                                      const KivInternationalString* psString) {
    std::fputs(label, file);
    std::fputs(": ", file);
    KivPrintInternationalString(file, psString);
}

void KivPrintBoolean(std::FILE* file, const uint32_t* pfValue) {
    if (pfValue == nullptr) {
        std::fputs("NULL\n", file);
    } else if (*pfValue == 0) {
        std::fputs("KIV_FALSE\n", file);
    } else {
        std::fputs("KIV_TRUE\n", file);
    }
}

void KivPrintNamedBoolean(std::FILE* file, const char* label, const uint32_t* pfValue) {
    std::fputs(label, file);
    std::fputs(": ", file);
    KivPrintBoolean(file, pfValue);
}

void KivPrintNamedInteger(std::FILE* file, const char* label, const uint32_t* pulValue) {
    std::fputs(label, file);
    std::fputs(": ", file);
    if (pulValue == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        trace::printSignedLine(file, *pulValue);
    }
}

void KivPrintNamedText(std::FILE* file, const char* label, const std::optional<std::string>& pcText) {
    std::fputs(label, file);
    std::fputs(": ", file);
    trace::printTextLine(file, pcText);
}

void KivPrintNamedNull(std::FILE* file, const char* label, bool pvPresent) {
    std::fputs(label, file);
    std::fputs(pvPresent ? ": Value Defined\n" : ": NULL\n", file);
}

void KivPrintInvalidApdu(std::FILE* file, const KivInvalidAPDU* psInvalidApdu) {
    std::fputs("Invalid PDU:\n", file);
    if (psInvalidApdu == nullptr) {
        KivPrintHex(file, nullptr, 0);
    } else {
        KivPrintHex(file, psInvalidApdu->pcValue.data(), psInvalidApdu->ulLength());
    }
}
