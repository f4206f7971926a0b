#include <gtest/gtest.h>

// The system's own locale and time zone are what these tests read, so none is forced.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
