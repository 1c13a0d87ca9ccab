#include "toolkit/external/kiv_explain_depth.h"

namespace {

thread_local int elementListDepth = 0;

}  // namespace

KivExplainElementLevel::KivExplainElementLevel() : depth_(++elementListDepth) {}

KivExplainElementLevel::~KivExplainElementLevel() {
    --elementListDepth;
}
