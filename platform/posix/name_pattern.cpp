#include "platform/posix/name_pattern.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace zarvik3 {
namespace {

// A byte that starts no well-formed sequence stands for itself, apart from every character.
constexpr char32_t kStrayByte = 0x110000;

char32_t FoldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char32_t>(c - 'a' + 'A') : c;
}

// Simple case folding, one character to one, as the system's case table compares names.
char32_t FoldCase(char32_t c) {
    if (c < 0x80) return FoldAscii(static_cast<unsigned char>(c));
    if (c >= kStrayByte) return c;
    const auto folded =
        static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
    return folded < 0x80 ? FoldAscii(static_cast<unsigned char>(folded)) : folded;
}

// The characters of a text, folded; each invalid byte becomes a stray byte of its own.
std::vector<char32_t> FoldedCharacters(std::string_view text) {
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            i = start + 1;
            characters.push_back(kStrayByte + bytes[start]);
        } else {
            characters.push_back(FoldCase(static_cast<char32_t>(c)));
        }
    }
    return characters;
}

// The bytes of an ASCII name, read as characters without decoding: the common case.
struct AsciiUnits {
    std::string_view text;
    std::size_t size() const { return text.size(); }
    char32_t operator[](std::size_t i) const {
        return FoldAscii(static_cast<unsigned char>(text[i]));
    }
};

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string WithoutTrailingDotsAndBlanks(const std::string& pattern) {
    const auto last = pattern.find_last_not_of(". ");
    return last == std::string::npos ? std::string() : pattern.substr(0, last + 1);
}

}  // namespace

NamePattern::NamePattern(const std::string& pattern) {
    const bool endedInDot = !pattern.empty() && pattern.back() == '.';
    const std::vector<char32_t> core = FoldedCharacters(WithoutTrailingDotsAndBlanks(pattern));
    for (std::size_t i = 0; i < core.size(); ++i) {
        const char32_t c = core[i];
        const bool wildcardNext = i + 1 < core.size() && (core[i + 1] == '*' || core[i + 1] == '?');
        if (c == '*') {
            const bool last = i + 1 == core.size();
            tokens_.push_back({last && endedInDot ? Kind::AnyRunWithoutDot : Kind::AnyRun, c});
        } else if (c == '?') {
            tokens_.push_back({Kind::AnyOne, c});
        } else if (c == '.' && wildcardNext) {
            tokens_.push_back({Kind::DotOrEnd, c});
        } else {
            tokens_.push_back({Kind::Literal, c});
        }
    }
    // "*", "*.*" and the like: every name, so the caller can skip matching altogether.
    matchesEverything_ = !tokens_.empty() && tokens_.front().kind == Kind::AnyRun;
    for (const Token& token : tokens_) {
        if (token.kind != Kind::AnyRun && token.kind != Kind::DotOrEnd) matchesEverything_ = false;
    }
}

// Tokens that may match no character here; moves only go forward, so one pass suffices.
template <typename Units>
void NamePattern::AddEpsilonMoves(std::vector<char>& states, const Units& name,
                                  std::size_t position) const {
    const bool atEnd = position == name.size();
    const bool beforeDot = !atEnd && name[position] == '.';
    for (std::size_t t = 0; t < tokens_.size(); ++t) {
        if (!states[t]) continue;
        const Kind kind = tokens_[t].kind;
        const bool skippable = kind == Kind::AnyRun || kind == Kind::AnyRunWithoutDot ||
                               (kind == Kind::AnyOne && (atEnd || beforeDot)) ||
                               (kind == Kind::DotOrEnd && atEnd);
        if (skippable) states[t + 1] = 1;
    }
}

bool NamePattern::Consumes(const Token& token, char32_t c) const {
    switch (token.kind) {
        case Kind::Literal:
            return c == token.folded;
        case Kind::AnyOne:
        case Kind::AnyRun:
            return true;
        case Kind::AnyRunWithoutDot:
            return c != '.';
        case Kind::DotOrEnd:
            return c == '.';
    }
    return false;
}

bool NamePattern::Matches(std::string_view name) const {
    if (matchesEverything_) return true;
    if (IsAscii(name)) return Run(AsciiUnits{name});
    return Run(FoldedCharacters(name));
}

template <typename Units>
bool NamePattern::Run(const Units& name) const {
    // Every token position the name read so far can have reached, as in a small automaton.
    std::vector<char> states(tokens_.size() + 1, 0);
    std::vector<char> next(states.size(), 0);
    states[0] = 1;
    for (std::size_t position = 0; position < name.size(); ++position) {
        AddEpsilonMoves(states, name, position);
        std::fill(next.begin(), next.end(), 0);
        bool alive = false;
        for (std::size_t t = 0; t < tokens_.size(); ++t) {
            if (!states[t] || !Consumes(tokens_[t], name[position])) continue;
            const bool staysPut =
                tokens_[t].kind == Kind::AnyRun || tokens_[t].kind == Kind::AnyRunWithoutDot;
            next[staysPut ? t : t + 1] = 1;
            alive = true;
        }
        if (!alive) return false;
        states.swap(next);
    }
    AddEpsilonMoves(states, name, name.size());
    return states.back() != 0;
}

}  // namespace zarvik3
