#pragma once
// Holds an association's session for one request: takes the busy mark on construction (LockSession) and
// gives it back on destruction (UnlockSession), on every path out of the handler, exceptions included, so
// a failed request never leaves its session busy and the idle timer can still reclaim it.

#include <memory>

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_owning.h"

class SessionLease {
  public:
    // Waits for the session; holds nothing when the association has none or it was released meanwhile.
    explicit SessionLease(KivAssocId assocId);
    ~SessionLease();
    SessionLease(const SessionLease&) = delete;
    SessionLease& operator=(const SessionLease&) = delete;

    explicit operator bool() const { return session_ != nullptr; }
    SessionRecord& operator*() const { return *session_; }
    SessionRecord* operator->() const { return session_.get(); }

  private:
    KivAssocId assocId_;
    std::shared_ptr<SessionRecord> session_;
};
