#include "toolkit/trace/print_depth.h"

namespace trace {
namespace {

thread_local int printDepth = 0;

}  // namespace

PrintDepthGuard::PrintDepthGuard() {
    ++printDepth;
}

PrintDepthGuard::~PrintDepthGuard() {
    --printDepth;
}

bool PrintDepthGuard::tooDeep() const {
    return printDepth > kMaxPrintDepth;
}

}  // namespace trace
