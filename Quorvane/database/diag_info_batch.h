#pragma once
// Lines for diaginfo.txt gathered while rows are fetched and appended in one write.

#include <string>
#include <string_view>

class DiagInfoBatch {
  public:
    DiagInfoBatch() = default;
    ~DiagInfoBatch() { flush(); }
    DiagInfoBatch(const DiagInfoBatch&) = delete;
    DiagInfoBatch& operator=(const DiagInfoBatch&) = delete;

    // Adds one line (cut like every log text).
    void add(std::string_view line);
    // Appends the lines gathered so far to diaginfo.txt.
    void flush();

  private:
    std::string lines_;
};
