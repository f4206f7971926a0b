#include "text/text_scanner.h"

namespace zarvik3 {

namespace {

constexpr int kMaxDigits = 4;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::size_t TextScanner::AfterBlanks() const {
    std::size_t pos = pos_;
    while (pos < text_.size() && text_[pos] == ' ') ++pos;
    return pos;
}

std::optional<ScannedNumber> TextScanner::TakeNumber() {
    const std::size_t start = AfterBlanks();
    std::size_t end = start;
    while (end < text_.size() && IsDigit(text_[end])) ++end;
    const auto digits = static_cast<int>(end - start);
    if (digits == 0 || digits > kMaxDigits) return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < end; ++i) value = value * 10 + (text_[i] - '0');
    pos_ = end;
    return ScannedNumber{value, digits};
}

bool TextScanner::TakeChar(char c) {
    const std::size_t pos = AfterBlanks();
    if (pos >= text_.size() || text_[pos] != c) return false;
    pos_ = pos + 1;
    return true;
}

bool TextScanner::TakeWordIgnoringCase(std::string_view word) {
    const std::size_t pos = AfterBlanks();
    if (word.empty() || text_.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (LowerAscii(text_[pos + i]) != LowerAscii(word[i])) return false;
    }
    pos_ = pos + word.size();
    return true;
}

bool TextScanner::AtEnd() const {
    return AfterBlanks() == text_.size();
}

}  // namespace zarvik3
