// Waiting on the compositor's connection and on the signals that end the
// program, together: poll() on both with the point clock's timeout, so the
// program sleeps until points are due, an event comes or a signal arrives.
#pragma once

#include <wayland-client.h>

#include <string>

enum class WaitResult {
    Events,  // events (or none, at the timeout) were dispatched
    Signal,  // SIGTERM or SIGINT came
    Lost,    // the connection failed: LostReason says why
};

class DisplayWait {
public:
    // `signals` is a signalfd for the ending signals.
    DisplayWait(wl_display* display, int signals);

    // Sends the requests made, waits up to `timeout` milliseconds (-1: no
    // limit) for events or a signal and dispatches the events that came.
    WaitResult Once(int timeout);
    // Waits until the compositor has handled every request sent so far and
    // its answers are dispatched.
    WaitResult Roundtrip();
    // One line: why the connection was lost.
    std::string LostReason() const;

private:
    wl_display* display_;
    int signals_;
    int lostErrno_ = 0;  // why sending failed: libwayland keeps no error of its own for a broken pipe
};
