#include "ui/qt/date_time_picker.h"

#include <QString>

#include "ui/qt/date_display_format.h"

namespace zarvik3 {

namespace {

QDate ToQDate(TDateTime value) {
    const DateTimeParts parts = DecodeDateTime(value);
    return QDate(parts.year, parts.month, parts.day);
}

}  // namespace

DateTimePicker::DateTimePicker(const LocaleDateSettings& locale, QWidget* parent)
    : QDateEdit(parent) {
    setCalendarPopup(true);
    // The earliest date Qt's editor accepts; the value itself may lie outside the range.
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    setDisplayFormat(QString::fromStdString(QtShortDateFormat(locale)));
    connect(this, &QDateEdit::dateChanged, this, &DateTimePicker::OnDateChanged);
}

void DateTimePicker::SetDateTime(TDateTime value) {
    value_ = value;
    settingByProgram_ = true;
    setDate(ToQDate(value));
    settingByProgram_ = false;
}

void DateTimePicker::SetDatePart(TDateTime date) {
    const DateTimeParts parts = DecodeDateTime(date);
    SetDateTime(WithDate(value_, parts.year, parts.month, parts.day));
}

void DateTimePicker::OnDateChanged(const QDate& date) {
    if (settingByProgram_ || !date.isValid()) return;
    value_ = WithDate(value_, date.year(), date.month(), date.day());
    emit userDateChanged();
}

}  // namespace zarvik3
