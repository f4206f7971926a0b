#pragma once

#include <cstdint>
#include <string>

#include "text/date_time.h"

namespace zarvik3 {

// Fields first .. first + count - 1 of text divided by separator, joined by the separator;
// a trailing separator is dropped once.
std::string ExtractFields(const std::string& text, const std::string& separator, std::int32_t count,
                          std::int32_t first);

void EnsureTrailingBackslash(std::string& path);

// English weekday name, whatever the locale.
std::string WeekdayName(TDateTime date);

// Characters first .. first + count - 1 (positions from 1), never ending inside a
// multi-byte UTF-8 sequence: a sequence the cut would split is left out whole.
std::string CopyChars(const std::string& text, std::int64_t first, std::int64_t count);

// Removes every leading and trailing character whose code is below 33.
std::string TrimControls(const std::string& text);

// Decimal integer with optional leading blanks and sign, nothing after the digits.
// Throws EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);

}  // namespace zarvik3
