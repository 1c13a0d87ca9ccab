#include "Quorvane/config/config_problems.h"

namespace {

thread_local std::uint64_t problemCount = 0;

}  // namespace

void noteConfigProblem() {
    ++problemCount;
}

ConfigProblemWatch::ConfigProblemWatch() : start_(problemCount) {}

bool ConfigProblemWatch::found() const {
    return problemCount != start_;
}
