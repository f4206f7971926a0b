// The window keeps its state in the settings file: what a close saves, the next start
// shows; the folder histories follow every run that copied data.
#include <sys/wait.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <cstdlib>

#include "window_fixture.h"

namespace zarvik3::test {
namespace {

class WindowSettings : public WindowTest {
  protected:
    void Reopen() {
        ASSERT_TRUE(form->close());
        form.reset();
        OpenWindow();
    }
    std::string Settings() { return tree.Read("program/settings.ini"); }
    QComboBox* Box(const char* name) { return Child<QComboBox>(name); }
    std::string Text(const char* box) { return Box(box)->currentText().toStdString(); }
    bool Chattr(const char* flag) {
        const std::string command =
            std::string("chattr ") + flag + " '" + tree.Path("program").string() + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
};

TEST_F(WindowSettings, AFailedSaveAsksAndOnlyYesClosesWithoutSaving) {
    if (!Chattr("+i")) GTEST_SKIP() << "chattr +i is not available here";
    messages.answer = false;
    const bool keptOpen = !form->close();
    messages.answer = true;
    const bool closedOnYes = form->close();
    Chattr("-i");
    EXPECT_TRUE(keptOpen);
    EXPECT_TRUE(closedOnYes);
    ASSERT_EQ(messages.questions.size(), 2u);
    const std::string native = tree.Path("program/settings.ini").string();
    EXPECT_TRUE(StartsWith(messages.questions[0], "Unable to write to " + native + ": "));
    EXPECT_NE(messages.questions[0].find("Close without saving"), std::string::npos);
    EXPECT_FALSE(tree.Exists("program/settings.ini"));
}

TEST_F(WindowSettings, ALineBreakIsRefusedWhereItIsTyped) {
    Type("ToFolder", "D:\\dst");
    Box("ToFolder")->lineEdit()->insert("\nD:\\other");
    EXPECT_EQ(Text("ToFolder"), "D:\\dst");
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"To Directory cannot hold a line break."});
    EXPECT_TRUE(form->close());
}

// Installed where the user may not write: the settings go to the per-user file.
class ReadOnlyProgramFolder : public WindowSettings {
  protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", tree.Path("config").c_str(), 1);
        tree.MakeFolder("program");
        locked = Chattr("+i");
        if (locked) OpenWindow();
    }
    void TearDown() override {
        form.reset();
        if (locked) Chattr("-i");
        unsetenv("XDG_CONFIG_HOME");
    }
    bool locked = false;
};

TEST_F(ReadOnlyProgramFolder, SettingsLandInThePerUserFileAndComeBack) {
    if (!locked) GTEST_SKIP() << "chattr +i is not available here";
    EXPECT_FALSE(tree.Exists("config/zarvik3")) << "made only by the first save";
    Child<QLineEdit>("edFile")->setText("*.odt");
    Reopen();
    EXPECT_EQ(Child<QLineEdit>("edFile")->text(), "*.odt");
    EXPECT_NE(tree.Read("config/zarvik3/settings.ini").find("File=*.odt"), std::string::npos);
    EXPECT_FALSE(tree.Exists("program/settings.ini"));
    EXPECT_TRUE(messages.questions.empty());
}

}  // namespace
}  // namespace zarvik3::test
