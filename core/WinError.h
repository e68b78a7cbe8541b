#pragma once
// Windows only: the system's wording of an error code, shared by the file and process layers.

#include <string>

namespace tv {

// The message of a Windows error code (GetLastError) in UTF-8, without its line break and final full
// stop; "error <code>" when the system has no text for it. DWORD is unsigned long.
std::string WinErrorText(unsigned long code);

} // namespace tv
