#pragma once
// Conversion between the program's ANSI byte strings (Windows-1252) and UTF-8, the encoding of the
// user interface and of the host's file names. A character the code page cannot hold is refused, never
// replaced.

#include <optional>
#include <string>
#include <string_view>

namespace tv {

// UTF-8 to Windows-1252; nullopt when the text is not valid UTF-8 or holds a character that has no
// Windows-1252 byte.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control characters of the same number, so every byte string survives a round trip.
std::string AnsiToUtf8(std::string_view ansi);

// The first character of utf8 that Utf8ToAnsi refuses, as UTF-8 (empty when there is none); for
// messages that say which character was refused.
std::string FirstUnencodable(std::string_view utf8);

// Project values are ANSI; the host names its files in UTF-8 on POSIX systems and in the ANSI code
// page on Windows. A project value that names a host file goes through AnsiToHost; a host text (a
// path, a file name) that goes into the project or the engine's files goes through HostToAnsi,
// which gives nullopt when the code page cannot hold one of its characters.
std::string AnsiToHost(const std::string& ansi);
std::optional<std::string> HostToAnsi(const std::string& host);

// Messages (to the window, the console, in exceptions) are UTF-8 from end to end. A project value
// goes into one through AnsiToUtf8, a host text (a path, a system's reason) through HostToUtf8.
std::string HostToUtf8(const std::string& host);

} // namespace tv
