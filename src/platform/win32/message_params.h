#pragma once

#include <windows.h>

namespace morvane::platform::win32 {

// A message parameter that points at data, packed by the sender and unpacked
// by the window that gets it: the one place where a pointer travels as a
// number.
template <typename Data>
LPARAM PointerParam(Data* data) {
  return reinterpret_cast<LPARAM>(data);
}
template <typename Data>
Data& ParamData(LPARAM lParam) {
  return *reinterpret_cast<Data*>(lParam);
}

}  // namespace morvane::platform::win32
