#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/drive_map.h"
#include "platform/posix/posix_platform.h"
#include "support/recording_messages.h"
#include "support/temp_tree.h"
#include "text/locale_date_settings.h"
#include "ui/qt/plimo_form.h"

namespace zarvik3::test {

// The real services of this system, with drive D: at a fresh temporary folder.
inline Platform TempDrivePlatform(const TempTree& tree) {
    return CreatePosixPlatform(std::make_shared<const DriveMap>(
        std::map<char, std::string>{{'D', tree.Root().string()}}, std::vector<std::string>{}));
}

// The real main window on the offscreen platform, driven through its widgets.
class WindowTest : public ::testing::Test {
  protected:
    // Tests that change the platform do so before calling this.
    void OpenWindow() {
        tree.MakeFolder("program");
        form = std::make_unique<TPlimoForm>(platform, values, locale, messages,
                                            NativePath(tree.Path("program").string()));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void SetUp() override { OpenWindow(); }

    template <typename T>
    T* Child(const char* name) {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLabel* Label(const char* name) { return Child<QLabel>(name); }
    std::string LabelText(const char* name) { return Label(name)->text().toStdString(); }
    QAction* Command(const char* name) { return Child<QAction>(name); }

    void Type(const char* field, const std::string& text) {
        auto* box = Child<QComboBox>(field);
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), QString::fromStdString(text));
    }
    // Keyboard focus and shortcuts need the active window.
    void ActivateWindow() {
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void ClickCopy() { QTest::mouseClick(Child<QPushButton>("btCopy"), Qt::LeftButton); }

    std::vector<std::string> ListLines() {
        QAbstractItemModel* model = Child<QListView>("ListBox1")->model();
        std::vector<std::string> lines;
        for (int row = 0; row < model->rowCount(); ++row) {
            lines.push_back(model->index(row, 0).data().toString().toStdString());
        }
        return lines;
    }

    // Runs action from the event pumping of a walk, once it has listed minLines lines.
    void WhenListed(std::size_t minLines, std::function<void()> action) {
        auto* poll = new QTimer(form.get());
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, minLines, action] {
            if (form->Behaviour().Lines().Count() < minLines) return;
            poll->stop();
            poll->deleteLater();
            action();
        });
        poll->start();
    }

    // count files src\f00.txt ... in the source tree, plus one in a subfolder.
    void MakeSource(int count) {
        for (int i = 0; i < count; ++i) {
            tree.Write("src/f" + std::to_string(100 + i).substr(1) + ".txt", "data");
        }
        tree.Write("src/sub/deep.txt", std::string(2500, 'x'));
    }
    void FillFolders() {
        Type("FromBox", "D:\\src");
        Type("ToFolder", "D:\\dst");
    }

    TempTree tree;
    Platform platform = TempDrivePlatform(tree);
    ProcessValues values;
    LocaleDateSettings locale;
    RecordingMessages messages;
    std::unique_ptr<TPlimoForm> form;
};

}  // namespace zarvik3::test
