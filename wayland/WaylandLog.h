// libwayland's own messages (a protocol error's words, why it could not
// connect): kept instead of printed, so that the program says each problem
// in one line of its own that includes them.
#pragma once

#include <string>

// From now on libwayland's messages are kept, the last one only.
void KeepWaylandLog();

// The last message kept, without its line end; empty when there was none.
std::string LastWaylandLog();
