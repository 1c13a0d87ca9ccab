#include "toolkit/api/kiv_convert_external_nesting.h"

namespace {

thread_local int externalDepth = 0;

}  // namespace

KivExternalLevel::KivExternalLevel() : depth_(++externalDepth) {}

KivExternalLevel::~KivExternalLevel() {
    --externalDepth;
}
