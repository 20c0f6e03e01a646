#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace morvane::ui::win32 {

// Every window of the program is a Unicode window: texts cross into it as
// UTF-16. The program's texts (UTF-8, names among them: base/name_text.h)
// pass WideText and come back through ProgramText, so every name shows as it
// is.
std::wstring WideText(std::string_view text);
std::string ProgramText(std::wstring_view wide);

// The control strings are bytes of the code page, and cross with
// platform::win32::WideFromCodePage and CodePageFromWide.

// The window's text as it holds it.
std::wstring WideWindowText(HWND window);
// The window's text in the program's form.
std::string WindowText(HWND window);
void PutWindowText(HWND window, std::string_view text);

}  // namespace morvane::ui::win32
