#include <langinfo.h>
#include <locale.h>

#include "platform/locale_items.h"
#include "platform/posix/locale_mapping.h"

namespace zarvik3 {

namespace {

std::string Item(nl_item item, locale_t locale) {
    const char* text = nl_langinfo_l(item, locale);
    return text != nullptr ? std::string(text) : std::string();
}

LocaleTexts ReadLocaleTexts(locale_t locale) {
    LocaleTexts texts;
    texts.dateFormat = Item(D_FMT, locale);
    texts.timeFormat = Item(T_FMT, locale);
    texts.twelveHourTimeFormat = Item(T_FMT_AMPM, locale);
    texts.amText = Item(AM_STR, locale);
    texts.pmText = Item(PM_STR, locale);
    texts.decimal = Item(RADIXCHAR, locale);
    for (int i = 0; i < 12; ++i) {
        texts.shortMonthNames[i] = Item(ABMON_1 + i, locale);
        texts.longMonthNames[i] = Item(MON_1 + i, locale);
    }
    for (int i = 0; i < 7; ++i) {
        texts.shortDayNames[i] = Item(ABDAY_1 + i, locale);
        texts.longDayNames[i] = Item(DAY_1 + i, locale);
    }
    return texts;
}

}  // namespace

// The user's locale is read through a locale object of its own, so the process-wide
// locale (number parsing and printing included) stays as it is.
LocaleDateSettings LoadLocaleDateSettings() {
    const locale_t user = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr)) return LocaleDateSettings();
    const LocaleDateSettings settings = MapLocaleTexts(ReadLocaleTexts(user));
    freelocale(user);
    return settings;
}

}  // namespace zarvik3
