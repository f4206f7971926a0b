// The last-copy picker: a whole date-time value of which only the date is shown and set.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/qt/date_display_format.h"
#include "ui/qt/date_time_picker.h"
#include "window_fixture.h"

namespace zarvik3 {
namespace {

constexpr double kInitial = 0.5508206712984247;

LocaleDateSettings WithPattern(const std::string& pattern, char separator) {
    LocaleDateSettings locale;
    locale.shortDatePattern = pattern;
    locale.dateSeparator = separator;
    return locale;
}

TEST(QtShortDateFormat, FieldsSeparatorsAndLiterals) {
    EXPECT_EQ(QtShortDateFormat(WithPattern("m/d/yy", '/')), "M'/'d'/'yy");
    EXPECT_EQ(QtShortDateFormat(WithPattern("dd/mm/yyyy", '.')), "dd'.'MM'.'yyyy");
    EXPECT_EQ(QtShortDateFormat(WithPattern("yyyy-MM-dd", '/')), "yyyy'-'MM'-'dd");
    EXPECT_EQ(QtShortDateFormat(WithPattern("d 'de' mmmm", '/')), "d' de 'MMMM");
    EXPECT_EQ(QtShortDateFormat(WithPattern("dd'.'mm", '/')), "dd'.'MM");
}

TEST(DateTimePicker, NewDateKeepsTheTimeOfDay) {
    DateTimePicker picker{LocaleDateSettings{}};
    picker.SetDateTime(kInitial);
    EXPECT_EQ(picker.date(), QDate(1899, 12, 30));
    picker.SetDatePart(45000.25);  // 15 Mar 2023 06:00
    EXPECT_EQ(picker.date(), QDate(2023, 3, 15));
    EXPECT_NEAR(picker.DateTime(), 45000 + kInitial, 1e-8);
}

TEST(DateTimePicker, OnlyTheUsersChangesAreAnnounced) {
    DateTimePicker picker{LocaleDateSettings{}};
    QSignalSpy changes(&picker, &DateTimePicker::userDateChanged);
    picker.SetDateTime(kInitial);
    picker.SetDatePart(45000);
    EXPECT_EQ(changes.count(), 0);
    picker.setFocus();
    QTest::keyClick(&picker, Qt::Key_Up);  // the month section: one month on
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(picker.date(), QDate(2023, 4, 15));
    EXPECT_NEAR(picker.DateTime(), 45031 + kInitial, 1e-8);
}

TEST(DateTimePicker, ValueBeyondTheEditorsRangeIsKept) {
    DateTimePicker picker{LocaleDateSettings{}};
    picker.SetDateTime(-657434.5);  // 1 Jan 0100 is the editor's first day; this lies before
    EXPECT_DOUBLE_EQ(picker.DateTime(), -657434.5);
}

using LastCopyDisplay = test::WindowTest;

TEST_F(LastCopyDisplay, UsersDateChangeNamesItsWeekday) {
    auto* picker = Child<DateTimePicker>("DTPicker1");
    picker->setEnabled(true);
    auto* time = Label("lbTime");
    const QString timeText = time->text();
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);  // 31 Dec 1899, a Sunday
    EXPECT_EQ(picker->date(), QDate(1899, 12, 31));
    EXPECT_EQ(LabelText("lbWeekday"), "Sunday");
    EXPECT_FALSE(Label("lbWeekday")->isVisible());
    EXPECT_EQ(time->text(), timeText);
    EXPECT_NEAR(picker->DateTime(), 1 + kInitial, 1e-8);
}

}  // namespace
}  // namespace zarvik3
