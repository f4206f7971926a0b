// The window under a real X display with a window manager, both started here.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/desktop_session.h"
#include "support/test_environment.h"

// Under X, Qt's platform theme talks to the session bus, whose client library keeps a buffer
// until exit; that is no leak of this program.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so";
}

int main(int argc, char** argv) {
    zarvik3::testing::UseTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    zarvik3::test::DesktopSession desktop;
    // Listing the tests needs no display.
    std::string problem = GTEST_FLAG_GET(list_tests) ? "only listing" : desktop.Start();
    QApplication application(argc, argv);
    if (problem.empty()) problem = zarvik3::test::WaitForWindowManager();
    if (!problem.empty())
        application.setProperty(zarvik3::test::kNoDesktop, QString::fromStdString(problem));
    return RUN_ALL_TESTS();
}
