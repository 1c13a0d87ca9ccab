#pragma once
// Undoing the state event of an APDU that never went out: a response or Close whose conversion or encoding
// fails (a record the codec refuses, memory running out, an exception on the way) leaves the association in
// the state it had before the event, so that it can still be answered, for example with a Close.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/state_machine.h"

class SIStateRollback {
  public:
    // Takes note of the association's machine; an unknown association is left alone.
    explicit SIStateRollback(KivAssocId assocId);
    // Puts the noted machine back unless kept.
    ~SIStateRollback();
    SIStateRollback(const SIStateRollback&) = delete;
    SIStateRollback& operator=(const SIStateRollback&) = delete;

    // The APDU was sent, or its event refused: the state now in force stays.
    void keep() { kept_ = true; }

  private:
    KivAssocId assocId_;
    SIStateMachine before_;
    bool noted_ = false;
    bool kept_ = false;
};
