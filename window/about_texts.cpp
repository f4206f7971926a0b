#include "window/about_texts.h"

#include "text/text_helpers.h"

namespace zarvik3::about {

std::string EmailLink(const std::string& labelText) {
    return "mailto:" + TrimControls(labelText);
}

std::string WebLink(const std::string& labelText) {
    return TrimControls(labelText);
}

}  // namespace zarvik3::about
