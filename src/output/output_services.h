#pragma once

#include <cstdint>

#include "output/message_sink.h"
#include "output/run_stop.h"
#include "platform/file_system.h"
#include "platform/message_pump.h"
#include "platform/monotonic_clock.h"
#include "platform/network.h"
#include "platform/registry.h"
#include "platform/spooler.h"
#include "platform/system_info.h"

namespace morvane::output {

// Told, while a copy goes out, how much of its file has been sent.
class CopyProgress {
 public:
  virtual ~CopyProgress() = default;
  virtual void CopyAdvanced(std::uint64_t bytesSent, std::uint64_t fileSize) = 0;
};

// What sending a copy needs of the rest of the program. The run that sends
// the copy hands it the last three: where its failures are reported, who is
// told how far it has come, and the user's word to stop.
struct OutputServices {
  platform::FileSystem& files;
  platform::Spooler& spooler;
  // The way to printers named by their network address.
  platform::Network& network;
  // Where the last LPD job number is kept, and whom a print server is told
  // the job comes from.
  platform::Registry& registry;
  platform::SystemInfo& system;
  platform::MessagePump& pump;
  platform::MonotonicClock& clock;
  MessageSink& messages;
  // Null when nobody watches, as in the batch mode.
  CopyProgress* progress = nullptr;
  // Null when nobody can stop the copy.
  const RunStop* stop = nullptr;
};

// The texts and the caption of every output warning.
inline constexpr char kOutputCaption[] = "Bestand uitvoer";
inline constexpr char kSourceOpenFailed[] = "Fout bij openen bronbestand!";
inline constexpr char kOutputOpenFailed[] = "Fout bij openen uitvoer!";
inline constexpr char kProcessingFailed[] = "Fout bij verwerken van uitvoer!";
inline constexpr char kPrinterOpenErrorPrefix[] = "error ";
// A stopped copy's port did not end the write it was cancelled in.
inline constexpr char kDeviceAbandoned[] =
    "De poort rondde de afgebroken uitvoer niet af en is gesloten!";

// Source files are only ever read, and others may read them meanwhile, or
// rename them (a watched folder holds the file it sends so). A file
// that another program still has open for writing cannot be opened, so it is
// reported as not delivered rather than sent as far as it has come; the
// caller may send it again once it is complete. A source is a file on disk: a
// device named as a source would send nothing or wait forever.
inline constexpr platform::FileOpenMode kSourceOpenMode{
    .access = platform::FileAccess::Read,
    .share = platform::ShareRead | platform::ShareDelete,
    .disposition = platform::FileDisposition::OpenExisting,
    .diskFileOnly = true};

}  // namespace morvane::output
