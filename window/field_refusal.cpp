#include "window/field_refusal.h"

#include "text/char_checks.h"

namespace zarvik3 {

std::optional<std::string> FieldRefusal(const std::string& fieldName, const std::string& text) {
    if (!HoldsLineBreakOrNul(text)) return std::nullopt;
    return fieldName + " cannot hold a line break.";
}

}  // namespace zarvik3
