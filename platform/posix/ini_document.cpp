#include "platform/posix/ini_document.h"

#include "platform/posix/ini_line.h"

namespace zarvik3 {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kCrLf = "\r\n";

std::string KeyLineText(std::string_view key, std::string_view value) {
    std::string text(key);
    text += '=';
    text += value;
    return text;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    if (bytes.starts_with(kUtf8Bom)) {
        document.bom_ = kUtf8Bom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    while (!bytes.empty()) {
        const std::size_t stop = bytes.find_first_of("\r\n");
        if (stop == std::string_view::npos) {
            document.lines_.push_back({std::string(bytes), ""});
            break;
        }
        const bool crLf = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
        const std::size_t endLength = crLf ? 2 : 1;
        document.lines_.push_back(
            {std::string(bytes.substr(0, stop)), std::string(bytes.substr(stop, endLength))});
        bytes.remove_prefix(stop + endLength);
    }
    return document;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view name) const {
    const std::string_view wanted = TrimProfileBlanks(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto header = SectionHeaderName(lines_[i].text);
        if (!header || !SameProfileName(*header, wanted)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionHeaderName(lines_[end].text)) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
    const std::string_view wanted = TrimProfileBlanks(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto parts = SplitKeyLine(lines_[i].text);
        if (parts && SameProfileName(parts->key, wanted)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto at = FindKey(*range, key);
    if (!at) return std::nullopt;
    return std::string(SplitKeyLine(lines_[*at].text)->value);
}

void IniDocument::TerminateLineBefore(std::size_t at) {
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = kCrLf;
}

void IniDocument::InsertLine(std::size_t at, std::string text, std::string end) {
    TerminateLineBefore(at);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  Line{std::move(text), std::move(end)});
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view keyName = TrimProfileBlanks(key);
    const auto range = FindSection(section);
    if (!range) {
        const std::size_t at = lines_.size();
        // Built piecewise: the one-expression form trips a false -Wrestrict in GCC 12 at -O3.
        std::string header = "[";
        header.append(TrimProfileBlanks(section)).append("]");
        InsertLine(at, header, std::string(kCrLf));
        InsertLine(at + 1, KeyLineText(keyName, value), std::string(kCrLf));
        return true;
    }
    if (const auto found = FindKey(*range, keyName)) {
        Line& line = lines_[*found];
        const ProfileKeyLine stored = *SplitKeyLine(line.text);
        if (stored.value == value) return false;
        line.text = KeyLineText(stored.key, value);
        return true;
    }
    // After the section's last non-blank line, so blank lines before the next header stay.
    std::size_t at = range->header + 1;
    for (std::size_t i = at; i < range->end; ++i) {
        if (!TrimProfileBlanks(lines_[i].text).empty()) at = i + 1;
    }
    const std::string& before = lines_[at - 1].end;
    InsertLine(at, KeyLineText(keyName, value), before.empty() ? std::string(kCrLf) : before);
    return true;
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const auto range = FindSection(section);
    if (!range) return false;
    // Every copy of the key goes, or a later duplicate would reappear on reading.
    bool changed = false;
    for (std::size_t i = range->end; i > range->header + 1; --i) {
        const auto parts = SplitKeyLine(lines_[i - 1].text);
        if (!parts || !SameProfileName(parts->key, TrimProfileBlanks(key))) continue;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i - 1));
        changed = true;
    }
    return changed;
}

bool IniDocument::DeleteSection(std::string_view section) {
    bool changed = false;
    while (const auto range = FindSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
        changed = true;
    }
    return changed;
}

std::string IniDocument::Text() const {
    std::string text = bom_;
    for (const Line& line : lines_) {
        text += line.text;
        text += line.end;
    }
    return text;
}

}  // namespace zarvik3
