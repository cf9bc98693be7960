// Keeping libwayland's last message.
#include "wayland/WaylandLog.h"

#include <wayland-client.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// libwayland's log handler takes no user data, so its last line is kept in
// this one static place.
char* Line()
{
    static char line[256];
    return line;
}

void Keep(const char* format, va_list arguments)
{
    std::vsnprintf(Line(), 256, format, arguments);
    if (char* end = std::strchr(Line(), '\n')) *end = '\0';
}

}  // namespace

void KeepWaylandLog() { wl_log_set_handler_client(Keep); }

std::string LastWaylandLog() { return Line(); }
