#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvik3 {

// A name pattern matched as the Windows enumeration matches long names: ASCII letters
// without regard to case, "*" any run, "?" one character (or nothing at the end of the name
// or before a dot), a dot before "*" or "?" also matching the end of the name, trailing dots
// and blanks ignored, and a trailing "*." meaning names without a dot.
class NamePattern {
  public:
    explicit NamePattern(const std::string& pattern);

    bool Matches(std::string_view name) const;
    bool MatchesEverything() const { return matchesEverything_; }

  private:
    enum class Kind { Literal, AnyOne, AnyRun, AnyRunWithoutDot, DotOrEnd };
    struct Token {
        Kind kind;
        char folded;
    };

    void AddEpsilonMoves(std::vector<char>& states, std::string_view name,
                         std::size_t position) const;
    bool Consumes(const Token& token, char c) const;

    std::vector<Token> tokens_;
    bool matchesEverything_ = false;
};

}  // namespace zarvik3
