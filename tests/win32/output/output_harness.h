#pragma once

#include <string>
#include <vector>

#include "fakes/fake_registry.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_ui_services.h"
#include "output/control_strings.h"
#include "output/job_list.h"
#include "output/message_sink.h"
#include "output/output_services.h"
#include "platform/msg.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_monotonic_clock.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_spooler.h"

namespace morvane::testing {

// The real file system and spooler; the boxes are recorded and answered at
// once, so that no box waits for a user.
struct RealOutputServices {
  platform::win32::Win32FileSystem files;
  platform::win32::Win32Spooler spooler;
  platform::win32::Win32Network network;
  fakes::FakeRegistry registry;
  fakes::FakeSystemInfo system;
  fakes::FakeScreenCursor cursor;
  fakes::FakeMessagePump pump;
  platform::win32::Win32MonotonicClock clock;
  fakes::FakeMessageBoxes boxes{&cursor};
  platform::Msg msg{boxes, [] { return base::WindowHandle{0}; }};
  output::MessageSink messages{msg, cursor};
  output::OutputServices services{files, spooler, network, registry, system, pump, clock, messages};
};

// How the list's copies are counted, as the two check boxes choose it.
enum class CopyMode { Sets, Uniform, PerFile };

struct ListedFile {
  std::string path;
  std::string countText = "1";
};

// A job list as the main window's grid holds it: the header row, the files
// and the trailing empty row; the files' existence is asked of the real file
// system.
class FileList final : public output::JobListSource {
 public:
  FileList(platform::FileSystem& files, std::vector<ListedFile> rows, CopyMode mode, int count);

  int RowCount() const override;
  std::string Path(int row) const override;
  std::string CountText(int row) const override;
  bool SetsChecked() const override;
  bool PerFileChecked() const override;
  int ReadCount() const override;
  bool FileExists(const std::string& path) override;

 private:
  platform::FileSystem& files_;
  std::vector<ListedFile> rows_;
  CopyMode mode_;
  int count_;
};

// A folder of its own under C:\ for one test's files, removed with its files
// at the end; its name is unique to the run.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& stem);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Writes a file of that name in the folder and returns its full name.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

// Bytes of every value, with those a careless copy changes (0, CR, LF,
// Ctrl+Z) among them; seed makes the files of a test differ.
std::string SampleBytes(std::size_t size, int seed);

}  // namespace morvane::testing
