#pragma once
// Captures what a printer writes into a stream, and builds the small values the trace tests print.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "toolkit/api/kivproto.h"

namespace trace_test {

// A memory stream whose contents the test reads back.
class Capture {
  public:
    Capture() : file_(open_memstream(&buffer_, &size_)) {}
    ~Capture() {
        if (file_ != nullptr) std::fclose(file_);
        std::free(buffer_);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    std::FILE* file() const { return file_; }
    std::string text() {
        std::fflush(file_);
        return std::string(buffer_, size_);
    }

  private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

// What print(file) writes.
template <typename Print>
std::string printed(Print print) {
    Capture capture;
    print(capture.file());
    return capture.text();
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

inline std::unique_ptr<KivInternationalString> text(std::string value) {
    return std::make_unique<KivInternationalString>(KivInternationalString{std::move(value)});
}

inline std::unique_ptr<KivOctets> octets(std::string value) {
    return std::make_unique<KivOctets>(KivOctets{std::move(value)});
}

// A single-ASN.1-type EXTERNAL under oid; fill sets the carried structure.
template <typename Fill>
std::unique_ptr<KivExternal> singleExternal(const char* oid, int32_t eASN1Type, Fill fill) {
    auto external = std::make_unique<KivExternal>();
    if (oid != nullptr) external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    external->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    external->uExternalValue.psSingleASN1Type->eASN1Type = eASN1Type;
    fill(external->uExternalValue.psSingleASN1Type->uASN1);
    return external;
}

inline std::unique_ptr<KivExternal> sutrsExternal(const char* record) {
    return singleExternal("1.2.840.10003.5.101", AT_UnstructuredText,
                          [&](auto& content) { content.psUnstructuredText = text(record); });
}

// A numeric attribute element; a null set leaves pcAttributeSetId absent.
inline void addAttribute(KivArray<KivAttributeElement>& list, const char* set, uint32_t type,
                         uint32_t value) {
    KivAttributeElement* element = list.emplace();
    if (set != nullptr) element->pcAttributeSetId = set;
    element->ulAttributeType = type;
    element->sAttributeValue.eAttributeValueType = 1;
    element->sAttributeValue.uAttributeValue.ulNumeric = value;
}

inline std::unique_ptr<KivDiagRec> bib1Diagnostic(uint32_t condition) {
    auto diag = std::make_unique<KivDiagRec>();
    diag->eDiagnosticsType = DT_DefaultFormat;
    diag->uDiagnostics.psDefault = std::make_unique<KivDefaultDiagFormat>();
    diag->uDiagnostics.psDefault->pcDiagnosticSetId = "1.2.840.10003.4.1";
    diag->uDiagnostics.psDefault->ulCondition = condition;
    return diag;
}

}  // namespace trace_test
