#include "toolkit/external/kiv_generic_record_depth.h"

namespace {

thread_local int genericRecordElementDepth = 0;

}  // namespace

KivGenericRecordLevel::KivGenericRecordLevel() {
    ++genericRecordElementDepth;
}

KivGenericRecordLevel::~KivGenericRecordLevel() {
    --genericRecordElementDepth;
}

bool KivGenericRecordLevel::tooDeep() const {
    return genericRecordElementDepth > kKivMaxGenericRecordDepth;
}
