#include "copy/content_compare.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zarvik3 {
namespace {

// Large enough that each read costs little, small enough that a cancel is seen promptly
// and both buffers stay in the processor's cache.
constexpr std::size_t kChunk = 1024 * 1024;
// Reads that bypass the system's cache must be whole sectors into aligned memory.
constexpr std::align_val_t kAlignment{4096};

char* NewBuffer() {
    return static_cast<char*>(::operator new(kChunk, kAlignment));
}

std::string Plural(std::uint64_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Where the first differing byte is, counted from 1 as cmp does.
std::string FirstDifference(const char* a, const char* b, std::size_t length,
                            std::uint64_t offset) {
    const auto at = static_cast<std::uint64_t>(std::mismatch(a, a + length, b).first - a);
    return "other bytes from byte " + std::to_string(offset + at + 1);
}

Comparison Differs(std::string why) {
    return {false, std::move(why)};
}

}  // namespace

void ContentCompare::Buffer::operator()(char* memory) const {
    ::operator delete(memory, kAlignment);
}

Comparison ContentCompare::Compare(const std::string& source, const std::string& copy,
                                   std::uint64_t size, ReadFrom from, CopyProgress& progress) {
    std::string failure;
    const auto original = fs_.OpenRead(source, ReadFrom::Anywhere, failure);
    if (!original) return Differs("source not readable: " + failure);
    const auto copied = fs_.OpenRead(copy, from, failure);
    if (!copied) return Differs("copy not readable: " + failure);
    if (!source_) {
        source_ = BufferPtr(NewBuffer());
        copy_ = BufferPtr(NewBuffer());
    }
    return CompareOpen(*original, *copied, size, progress);
}

Comparison ContentCompare::CompareOpen(FileReader& source, FileReader& copy, std::uint64_t size,
                                       CopyProgress& progress) {
    for (std::uint64_t offset = 0;;) {
        // A whole chunk each time: a short read then means the end, with no read to confirm.
        const std::int64_t got = source.Read(source_.get(), kChunk);
        if (got < 0) return Differs("source not readable: " + source.Error());
        const std::int64_t held = copy.Read(copy_.get(), kChunk);
        if (held < 0) return Differs("copy not readable: " + copy.Error());
        const auto common = static_cast<std::size_t>(std::min(got, held));
        if (std::memcmp(source_.get(), copy_.get(), common) != 0) {
            return Differs(FirstDifference(source_.get(), copy_.get(), common, offset));
        }
        offset += common;
        if (held < got) {
            const std::uint64_t whole =
                std::max(size, offset + static_cast<std::uint64_t>(got - held));
            return Differs("copy shorter: " + std::to_string(offset) + " of " +
                           Plural(whole, "byte"));
        }
        if (held > got) return Differs("copy longer than its source");
        progress.Moved(common);
        if (static_cast<std::size_t>(got) < kChunk) return {};
        if (!progress.KeepGoing()) return {true, {}};
    }
}

}  // namespace zarvik3
