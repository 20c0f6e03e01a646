#pragma once

#include <windows.h>

#include <shellapi.h>

#include "ui/form.h"

namespace morvane::ui::win32 {

// Reads the names and the point of a shell drop, then releases it: the drop
// handle is invalid afterwards.
DroppedFiles TakeDroppedFiles(HDROP drop);

}  // namespace morvane::ui::win32
