#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    UiToolkit toolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
