#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvik3 {

// A name pattern matched as the Windows enumeration matches long names: letters without
// regard to case (beyond ASCII too), "*" any run, "?" one character (or nothing at the end
// of the name or before a dot), a dot before "*" or "?" also matching the end of the name,
// trailing dots and blanks ignored, and a trailing "*." meaning names without a dot.
// Characters are UTF-8 sequences; a byte that starts none stands for itself.
class NamePattern {
  public:
    explicit NamePattern(const std::string& pattern);

    bool Matches(std::string_view name) const;
    bool MatchesEverything() const { return matchesEverything_; }

  private:
    enum class Kind { Literal, AnyOne, AnyRun, AnyRunWithoutDot, DotOrEnd };
    struct Token {
        Kind kind;
        char32_t folded;
    };

    template <typename Units>
    bool Run(const Units& name) const;
    template <typename Units>
    void AddEpsilonMoves(std::vector<char>& states, const Units& name, std::size_t position) const;
    bool Consumes(const Token& token, char32_t c) const;

    std::vector<Token> tokens_;
    bool matchesEverything_ = false;
};

}  // namespace zarvik3
