#include "copy/exclusions.h"

#include "text/text_helpers.h"

namespace zarvik3 {
namespace {

bool Contains(const std::string& name, const std::string& fragment) {
    return !fragment.empty() && name.find(fragment) != std::string::npos;
}

}  // namespace

bool Exclusions::Excludes(const std::string& name) const {
    return Contains(name, first) || Contains(name, second);
}

Exclusions ParseExclusions(const std::string& text) {
    if (text.find('|') == std::string::npos) return {text, ""};
    return {ExtractFields(text, "|", 1, 1), ExtractFields(text, "|", 1, 2)};
}

}  // namespace zarvik3
