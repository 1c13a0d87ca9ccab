#include <gtest/gtest.h>

#include "Quorvane/database/record_field.h"

namespace {

// The fields of one record appended under a request's memory.
struct Appending {
    explicit Appending(std::size_t requestLimit) : memory(requestLimit, process) {}
    ProcessMemoryBudget process;
    RequestMemory memory;
    RecordFields fields;
    RecordFieldTarget record{"1", &fields, 0};
    FieldAppender appender{std::span<RecordFieldTarget>(&record, 1), &memory};
};

TEST(FieldAppender, RowsAreReservedOnceEnoughHaveGatheredAndTheRestByCommitAll) {
    Appending appending(0);
    auto& [process, memory, fields, record, appender] = appending;

    appender.append(0, "DATA", "a value", 1);
    EXPECT_TRUE(appender.commit());
    EXPECT_EQ(memory.held(), 0u) << "one row's octets wait for more";
    std::int32_t row = 1;
    while (memory.held() == 0) {
        ASSERT_LT(record.footprint, FieldAppender::kCommitOctets + 1024);
        appender.append(0, "DATA", "a value", ++row);
        EXPECT_TRUE(appender.commit());
    }
    EXPECT_GE(memory.held(), FieldAppender::kCommitOctets);
    EXPECT_EQ(memory.held(), record.footprint);

    appender.append(0, "DATA", "the last value", ++row);
    EXPECT_TRUE(appender.commitAll());
    EXPECT_EQ(memory.held(), record.footprint);
    EXPECT_EQ(process.reserved(), record.footprint);
}

TEST(FieldAppender, ARefusalComesWhenTheGatheredOctetsAreReserved) {
    Appending appending(100);
    auto& [process, memory, fields, record, appender] = appending;
    appender.append(0, "DATA", std::string(200, 'x'), 1);
    EXPECT_TRUE(appender.commit());
    EXPECT_FALSE(appender.commitAll());
    EXPECT_TRUE(memory.refused());
    EXPECT_EQ(process.reserved(), 0u);
}

}  // namespace
