// The Wine tests' entry. Run with --screensaver-running it only reports,
// as its exit code, whether the system counts a screen saver as running.
#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "tests/windows/Harness.h"

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], screensaverRunningQuery) == 0) {
        BOOL running = FALSE;
        SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
        return running ? 1 : 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
