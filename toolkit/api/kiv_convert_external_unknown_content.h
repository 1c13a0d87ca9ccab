#pragma once
// Whether the conversion of a received PDU met content that reaches the application as raw octets (content
// type 8), so that the receiving call can keep a copy of the PDU's octets. The mark belongs to one call: the
// call holds a scope around its decoding and conversion, and the conversions mark the innermost scope of
// their own thread.

class KivUnknownContentScope {
  public:
    KivUnknownContentScope();
    ~KivUnknownContentScope();
    KivUnknownContentScope(const KivUnknownContentScope&) = delete;
    KivUnknownContentScope& operator=(const KivUnknownContentScope&) = delete;

    // True once raw content was converted on this thread while the scope was the innermost one, or after
    // markSeen (the PDU decoder marks an APDU of unknown type so).
    bool seen() const { return seen_; }
    void markSeen() { seen_ = true; }

  private:
    KivUnknownContentScope* outer_;
    bool seen_ = false;
};

// Marks the innermost scope of this thread; without one, nothing.
void KivNoteUnknownContent();
