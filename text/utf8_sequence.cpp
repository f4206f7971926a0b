#include "text/utf8_sequence.h"

namespace zarvik3 {

namespace {

struct LeadRule {
    std::size_t length;
    unsigned char secondLow;  // the second byte narrows to exclude overlongs and surrogates
    unsigned char secondHigh;
};

LeadRule RuleFor(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

bool IsContinuation(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

}  // namespace

std::size_t MultiByteSequenceAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    const LeadRule rule = RuleFor(static_cast<unsigned char>(text[pos]));
    if (rule.length == 0 || text.size() - pos < rule.length) return 0;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < rule.secondLow || second > rule.secondHigh) return 0;
    for (std::size_t i = 2; i < rule.length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 0;
    }
    return rule.length;
}

std::size_t SequenceStartAround(std::string_view text, std::size_t pos) {
    for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
        if (MultiByteSequenceAt(text, pos - back) > back) return pos - back;
    }
    return pos;
}

}  // namespace zarvik3
