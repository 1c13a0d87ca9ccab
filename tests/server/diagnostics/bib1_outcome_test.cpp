#include <gtest/gtest.h>

#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"

namespace {

TEST(Bib1Outcome, ALaterFailureReplacesTheOutcomeAndALaterSuccessDoesNot) {
    Bib1Outcome outcome;
    EXPECT_TRUE(outcome);
    EXPECT_EQ(outcome.condition(), 0u);
    outcome.keepFailure(Bib1Outcome::failure(kConditionDatabaseUnavailable));
    outcome.keepFailure(Bib1Outcome());
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.condition(), kConditionDatabaseUnavailable);
    outcome.keepFailure(Bib1Outcome::failure(kConditionTemporarySystemError));
    EXPECT_EQ(outcome.condition(), kConditionTemporarySystemError);
}

TEST(Bib1Result, HoldsTheValueOrTheFailure) {
    Bib1Result<std::string> made(std::string("rows"));
    ASSERT_TRUE(made);
    EXPECT_EQ(*made, "rows");
    EXPECT_EQ(made->size(), 4u);
    EXPECT_TRUE(made.outcome());

    Bib1Result<std::string> failed(Bib1Outcome::failure(kConditionDatabaseUnknown));
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.outcome().condition(), kConditionDatabaseUnknown);
}

}  // namespace
