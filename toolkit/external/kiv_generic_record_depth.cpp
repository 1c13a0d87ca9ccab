#include "toolkit/external/kiv_generic_record_depth.h"

namespace {

thread_local int elementListDepth = 0;

}  // namespace

KivGenericRecordLevel::KivGenericRecordLevel() {
    ++elementListDepth;
}

KivGenericRecordLevel::~KivGenericRecordLevel() {
    --elementListDepth;
}

bool KivGenericRecordLevel::tooDeep() const {
    return elementListDepth > kKivMaxGenericRecordDepth;
}
