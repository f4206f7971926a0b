#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zarvik3 {

// A number as written: its value and how many digits it had.
struct ScannedNumber {
    int value;
    int digits;
};

// Reads a text from left to right; every Take skips the blanks in front of what it takes
// and leaves the position unchanged when it fails.
class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // One to four decimal digits; a longer run of digits is no number at all.
    std::optional<ScannedNumber> TakeNumber();
    bool TakeChar(char c);
    // The word in any case of its ASCII letters; an empty word is never taken.
    bool TakeWordIgnoringCase(std::string_view word);
    // True when only blanks are left.
    bool AtEnd() const;

    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

  private:
    std::size_t AfterBlanks() const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace zarvik3
