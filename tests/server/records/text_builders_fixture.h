#pragma once
// Shared by the tests of the SUTRS, GRS-1 and HTML/XML builders: fetched fields written as a table, a
// conversion without configuration, a scratch directory whose log lines are captured, and the shipped
// control files.

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/records/field_value_conversion.h"
#include "tests/server/traced_scratch_dir.h"

inline const std::string kShippedControlDir = QUORVANE_CONTROL_DIR;

struct FieldSpec {
    const char* column;
    std::optional<std::string> value;
    int row = 1;
};

inline RecordFields makeFields(std::initializer_list<FieldSpec> specs) {
    RecordFields fields;
    for (const FieldSpec& spec : specs) AppendRecordField(fields, spec.column, spec.value, spec.row);
    return fields;
}

inline PresentCacheEntry makeEntry(std::initializer_list<FieldSpec> specs) {
    PresentCacheEntry entry;
    entry.fields = makeFields(specs);
    return entry;
}

// UTF-8 source text; ROUTINE6 puts the value into an image address.
inline FieldValueConversion utf8Conversion() {
    return {SourceCharset::Utf8, [] { return std::string("http://img.example/%s.jpg"); }};
}

// Each test runs in its own directory, which holds Quorvane.INI and a control/ directory; log lines go to a
// captured view.
class TextBuilderTest : public TracedScratchDirTest {
  protected:
    void SetUp() override {
        TracedScratchDirTest::SetUp();
        std::filesystem::create_directory(path("control"));
        session_.controlFilesDir = path("control");
        session_.cacheFormat = 1;
        session_.maximumMessageSize = 1000000;
        session_.preferredMessageSize = 1000000;
    }

    void writeControl(const std::string& name, const std::string& content) {
        writeFile("control/" + name, content);
    }
    std::string logged() const { return out_.str(); }
    SessionRecord session_;
    RecordPlacement placement_;  // the running size check of the Present response being built
};
