#include "toolkit/session/state_rollback.h"

#include "toolkit/session/association_registry.h"

// The updates capture only this, so the std::function holds them without allocating: the destructor
// may run while an exception unwinds.
SIStateRollback::SIStateRollback(KivAssocId assocId) : assocId_(assocId) {
    noted_ = siUpdateAssociation(assocId_, [this](SIAssociation& record) { before_ = record.machine; });
}

SIStateRollback::~SIStateRollback() {
    if (kept_ || !noted_) return;
    siUpdateAssociation(assocId_, [this](SIAssociation& record) { record.machine = before_; });
}
