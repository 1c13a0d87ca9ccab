#include "toolkit/external/kiv_explain_depth.h"

namespace {

thread_local int explainElementDepth = 0;

}  // namespace

KivExplainElementLevel::KivExplainElementLevel() : depth_(++explainElementDepth) {}

KivExplainElementLevel::~KivExplainElementLevel() {
    --explainElementDepth;
}
