// The handler of an event the client has no use for. libwayland calls every
// slot of a listener, so none may be left null; this one converts to any
// slot's function pointer: `.description = ignored`.
#pragma once

inline constexpr auto ignored = [](auto...) {};
