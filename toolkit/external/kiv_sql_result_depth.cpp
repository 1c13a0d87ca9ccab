#include "toolkit/external/kiv_sql_result_depth.h"

namespace {

thread_local int sqlResultDepth = 0;

}  // namespace

KivSQLResultLevel::KivSQLResultLevel() {
    ++sqlResultDepth;
}

KivSQLResultLevel::~KivSQLResultLevel() {
    --sqlResultDepth;
}

bool KivSQLResultLevel::tooDeep() const {
    return sqlResultDepth > kKivMaxSQLResultDepth;
}
