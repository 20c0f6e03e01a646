// The program entry on Windows: the real services, then the program body.
#include "app/program.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_file_version_info.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_help_control_library.h"
#include "platform/win32/win32_local_clock.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_monotonic_clock.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_open_file_dialog.h"
#include "platform/win32/win32_printer_setup.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_spooler.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_system_info.h"
#include "ui/win32/win32_message_pump.h"
#include "ui/win32/win32_screen_cursor.h"
#include "ui/win32/win32_window_system.h"

int main() {
  using namespace morvane;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32Spooler spooler;
  platform::win32::Win32Registry registry;
  platform::win32::Win32MessageBoxes boxes;
  ui::win32::Win32ScreenCursor cursor;
  ui::win32::Win32MessagePump pump;
  platform::win32::Win32PrinterSetup printerSetup;
  platform::win32::Win32SystemInfo system;
  platform::win32::Win32Shell shell;
  platform::win32::Win32OpenFileDialog openDialog;
  platform::win32::Win32MonotonicClock monotonicClock;
  platform::win32::Win32LocalClock clock;
  platform::win32::Win32Folders watchedFolders;
  // Declared before the program, so that every connection ends before it.
  platform::win32::Win32Network network;
  platform::Platform platform{files,          spooler,      registry,       boxes,  cursor,
                              pump,           printerSetup, system,         shell,  openDialog,
                              monotonicClock, clock,        watchedFolders, network};

  platform::win32::Win32HelpControlLibrary helpControl;
  platform::win32::Win32FileVersionInfo versions;
  platform::win32::Win32SystemFolders folders;
  platform::win32::Win32Desktop desktop;
  help::HelpPlatform help{helpControl, versions, folders, clock, desktop};

  ui::win32::Win32WindowSystem windows;
  app::Program program(platform, help, windows);
  return program.Run();
}
