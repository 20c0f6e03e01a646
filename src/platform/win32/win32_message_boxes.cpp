#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32/wide_names.h"
#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {
namespace {

std::string_view TextOf(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}

}  // namespace

int Win32MessageBoxes::Show(base::WindowHandle owner, const char* text, const char* caption,
                            std::uint32_t style) {
  // A text that names a file or printer shows it as it is.
  return MessageBoxW(WindowOf(owner), WideFromName(TextOf(text)).c_str(),
                     caption ? WideFromName(caption).c_str() : nullptr, style);
}

}  // namespace morvane::platform::win32
