#include "core/WinError.h"

#include "core/TextCodec.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tv {

std::string WinErrorText(unsigned long code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = text ? text : "error " + std::to_string(code);
    if (text)
        LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == '.'))
        result.pop_back();
    return AnsiToUtf8(result); // messages are UTF-8
}

} // namespace tv
