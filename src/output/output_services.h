#pragma once

#include "app/msg.h"
#include "platform/file_system.h"
#include "platform/message_pump.h"
#include "platform/screen_cursor.h"
#include "platform/spooler.h"

namespace morvane::output {

// What sending a copy needs of the rest of the program.
struct OutputServices {
  platform::FileSystem& files;
  platform::Spooler& spooler;
  platform::ScreenCursor& cursor;
  platform::MessagePump& pump;
  app::Msg& msg;
};

// The texts and the caption of every output warning.
inline constexpr char kOutputCaption[] = "Bestand uitvoer";
inline constexpr char kSourceOpenFailed[] = "Fout bij openen bronbestand!";
inline constexpr char kOutputOpenFailed[] = "Fout bij openen uitvoer!";
inline constexpr char kProcessingFailed[] = "Fout bij verwerken van uitvoer!";
inline constexpr char kPrinterOpenErrorPrefix[] = "error ";

// Source files are only ever read; others may read and write them meanwhile,
// so that read-only and shared files can be sent. A source is a file on disk:
// a device named as a source would send nothing or wait forever.
inline constexpr platform::FileOpenMode kSourceOpenMode{
    .access = platform::FileAccess::Read,
    .share = platform::ShareRead | platform::ShareWrite,
    .disposition = platform::FileDisposition::OpenExisting,
    .diskFileOnly = true};

}  // namespace morvane::output
