// The Wayland client's wait on its connection, on a socket whose other end
// is gone before a request is sent: libwayland keeps no error for a broken
// pipe, so the reason given must come from the failed send.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "wayland/DisplayWait.h"

TEST(DisplayWait, ALostConnectionGivesTheSystemsReason)
{
    int ends[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
    close(ends[1]);
    wl_display* display = wl_display_connect_to_fd(ends[0]);
    ASSERT_NE(display, nullptr);
    DisplayWait wait(display, -1);
    wl_callback_destroy(wl_display_sync(display));
    EXPECT_EQ(wait.Once(0), WaitResult::Lost);
    EXPECT_EQ(wait.LostReason(), "the connection to the compositor was lost: Broken pipe");
    wl_display_disconnect(display);
}
