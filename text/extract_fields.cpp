#include <string_view>

#include "text/text_helpers.h"

namespace zarvik3 {

std::string ExtractFields(const std::string& text, const std::string& separator, std::int32_t count,
                          std::int32_t first) {
    std::string_view rest(text);
    const std::size_t length = separator.size();
    // An empty separator never occurs, so the text is one field.
    const auto nextSeparator = [&] {
        return length == 0 ? std::string_view::npos : rest.find(separator);
    };
    std::int32_t k = first;
    for (std::size_t at = nextSeparator(); k > 1 && at != std::string_view::npos;
         at = nextSeparator()) {
        rest.remove_prefix(at + length);
        --k;
    }
    if (k != 1) return {};
    std::string result;
    std::int32_t c = count;
    for (std::size_t at = nextSeparator(); c > 0 && at != std::string_view::npos;
         at = nextSeparator()) {
        result.append(rest.substr(0, at)).append(separator);
        rest.remove_prefix(at + length);
        --c;
    }
    if (c > 0) result.append(rest);
    if (!result.empty() && std::string_view(result).ends_with(separator)) {
        result.resize(result.size() - length);
    }
    return result;
}

}  // namespace zarvik3
