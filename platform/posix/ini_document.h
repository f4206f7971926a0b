#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvik3 {

// A profile (INI) file held as its original lines, so that lines no change touches are
// written back byte for byte. Names match case-insensitively (ASCII); only the first
// matching section counts, and in it the first matching key.
class IniDocument {
  public:
    static IniDocument Parse(std::string_view bytes);

    // The trimmed value as stored (quotes included); empty when there is no such key.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Each returns true when the document changed.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    std::string Text() const;

  private:
    struct Line {
        std::string text;
        std::string end;  // "\r\n", "\n", "\r" or nothing on an unterminated last line
    };
    struct Range {
        std::size_t header;
        std::size_t end;  // one past the section's last line
    };

    std::optional<Range> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    void InsertLine(std::size_t at, std::string text, std::string end);
    void TerminateLineBefore(std::size_t at);

    std::string bom_;
    std::vector<Line> lines_;
};

}  // namespace zarvik3
