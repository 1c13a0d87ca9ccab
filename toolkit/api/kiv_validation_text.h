#pragma once
// A read-only view of a text field that may be absent, as the validation predicates take it: an owned
// text member (std::optional<std::string>), a std::string, a NUL-terminated text, or std::nullopt or a
// null pointer for an absent text. The viewed text must outlive the view.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class KivTextView {
  public:
    KivTextView(std::nullopt_t) {}
    KivTextView(std::nullptr_t) {}
    KivTextView(const char* text)
        : text_(text), size_(text != nullptr ? std::char_traits<char>::length(text) : 0) {}
    KivTextView(const std::string& text) : text_(text.c_str()), size_(text.size()) {}
    KivTextView(const std::optional<std::string>& text)
        : KivTextView(text.has_value() ? KivTextView(*text) : KivTextView(nullptr)) {}

    bool absent() const { return text_ == nullptr; }
    // The text; empty when absent.
    std::string_view view() const { return absent() ? std::string_view() : std::string_view(text_, size_); }
    // The NUL-terminated text; null when absent.
    const char* c_str() const { return text_; }

  private:
    const char* text_ = nullptr;
    size_t size_ = 0;
};
