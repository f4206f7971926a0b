#pragma once

#include <QDateEdit>

#include "text/date_time.h"
#include "text/locale_date_settings.h"

namespace zarvik3 {

// A drop-down date picker that holds a whole date-time value but shows only its date; a
// new date keeps the value's time of day.
class DateTimePicker : public QDateEdit {
    Q_OBJECT

  public:
    DateTimePicker(const LocaleDateSettings& locale, QWidget* parent = nullptr);

    TDateTime DateTime() const { return value_; }
    // Does not count as a change by the user.
    void SetDateTime(TDateTime value);
    // Replaces the date part, keeping the time of day.
    void SetDatePart(TDateTime date);

  signals:
    // Only for dates the user picked or typed.
    void userDateChanged();

  private:
    void OnDateChanged(const QDate& date);

    TDateTime value_ = 0;
    bool settingByProgram_ = false;
};

}  // namespace zarvik3
