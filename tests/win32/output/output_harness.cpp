#include "output_harness.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace morvane::testing {
namespace {

constexpr int kHeaderRows = 1;
constexpr int kTrailingRows = 1;
constexpr char kScratchRoot[] = "C:\\morvane-output-tests";

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

FileList::FileList(platform::FileSystem& files, std::vector<ListedFile> rows, CopyMode mode,
                   int count)
    : files_(files), rows_(std::move(rows)), mode_(mode), count_(count) {}

int FileList::RowCount() const {
  return kHeaderRows + static_cast<int>(rows_.size()) + kTrailingRows;
}

std::string FileList::Path(int row) const {
  const int index = row - kHeaderRows;
  return index >= 0 && index < static_cast<int>(rows_.size()) ? rows_[index].path : "";
}

std::string FileList::CountText(int row) const {
  const int index = row - kHeaderRows;
  return index >= 0 && index < static_cast<int>(rows_.size()) ? rows_[index].countText : "";
}

bool FileList::SetsChecked() const { return mode_ == CopyMode::Sets; }
bool FileList::PerFileChecked() const { return mode_ == CopyMode::PerFile; }
int FileList::ReadCount() const { return count_; }
bool FileList::FileExists(const std::string& path) { return files_.FileExists(path); }

ScratchFolder::ScratchFolder(const std::string& stem) {
  std::ostringstream name;
  name << kScratchRoot << '\\' << stem << '-' << GetCurrentProcessId() << '-' << GetTickCount();
  path_ = name.str();
  CreateDirectoryA(kScratchRoot, nullptr);
  EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_ << ": " << GetLastError();
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::Write(const std::string& name, const std::string& content) const {
  std::string path = path_ + '\\' + name;
  std::ofstream out(path, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  EXPECT_TRUE(out.good()) << "cannot write " << path;
  return path;
}

std::string SampleBytes(std::size_t size, int seed) {
  constexpr unsigned kStep = 131;
  constexpr unsigned kByteValues = 256;
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>((i * kStep + seed + i / kByteValues) % kByteValues);
  }
  return bytes;
}

}  // namespace morvane::testing
