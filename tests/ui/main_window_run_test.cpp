// Copy runs driven through the window, with the commands a user may choose meanwhile.
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>

#include "window_fixture.h"

namespace zarvik3::test {
namespace {

using MainWindowRun = WindowTest;

TEST_F(MainWindowRun, ClosingDuringARunCancelsAndClosesAfterwards) {
    MakeSource(30);
    FillFolders();
    bool closedAtOnce = true;
    WhenListed(2, [&] { closedAtOnce = form->close(); });
    ClickCopy();
    EXPECT_FALSE(closedAtOnce);
    EXPECT_FALSE(form->isVisible());
    EXPECT_LT(ListLines().size(), 31u);
    EXPECT_TRUE(StartsWith(LabelText("lblNumberFound"), std::to_string(ListLines().size())));
}

TEST_F(MainWindowRun, PickingAFromEntryEmptiesTheList) {
    MakeSource(2);
    FillFolders();
    ClickCopy();
    auto* from = Child<QComboBox>("FromBox");
    from->clear();  // the run has recorded D:\src\ already
    from->addItems({"D:\\src\\", "D:\\other\\"});
    from->setCurrentIndex(0);
    ASSERT_FALSE(ListLines().empty());
    QTest::keyClick(from->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(from->currentText(), "D:\\other\\");
    EXPECT_TRUE(ListLines().empty());
}

TEST_F(MainWindowRun, PickingTheSameEntryAgainEmptiesTheListAgain) {
    MakeSource(2);
    auto* from = Child<QComboBox>("FromBox");
    from->addItems({"D:\\other\\", "D:\\src\\"});
    from->setCurrentIndex(1);
    Type("ToFolder", "D:\\dst");
    ClickCopy();
    ASSERT_EQ(ListLines().size(), 3u);
    from->showPopup();
    QAbstractItemView* popup = from->view();
    const QRect entry = popup->visualRect(popup->model()->index(1, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(from->currentText(), "D:\\src\\");
    EXPECT_TRUE(ListLines().empty());
}

// Leaving the field is no pick, even when its text equals a list entry.
TEST_F(MainWindowRun, LeavingTheUnchangedFromFieldKeepsTheResult) {
    MakeSource(2);
    FillFolders();
    ClickCopy();
    auto* from = Child<QComboBox>("FromBox");
    ASSERT_NE(from->findText(from->currentText()), -1);  // the run recorded it
    ActivateWindow();
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Enter}) {
        from->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(ListLines().size(), 3u) << key;
        EXPECT_TRUE(Label("lblNumberFound")->isVisible()) << key;
        EXPECT_TRUE(Label("Label7")->isVisible()) << key;
    }
    from->setFocus();
    Child<QLineEdit>("edFile")->setFocus();
    EXPECT_EQ(ListLines().size(), 3u);
}

// The Copy button and "&Clear" share their mnemonic: every press copies, none clears.
TEST_F(MainWindowRun, CopyMnemonicRunsTheCopyAtEveryPress) {
    MakeSource(1);
    FillFolders();
    ClickCopy();
    ActivateWindow();
    const QKeySequence mnemonic = QKeySequence::mnemonic(Child<QPushButton>("btCopy")->text());
    for (int press = 0; press < 3; ++press) {
        const std::string name = "new" + std::to_string(press) + ".txt";
        tree.Write("src/" + name, "data");
        QTest::keySequence(QApplication::focusWidget(), mnemonic);
        const auto copied = [&] {
            const std::vector<std::string> lines = ListLines();
            return lines.size() == 1 && StartsWith(lines[0], "D:\\dst\\" + name);
        };
        ASSERT_TRUE(QTest::qWaitFor(copied, 5000)) << press;
    }
    EXPECT_TRUE(Label("lblNumberFound")->isVisible());
}

// A tap of Alt enters the menu bar; the arrow keys walk it and Enter runs the command.
TEST_F(MainWindowRun, ClearIsReachedThroughTheMenuBar) {
    MakeSource(1);
    FillFolders();
    ClickCopy();
    ASSERT_FALSE(ListLines().empty());
    ActivateWindow();
    auto* mask = Child<QLineEdit>("edFile");
    mask->setFocus();
    QTest::keyPress(mask, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(mask, Qt::Key_Alt);
    const int clear = static_cast<int>(form->menuBar()->actions().indexOf(Command("Clear1")));
    for (int i = 0; i < clear; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(ListLines().empty());
    EXPECT_FALSE(Label("lblNumberFound")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), mask);
}

TEST_F(MainWindowRun, EnterPressesTheFocusedButton) {
    ActivateWindow();
    auto* copy = Child<QPushButton>("btCopy");
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Enter);
    EXPECT_EQ(messages.messages.size(), 1u);  // the run found no folders set
}

TEST_F(MainWindowRun, ExitClosesTheWindow) {
    Command("File1")->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowRun, AboutShowsTheSameWindowEachTime) {
    Command("About1")->trigger();
    Command("About1")->trigger();
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "AboutBoxer" && window->isVisible()) ++shown;
    }
    EXPECT_EQ(shown, 1);
}

TEST_F(MainWindowRun, NewestLineIsInView) {
    MakeSource(40);
    FillFolders();
    ClickCopy();
    auto* list = Child<QListView>("ListBox1");
    const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(last)));
}

}  // namespace
}  // namespace zarvik3::test
