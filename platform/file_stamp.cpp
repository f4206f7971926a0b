#include "platform/file_stamp.h"

namespace zarvik3 {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 30 December 1899 (the date-time scale's zero) to 1 January 1970.
constexpr double kUnixEpochAsDateTime = 25569.0;

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    if (value % divisor != 0 && (value < 0) != (divisor < 0)) --quotient;
    return quotient;
}

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

// Proleptic Gregorian date of a day count since 1970-01-01.
CivilDate CivilFromDays(std::int64_t days) {
    const std::int64_t shifted = days + 719468;
    const std::int64_t era = FloorDiv(shifted, 146097);
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

}  // namespace

FileTime TruncatedTime(FileTime time, std::int64_t resolution) {
    if (resolution <= 1) return time;
    constexpr std::int64_t kPerSecond = 1000000000;
    if (resolution < kPerSecond) {
        time.nanoseconds -= time.nanoseconds % resolution;
        return time;
    }
    const std::int64_t seconds = resolution / kPerSecond;
    return {FloorDiv(time.seconds, seconds) * seconds, 0};
}

FileStamp StampFromLocalSeconds(std::int64_t localSeconds) {
    return FloorDiv(localSeconds, 2) * 2;
}

TDateTime StampToDateTime(FileStamp stamp) {
    return static_cast<double>(stamp) / kSecondsPerDay + kUnixEpochAsDateTime;
}

std::optional<std::uint32_t> StampToDosDateTime(FileStamp stamp) {
    const std::int64_t days = FloorDiv(stamp, kSecondsPerDay);
    const std::int64_t secondOfDay = stamp - days * kSecondsPerDay;
    const CivilDate date = CivilFromDays(days);
    if (date.year < 1980 || date.year > 2107) return std::nullopt;
    const auto hour = static_cast<std::uint32_t>(secondOfDay / 3600);
    const auto minute = static_cast<std::uint32_t>(secondOfDay / 60 % 60);
    const auto second = static_cast<std::uint32_t>(secondOfDay % 60);
    const auto packedDate =
        static_cast<std::uint32_t>(((date.year - 1980) << 9) | (date.month << 5) | date.day);
    const std::uint32_t packedTime = (hour << 11) | (minute << 5) | (second / 2);
    return (packedDate << 16) | packedTime;
}

}  // namespace zarvik3
