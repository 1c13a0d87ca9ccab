#include "toolkit/api/kiv_convert_external_unknown_content.h"

namespace {

thread_local KivUnknownContentScope* innermostScope = nullptr;

}  // namespace

KivUnknownContentScope::KivUnknownContentScope() : outer_(innermostScope) {
    innermostScope = this;
}

KivUnknownContentScope::~KivUnknownContentScope() {
    innermostScope = outer_;
}

void KivNoteUnknownContent() {
    if (innermostScope != nullptr) innermostScope->markSeen();
}
