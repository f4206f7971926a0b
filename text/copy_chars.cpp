#include <algorithm>
#include <string_view>

#include "text/text_helpers.h"
#include "text/utf8_sequence.h"

namespace zarvik3 {

std::string CopyChars(const std::string& text, std::int64_t first, std::int64_t count) {
    const std::string_view view(text);
    const std::size_t size = view.size();
    if (count <= 0 || (first > 1 && static_cast<std::uint64_t>(first - 1) >= size)) return {};
    std::size_t begin = first > 1 ? static_cast<std::size_t>(first - 1) : 0;
    std::size_t end = begin + std::min(static_cast<std::uint64_t>(count),
                                       static_cast<std::uint64_t>(size - begin));
    // A start inside a character skips that character; an end inside one leaves it out.
    const std::size_t beginSequence = SequenceStartAround(view, begin);
    if (beginSequence != begin) begin = beginSequence + MultiByteSequenceAt(view, beginSequence);
    end = SequenceStartAround(view, end);
    if (begin >= end) return {};
    return text.substr(begin, end - begin);
}

}  // namespace zarvik3
