// Entry point of headless tests: each program runs in its own sealed room.

#include "testenv.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testenv::SealedRoom room;
    if (!room.ok())
        return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
