// Widgets need one application object for the whole test program.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/test_environment.h"

int main(int argc, char** argv) {
    zarvik3::testing::UseTestEnvironment();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
