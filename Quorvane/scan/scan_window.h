#pragma once
// The window of index terms that one run of a scan statement reads: from the low bound (inclusive) up to
// the high bound (exclusive). The bounds start as two characters taken from the scanned term and are
// widened one step at a time: a step up raises the second character and, after 'Z', sets it to 'A' and
// raises the first; a step down is the reverse. First characters move over the digits and the capital
// letters only; a bound whose first character would leave them opens its side of the window, and an open
// side stays open: the low bound becomes the empty text, the high bound a text above every UTF-8 text.
// So a window always grows, never holds a zero octet, and is open on both sides after a bounded number of
// steps.

#include <string>
#include <string_view>

class ScanWindow {
  public:
    // The low bound is the term's first two characters (a one-character term gets 'A' as its second;
    // the empty term opens the low side at once), the high bound the low bound stepped up.
    explicit ScanWindow(std::string_view term);

    const std::string& low() const { return low_; }
    const std::string& high() const { return high_; }
    bool openBelow() const { return openBelow_; }
    bool openAbove() const { return openAbove_; }

    // One step down for the low bound, one step up for the high bound; nothing once the side is open.
    void widenDown();
    void widenUp();

  private:
    std::string low_;
    std::string high_;
    bool openBelow_ = false;
    bool openAbove_ = false;
};
