// Reads a fuzzed settings file, then writes and deletes entries through the profile
// functions; after each step every entry of interest must read as a plain reading of the
// file's new bytes says, and as the step says it should.
//
// Input: the file's bytes, optionally followed by NUL and steps separated by NUL, each
// "<kind>\x01section\x01key\x01value" with kind w (write), d (delete key), x (delete section).
// Without steps a fixed set of steps is made from the entries the file holds.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "platform/posix/posix_profile_file.h"

namespace {

using zarvik3::PosixProfileFile;
using zarvik3::fuzz::Require;

constexpr std::string_view kBlanks = " \t\v\f\r\n";
constexpr std::size_t kMaxEntries = 12;
constexpr std::size_t kMaxSteps = 8;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::vector<std::string_view> Lines(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t stop = bytes.find_first_of("\r\n");
        lines.push_back(bytes.substr(0, stop));
        if (stop == std::string_view::npos) break;
        const bool crLf = bytes.substr(stop, 2) == "\r\n";
        bytes.remove_prefix(stop + (crLf ? 2 : 1));
    }
    return lines;
}

std::optional<std::string_view> HeaderName(std::string_view line) {
    const std::string_view t = Trim(line);
    const std::size_t close = t.rfind(']');
    if (t.empty() || t[0] != '[' || close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

struct Entry {
    std::string section;
    std::string key;
};

// The value as a reader of the bytes sees it: first matching section, first matching key.
std::optional<std::string> Lookup(std::string_view bytes, const Entry& entry) {
    bool inSection = false;
    for (const std::string_view line : Lines(bytes)) {
        if (const auto header = HeaderName(line)) {
            if (inSection) return std::nullopt;
            inSection = SameName(*header, Trim(entry.section));
            continue;
        }
        const std::string_view t = Trim(line);
        const std::size_t equals = t.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        if (SameName(Trim(t.substr(0, equals)), Trim(entry.key))) {
            return Unquote(Trim(t.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

std::vector<Entry> EntriesOf(std::string_view bytes) {
    std::vector<Entry> entries;
    std::optional<std::string_view> section;
    for (const std::string_view line : Lines(bytes)) {
        if (const auto header = HeaderName(line)) {
            section = header;
        } else if (const std::size_t eq = line.find('=');
                   section && eq != std::string_view::npos && entries.size() < kMaxEntries) {
            entries.push_back({std::string(*section), std::string(Trim(line.substr(0, eq)))});
        }
    }
    return entries;
}

struct Step {
    char kind;
    Entry entry;
    std::string value;
};

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;) {
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::vector<Step> ParseSteps(std::string_view script) {
    std::vector<Step> steps;
    for (const std::string& record : Split(script, '\0')) {
        std::vector<std::string> f = Split(record, '\x01');
        if (f.size() < 3 || f[0].size() != 1 || steps.size() == kMaxSteps) continue;
        steps.push_back({f[0][0], {f[1], f[2]}, f.size() > 3 ? f[3] : std::string()});
    }
    return steps;
}

std::vector<Step> DefaultSteps(const std::vector<Entry>& entries) {
    const auto at = [&](std::size_t i) {
        return entries.empty() ? Entry{"Main", "Key"} : entries[i % entries.size()];
    };
    return {{'w', at(0), "new value"}, {'w', {at(1).section, "Added Key"}, "  two words  "},
            {'d', at(2), {}},          {'w', at(3), "line\nbreak"},
            {'x', at(4), {}},          {'w', {"New Section", "k"}, "\"quoted\""},
            {'w', at(5), ""}};
}

bool Holds(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

// What a settings file can hold: one line per entry, a key that reads back as a key.
bool Storable(const Step& step) {
    const std::string_view breaks("\r\n\0", 3);
    if (Holds(step.entry.section, breaks)) return false;
    if (step.kind != 'x') {
        const std::string& key = step.entry.key;
        if (Holds(key, breaks) || key.find('=') != std::string::npos) return false;
        // A "[" that no visible ASCII character precedes reads back as a section header on
        // one system or the other, whatever blanks stand before it.
        const auto visible = std::find_if(key.begin(), key.end(), [](char c) {
            return static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x7F;
        });
        if (visible != key.end() && *visible == '[') return false;
    }
    return step.kind != 'w' || !Holds(step.value, breaks);
}

bool Touches(const Step& step, const Entry& entry) {
    if (!SameName(Trim(step.entry.section), Trim(entry.section))) return false;
    return step.kind == 'x' || SameName(Trim(step.entry.key), Trim(entry.key));
}

std::optional<std::string> Expected(const Step& step) {
    if (step.kind == 'w') return Unquote(Trim(step.value));
    return std::nullopt;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

// Two defaults tell a stored value from a missing one.
std::optional<std::string> Read(PosixProfileFile& profiles, const std::string& path,
                                const Entry& entry) {
    constexpr std::size_t kRoom = 1 << 20;
    std::string a = profiles.GetString(path, entry.section, entry.key, "a", kRoom);
    if (a != profiles.GetString(path, entry.section, entry.key, "b", kRoom)) return std::nullopt;
    return a;
}

bool Apply(PosixProfileFile& profiles, const std::string& path, const Step& step) {
    const std::string* key = step.kind == 'x' ? nullptr : &step.entry.key;
    const std::string* value = step.kind == 'w' ? &step.value : nullptr;
    return profiles.WriteString(&step.entry.section, key, value, path);
}

void CheckStep(PosixProfileFile& profiles, const std::string& path, const Step& step,
               const std::vector<Entry>& entries) {
    const std::string before = ReadBytes(path);
    const bool written = Apply(profiles, path, step);
    const std::string after = ReadBytes(path);
    if (!Storable(step)) {
        Require(!written && after == before, "an entry the file cannot hold is refused");
        return;
    }
    Require(written, "a storable entry is written");
    PosixProfileFile fresh = PosixProfileFile::ForNativePaths();
    for (const Entry& entry : entries) {
        const auto want = Touches(step, entry) ? Expected(step) : Lookup(before, entry);
        Require(Lookup(after, entry) == want, "the file's bytes hold what was written");
        Require(Read(profiles, path, entry) == want, "the cached file reads what was written");
        Require(Read(fresh, path, entry) == want, "a fresh read sees what was written");
    }
}

void CheckCut(PosixProfileFile& profiles, const std::string& path, const Entry& entry) {
    const auto full = Read(profiles, path, entry);
    if (!full) return;
    const std::size_t room = full->size() / 2 + 1;
    Require(
        profiles.GetString(path, entry.section, entry.key, "", room) == full->substr(0, room - 1),
        "a value is cut to the buffer");
}

const std::string& FilePath() {
    static const std::string path = [] {
        const char* base = std::getenv("TMPDIR");
        std::string dir = std::string(base && *base ? base : "/tmp") + "/profile-fuzz.XXXXXX";
        Require(mkdtemp(dir.data()) != nullptr, "a scratch folder can be made");
        return dir + "/settings.ini";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view bytes = input.substr(0, nul);
    const std::string& path = FilePath();
    WriteBytes(path, bytes);

    std::vector<Entry> entries = EntriesOf(bytes);
    std::vector<Step> steps =
        nul == std::string_view::npos ? DefaultSteps(entries) : ParseSteps(input.substr(nul + 1));
    for (const Step& step : steps) entries.push_back(step.entry);

    PosixProfileFile profiles = PosixProfileFile::ForNativePaths();
    for (const Entry& entry : entries) {
        Require(Read(profiles, path, entry) == Lookup(bytes, entry), "a stored value reads back");
    }
    if (!entries.empty()) CheckCut(profiles, path, entries.front());
    for (const Step& step : steps) CheckStep(profiles, path, step, entries);
    return 0;
}
