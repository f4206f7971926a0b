#include <windows.h>

#include "platform/locale_items.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_locale_mapping.h"

namespace zarvik3 {

namespace {

// Empty when the item cannot be read, so that it keeps its fallback.
std::string Item(LCTYPE type) {
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (size <= 1) return {};
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    const int got = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), size);
    if (got <= 1) return {};
    text.resize(static_cast<std::size_t>(got - 1));
    return Narrow(text);
}

void ReadNames(Win32LocaleTexts& texts) {
    for (LCTYPE i = 0; i < 12; ++i) {
        texts.shortMonthNames[i] = Item(LOCALE_SABBREVMONTHNAME1 + i);
        texts.longMonthNames[i] = Item(LOCALE_SMONTHNAME1 + i);
    }
    // The system counts the week from Monday; the settings from Sunday.
    for (LCTYPE i = 0; i < 7; ++i) {
        texts.shortDayNames[(i + 1) % 7] = Item(LOCALE_SABBREVDAYNAME1 + i);
        texts.longDayNames[(i + 1) % 7] = Item(LOCALE_SDAYNAME1 + i);
    }
}

}  // namespace

LocaleDateSettings LoadLocaleDateSettings() {
    Win32LocaleTexts texts;
    texts.shortDate = Item(LOCALE_SSHORTDATE);
    texts.dateSeparator = Item(LOCALE_SDATE);
    texts.timeFormat = Item(LOCALE_STIMEFORMAT);
    texts.timeSeparator = Item(LOCALE_STIME);
    texts.amText = Item(LOCALE_S1159);
    texts.pmText = Item(LOCALE_S2359);
    texts.decimal = Item(LOCALE_SDECIMAL);
    ReadNames(texts);
    return MapWin32LocaleTexts(texts);
}

}  // namespace zarvik3
