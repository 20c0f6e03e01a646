#pragma once

#include "platform/file_system.h"
#include "platform/folders.h"
#include "platform/local_clock.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/monotonic_clock.h"
#include "platform/network.h"
#include "platform/open_file_dialog.h"
#include "platform/printer_setup.h"
#include "platform/registry.h"
#include "platform/screen_cursor.h"
#include "platform/shell.h"
#include "platform/spooler.h"
#include "platform/system_info.h"

namespace morvane::platform {

// Everything the program asks of the operating system. The Windows build fills
// it with the real services; tests fill it with fakes.
struct Platform {
  FileSystem& files;
  Spooler& spooler;
  Registry& registry;
  MessageBoxes& boxes;
  ScreenCursor& cursor;
  MessagePump& pump;
  PrinterSetup& printerSetup;
  SystemInfo& system;
  Shell& shell;
  OpenFileDialog& openDialog;
  MonotonicClock& clock;
  LocalClock& localClock;
  Folders& folders;
  Network& network;
};

}  // namespace morvane::platform
