#include "platform/win32/device_names.h"

#include "platform/win32/long_path.h"
#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

// The system resolves a device name to its place in the device namespace.
constexpr wchar_t kDeviceNamespace[] = L"\\\\.\\";

}  // namespace

bool NamesDevice(const std::string& path) {
  return FullPath(WideFromName(path)).rfind(kDeviceNamespace, 0) == 0;
}

}  // namespace morvane::platform::win32
