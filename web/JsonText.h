// The JSON text that the page's panel description and the wallpaper hosts'
// files are written in: a quoted string and a setting's heading.
#pragma once

#include <string>

// A JSON string; the table's words are plain ASCII.
inline std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// A set's or a choice's heading: its usage words, capitalised.
inline std::string Heading(const char* help)
{
    std::string heading = help;
    if (!heading.empty() && heading[0] >= 'a' && heading[0] <= 'z') heading[0] = static_cast<char>(heading[0] - 'a' + 'A');
    return heading;
}
