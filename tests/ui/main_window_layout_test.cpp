// The window as it opens: caption, size, controls, menu, keyboard order.
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>

#include "ui/qt/date_time_picker.h"
#include "window_fixture.h"

namespace zarvik3::test {
namespace {

using MainWindowLayout = WindowTest;

TEST_F(MainWindowLayout, FixedWindowWithoutMaximiseButton) {
    EXPECT_EQ(form->objectName(), "PlimoForm");
    EXPECT_EQ(form->windowTitle(), "Zarvik3 File Copy");
    EXPECT_EQ(form->centralWidget()->size(), QSize(490, 292));
    EXPECT_EQ(form->height(), 292 + form->menuBar()->height());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowLayout, ControlsStandAtTheirDesignedPlaces) {
    EXPECT_EQ(Child<QComboBox>("FromBox")->geometry(), QRect(80, 0, 295, 21));
    EXPECT_EQ(Child<QComboBox>("ToFolder")->geometry(), QRect(80, 28, 295, 21));
    EXPECT_EQ(Child<QPushButton>("btPath2")->geometry(), QRect(379, 28, 25, 21));
    EXPECT_EQ(Child<QPushButton>("btCopy")->geometry(), QRect(416, 44, 73, 54));
    EXPECT_EQ(Child<QLineEdit>("edPrev")->geometry(), QRect(339, 54, 65, 21));
    EXPECT_EQ(Child<QListView>("ListBox1")->geometry(), QRect(0, 104, 490, 161));
    EXPECT_EQ(Label("lblNumberFound")->pos(), QPoint(5, 278));
    EXPECT_EQ(Label("Label7")->pos(), QPoint(416, 278));
}

TEST_F(MainWindowLayout, CaptionsFitTheirDesignedBoxes) {
    // A caption wider than its box would run under the control beside it.
    EXPECT_LE(Label("Label1")->x() + Label("Label1")->width(), 80);
    EXPECT_LE(Label("Label6")->x() + Label("Label6")->width(), 80);
    auto* sub = Child<QCheckBox>("SubBox");
    EXPECT_LE(sub->sizeHint().width(), sub->width());
    // Every menu command is reachable on the bar itself, none in an overflow.
    QMenuBar* bar = form->menuBar();
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        EXPECT_FALSE(place.isEmpty()) << action->text().toStdString();
        EXPECT_LE(place.right(), bar->width()) << action->text().toStdString();
    }
}

TEST_F(MainWindowLayout, InitialContent) {
    EXPECT_EQ(Child<QComboBox>("FromBox")->currentText(), "");
    EXPECT_EQ(Child<QComboBox>("FromBox")->count(), 0);
    EXPECT_EQ(Child<QLineEdit>("edFile")->text(), "*.*");
    EXPECT_EQ(Child<QLineEdit>("edPrev")->text(), ".~|.bak");
    EXPECT_TRUE(Child<QCheckBox>("SubBox")->isChecked());
    EXPECT_EQ(Child<QCheckBox>("SubBox")->text(), "Include Subfolders");
    EXPECT_EQ(LabelText("Label1"), "From Directory");
    EXPECT_EQ(LabelText("Label5"), "Prev. Strings");
    EXPECT_EQ(LabelText("lblNumberFound"), "Files copied...");
    for (const char* hidden : {"lblNumberFound", "Label7", "lbWeekday", "lbTime"}) {
        EXPECT_FALSE(Label(hidden)->isVisible()) << hidden;
    }
    auto* picker = Child<DateTimePicker>("DTPicker1");
    EXPECT_FALSE(picker->isEnabled());
    EXPECT_DOUBLE_EQ(picker->DateTime(), 0.5508206712984247);
    EXPECT_EQ(picker->date(), QDate(1899, 12, 30));
    auto* copy = Child<QPushButton>("btCopy");
    EXPECT_EQ(copy->text(), "&Copy");
    EXPECT_TRUE(copy->font().bold());
    EXPECT_EQ(copy->iconSize(), QSize(20, 20));
    EXPECT_FALSE(copy->icon().pixmap(20, 20).isNull());
}

TEST_F(MainWindowLayout, HintsOnHover) {
    EXPECT_EQ(Child<QComboBox>("FromBox")->toolTip(), "Exact path of the files to be backed up");
    EXPECT_EQ(Child<QComboBox>("ToFolder")->toolTip(),
              "Drive or folder where the FromDirectory path is added");
    EXPECT_EQ(Child<QLineEdit>("edPrev")->toolTip(),
              "Files not to be backed up. Max 2 strings separated with a pipe.");
}

TEST_F(MainWindowLayout, MenuBarHoldsSevenCommandsInOrder) {
    const QList<QAction*> actions = form->menuBar()->actions();
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"File1", "&Exit"},
        {"Clear1", "&Clear"},
        {"Abort1", "Ca&ncel"},
        {"Delete1", "&Delete 'FromDirectory'"},
        {"Delete2", "Delete '&ToDirectory'"},
        {"SamePath1", "&Same Path"},
        {"About1", "&About"}};
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), expected[i].first);
        EXPECT_EQ(actions[i]->text(), expected[i].second);
        EXPECT_EQ(actions[i]->menu(), nullptr);
        EXPECT_TRUE(actions[i]->isEnabled());
    }
}

TEST_F(MainWindowLayout, FolderBoxesNeitherCompleteNorCollectTypedTexts) {
    auto* to = Child<QComboBox>("ToFolder");
    EXPECT_EQ(to->maxVisibleItems(), 12);
    for (const char* name : {"FromBox", "ToFolder"}) {
        auto* box = Child<QComboBox>(name);
        box->addItem("D:\\alpha\\");
        EXPECT_EQ(box->completer(), nullptr) << name;
        Type(name, "D:\\al");
        EXPECT_EQ(box->currentText(), "D:\\al") << name;
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box->count(), 1) << name;
        EXPECT_EQ(box->currentText(), "D:\\al") << name;
    }
}

TEST_F(MainWindowLayout, TabWalksTheDesignedOrder) {
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const char* order[] = {"SubBox", "edFile", "ListBox1", "FromBox", "edPrev",
                           "btCopy", "btPath", "btPath2",  "ToFolder"};
    Child<QWidget>(order[0])->setFocus();
    for (const char* name : order) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QWidget* control = Child<QWidget>(name);
        EXPECT_TRUE(focused == control || focused->focusProxy() == control ||
                    control->focusProxy() == focused)
            << "expected " << name << ", got " << focused->objectName().toStdString();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

TEST_F(MainWindowLayout, ProgramFolderBecomesExeDir) {
    // The window's program folder is D:\program, a folder of the temporary drive.
    EXPECT_EQ(values.ExeDir, "D:\\program\\");
    EXPECT_TRUE(messages.errors.empty());
}

}  // namespace
}  // namespace zarvik3::test
