#pragma once
// Fixtures of the MARC builder tests: records made of fields by hand, blocks made in code, a scratch
// directory holding Quorvane.INI, the operations log captured, and records shown field by field.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/trace_view.h"
#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_directory.h"
#include "tests/server/traced_scratch_dir.h"

struct FieldCell {
    std::string column;
    std::optional<std::string> value;
    std::int32_t row = 1;
};

inline PresentCacheEntry entryOf(std::initializer_list<FieldCell> cells) {
    PresentCacheEntry entry;
    for (const FieldCell& cell : cells) AppendRecordField(entry.fields, cell.column, cell.value, cell.row);
    return entry;
}

// The fields of a sound record as "<tag> <content>" with 0x1F shown as '$'; one entry "unsound record"
// when the record's structure does not hold.
inline std::vector<std::string> fieldsOf(const std::string& record) {
    std::optional<MarcStructure> structure = ReadMarcStructure(record);
    if (!structure) return {"unsound record"};
    std::vector<std::string> fields;
    for (const MarcDirectoryEntry& entry : structure->entries) {
        std::string content = record.substr(structure->baseAddress + entry.start, entry.length - 1);
        for (char& c : content) {
            if (c == 0x1F) c = '$';
        }
        fields.push_back(std::string(entry.tag) + " " + content);
    }
    return fields;
}

// Runs in a scratch directory with a Quorvane.INI of the given [Present] source character set, and
// captures the operations log.
class MarcTest : public TracedScratchDirTest {
  protected:
    void SetUp() override {
        TracedScratchDirTest::SetUp();
        useCharset("CP1252");
        session_.currentDatabase = "BOOKS";
        session_.cacheFormat = 1;
    }

    void useCharset(const std::string& name) {
        writeFile("Quorvane.INI", "[Present]\npcSourceCharacterSet=" + name +
                                      "\n[ImageFiles]\npcImageFilesLocation=img/%s.jpg\n");
    }

    SessionRecord session_;
    RecordPlacement placement_;  // the running size check of the Present response being built
};
