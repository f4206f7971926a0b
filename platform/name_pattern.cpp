#include "platform/name_pattern.h"

namespace zarvik3 {
namespace {

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string WithoutTrailingDotsAndBlanks(const std::string& pattern) {
    const auto last = pattern.find_last_not_of(". ");
    return last == std::string::npos ? std::string() : pattern.substr(0, last + 1);
}

}  // namespace

NamePattern::NamePattern(const std::string& pattern) {
    const bool endedInDot = !pattern.empty() && pattern.back() == '.';
    const std::string core = WithoutTrailingDotsAndBlanks(pattern);
    for (std::size_t i = 0; i < core.size(); ++i) {
        const char c = core[i];
        const bool wildcardNext = i + 1 < core.size() && (core[i + 1] == '*' || core[i + 1] == '?');
        if (c == '*') {
            const bool last = i + 1 == core.size();
            tokens_.push_back({last && endedInDot ? Kind::AnyRunWithoutDot : Kind::AnyRun, c});
        } else if (c == '?') {
            tokens_.push_back({Kind::AnyOne, c});
        } else if (c == '.' && wildcardNext) {
            tokens_.push_back({Kind::DotOrEnd, c});
        } else {
            tokens_.push_back({Kind::Literal, FoldCase(c)});
        }
    }
    // "*", "*.*" and the like: every name, so the caller can skip matching altogether.
    matchesEverything_ = !tokens_.empty() && tokens_.front().kind == Kind::AnyRun;
    for (const Token& token : tokens_) {
        if (token.kind != Kind::AnyRun && token.kind != Kind::DotOrEnd) matchesEverything_ = false;
    }
}

// Tokens that may match no character here; moves only go forward, so one pass suffices.
void NamePattern::AddEpsilonMoves(std::vector<char>& states, std::string_view name,
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

bool NamePattern::Consumes(const Token& token, char c) const {
    switch (token.kind) {
        case Kind::Literal:
            return FoldCase(c) == token.folded;
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
    // Every token position the name read so far can have reached, as in a small automaton.
    std::vector<char> states(tokens_.size() + 1, 0);
    states[0] = 1;
    for (std::size_t position = 0; position < name.size(); ++position) {
        AddEpsilonMoves(states, name, position);
        std::vector<char> next(states.size(), 0);
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
