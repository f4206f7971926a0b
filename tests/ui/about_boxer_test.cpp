#include "ui/qt/about_boxer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <string>
#include <vector>

namespace zarvik3 {
namespace {

class RecordingLinks : public LinkOpener {
  public:
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

class AboutBoxerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(QApplication::instance(), nullptr)
            << "the ui tests' main must make a QApplication";
        about = new TAboutBoxer(links);
    }
    void TearDown() override { delete about; }

    template <typename T>
    T* Child(const char* name) {
        T* child = about->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    int VisibleAboutWindows() const {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "AboutBoxer" && window->isVisible()) ++count;
        }
        return count;
    }

    RecordingLinks links;
    TAboutBoxer* about = nullptr;
};

TEST_F(AboutBoxerTest, ShownTwiceIsStillOneWindow) {
    about->ShowAbout();
    about->ShowAbout();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(VisibleAboutWindows(), 1);
}

TEST_F(AboutBoxerTest, EnterOkAndTheCloseButtonHideButKeepTheWindow) {
    QPointer<TAboutBoxer> kept(about);
    about->ShowAbout();
    QTest::keyClick(about, Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());

    about->ShowAbout();
    QTest::mouseClick(Child<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());

    about->ShowAbout();
    about->close();
    QApplication::processEvents();
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(kept.isNull());
}

TEST_F(AboutBoxerTest, IsCentredOnTheScreenTheFirstTime) {
    about->ShowAbout();
    const QRect expected = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, about->size(),
                                               about->screen()->availableGeometry());
    EXPECT_EQ(about->pos(), expected.topLeft());
}

TEST_F(AboutBoxerTest, AMovedWindowReappearsWhereItWasLeft) {
    about->ShowAbout();
    const QPoint moved = about->pos() + QPoint(-61, 37);
    about->move(moved);
    QTest::mouseClick(Child<QPushButton>("OKButton"), Qt::LeftButton);
    about->ShowAbout();
    EXPECT_EQ(about->pos(), moved);
}

TEST_F(AboutBoxerTest, LinksAreTrimmedAndTheAddressGetsMailto) {
    about->ShowAbout();
    auto* email = Child<QLabel>("lbEmail");
    auto* url = Child<QLabel>("lbUrl");
    const std::string address = email->text().toStdString();
    const std::string web = url->text().toStdString();
    email->setText(" \t" + email->text() + "  ");
    url->setText("\n" + url->text() + " ");
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(url, Qt::LeftButton);
    ASSERT_EQ(links.opened.size(), 2u);
    EXPECT_EQ(links.opened[0], "mailto:" + address);
    EXPECT_EQ(links.opened[1], web);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutBoxerTest, ShowsTheProductTextsAndLinksUnderExampleOrg) {
    EXPECT_EQ(about->windowTitle(), "About");
    EXPECT_EQ(Child<QLabel>("ProductName")->text(), "Zarvik3");
    EXPECT_EQ(Child<QLabel>("lbVersion")->text(), "Version 1b ");
    EXPECT_EQ(Child<QLabel>("Label6")->text(), "2008");
    EXPECT_TRUE(Child<QLabel>("lbEmail")->text().endsWith("@example.org"));
    EXPECT_TRUE(Child<QLabel>("lbUrl")->text().startsWith("https://example.org/"));
    EXPECT_EQ(Child<QLabel>("lbEmail")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Child<QLabel>("lbUrl")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBoxerTest, HasAFixedClientAreaWithTheDefaultOkButtonBelowThePanel) {
    EXPECT_EQ(about->size(), QSize(297, 201));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    auto* ok = Child<QPushButton>("OKButton");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(111, 176, 75, 25));
    EXPECT_EQ(Child<QWidget>("Panel1")->geometry(), QRect(0, 0, 297, 169));
    EXPECT_EQ(ok->parentWidget(), about);
}

TEST_F(AboutBoxerTest, ShowsASixteenColourPictureStretchedIntoItsBox) {
    auto* icon = Child<QLabel>("ProgramIcon");
    EXPECT_EQ(icon->geometry(), QRect(16, 8, 89, 81));
    EXPECT_TRUE(icon->hasScaledContents());
    const QImage picture = icon->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(100, 100));
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
    }
    EXPECT_LE(colours.size(), 16);
}

}  // namespace
}  // namespace zarvik3
