#pragma once
// Detail lines for diaginfo.txt (fetched columns, scan terms) gathered while rows are fetched and
// appended in one write; nothing is gathered while detail lines are not logged.

#include <string>
#include <string_view>

class DiagInfoBatch {
  public:
    DiagInfoBatch();
    ~DiagInfoBatch() { flush(); }
    DiagInfoBatch(const DiagInfoBatch&) = delete;
    DiagInfoBatch& operator=(const DiagInfoBatch&) = delete;

    // Detail lines are logged: callers build a line only then.
    bool enabled() const { return enabled_; }
    // Adds one line (escaped and cut like every log text).
    void add(std::string_view line);
    // Appends the lines gathered so far to diaginfo.txt.
    void flush();

  private:
    bool enabled_;
    std::string lines_;
};
