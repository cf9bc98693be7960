// Loading an optional system library by its full path in the system
// directory, never through the search path: a DLL of the same name planted
// beside the saver (savers are often run from a Downloads folder) must
// never be loaded.
#pragma once

#include <windows.h>

// The library, or none when it is not in the system directory.
HMODULE LoadSystemLibrary(const char* fileName);

// An entry point of a loaded library as the function type it has, or none.
template <typename Function>
Function LookUpEntry(HMODULE library, const char* name)
{
    // void (*)() is the one function type any other may be cast through.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}
