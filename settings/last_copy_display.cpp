#include "settings/last_copy_display.h"

#include "text/date_time_text.h"
#include "text/text_helpers.h"

namespace zarvik3 {

TDateTime StampDate(const std::string& stamp, const LocaleDateSettings& locale, TDateTime now) {
    try {
        return ParseDateTimeText(stamp, locale, DecodeDateTime(now).year);
    } catch (const EConvertError&) {
        return now;
    }
}

std::string StampTimeText(const std::string& stamp) {
    return ExtractFields(stamp, " ", 1, 2);
}

}  // namespace zarvik3
