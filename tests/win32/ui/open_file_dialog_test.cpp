// The real open dialog, played from a second thread as a user would: going
// to a folder, choosing files in its list or typing their names, pressing
// Open or Cancel.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32_open_file_dialog.h"

namespace morvane::platform::win32 {
namespace {

using namespace std::chrono_literals;

constexpr char kTitle[] = "Kies de testbestanden";
constexpr int kFileNameBox = 1148;  // cmb13
// Names this long make a few hundred files outgrow the first name buffer.
constexpr int kManyFiles = 700;
constexpr std::size_t kLongNameLength = 100;

// An empty folder of that name in the temporary folder.
std::string TempFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return folder;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileA((folder + "\\" + found.cFileName).c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return folder;
}

std::vector<std::string> MakeFiles(const std::string& folder, int count, std::size_t length) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    // "f10000xxx...x.prn", numbered so that the names sort in creation order
    std::string name = std::to_string(10000 + i);
    name.insert(0, 1, 'f');
    name.append(length - name.size() - 4, 'x');
    name.append(".prn");
    std::string path = folder;
    path += '\\';
    path += name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    names.push_back(name);
  }
  return names;
}

template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds timeout = 60s) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

// Acts on every dialog of ours that opens while it lives, one after another.
class DialogDriver {
 public:
  explicit DialogDriver(const std::function<void(HWND)>& act)
      : thread_([this, act] {
          while (!stop_) {
            HWND dialog = FindWindowA("#32770", kTitle);
            if (!dialog || !IsWindowVisible(dialog)) {
              std::this_thread::sleep_for(50ms);
              continue;
            }
            ++dialogs_;
            act(dialog);
            WaitFor([&] { return stop_ || !IsWindow(dialog); });
          }
        }) {}
  ~DialogDriver() {
    stop_ = true;
    thread_.join();
  }
  int Dialogs() const { return dialogs_; }

 private:
  std::atomic<bool> stop_ = false;
  std::atomic<int> dialogs_ = 0;
  std::thread thread_;
};

void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void Type(HWND dialog, const std::string& text) {
  SendDlgItemMessageA(dialog, kFileNameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND FileList(HWND dialog) {
  HWND view = FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
  return view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
}

// Goes to the folder and waits until its list shows all count files.
bool Open(HWND dialog, const std::string& folder, int count) {
  Type(dialog, folder);
  Press(dialog, IDOK);
  return WaitFor([&] {
    HWND list = FileList(dialog);
    return list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == count;
  });
}

OpenFileDialogOptions Options() {
  return OpenFileDialogOptions{kTitle, {{"alle bestanden    *.*", "*.*"}, {"printer", "*.PRN"}}};
}

std::vector<std::string> FullPaths(const std::string& folder,
                                   const std::vector<std::string>& names) {
  std::vector<std::string> paths;
  paths.reserve(names.size());
  for (const std::string& name : names) {
    std::string& path = paths.emplace_back(folder);
    path += '\\';
    path += name;
  }
  return paths;
}

TEST(Win32OpenFileDialogTest, ThousandsOfCharactersOfChosenFilesComeBackWhole) {
  const std::string folder = TempFolder("morvane_many");
  const std::vector<std::string> names = MakeFiles(folder, kManyFiles, kLongNameLength);
  std::atomic<bool> listed = false;
  DialogDriver driver([&](HWND dialog) {
    if (!Open(dialog, folder, kManyFiles)) return;
    listed = true;
    LVITEMA all{};
    all.stateMask = LVIS_SELECTED;
    all.state = LVIS_SELECTED;
    SendMessageA(FileList(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&all));
    Press(dialog, IDOK);
  });
  Win32OpenFileDialog openDialog;
  std::vector<std::string> paths;
  ASSERT_TRUE(openDialog.Execute(0, Options(), paths));
  ASSERT_TRUE(listed);
  EXPECT_EQ(driver.Dialogs(), 1);
  std::vector<std::string> sorted = paths;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, FullPaths(folder, names));
}

TEST(Win32OpenFileDialogTest, TypedNamesComeBackInTheOrderTheyWereTyped) {
  const std::string folder = TempFolder("morvane_typed");
  const std::vector<std::string> names = MakeFiles(folder, 3, 20);
  DialogDriver driver([&](HWND dialog) {
    if (!Open(dialog, folder, 3)) return;
    Type(dialog, "\"" + names[2] + "\" \"" + names[0] + "\" \"" + names[1] + "\"");
    Press(dialog, IDOK);
  });
  Win32OpenFileDialog openDialog;
  std::vector<std::string> paths;
  ASSERT_TRUE(openDialog.Execute(0, Options(), paths));
  EXPECT_EQ(paths, FullPaths(folder, {names[2], names[0], names[1]}));
}

TEST(Win32OpenFileDialogTest, OneFileIsOneFullPathAndANameNeedNotExist) {
  const std::string folder = TempFolder("morvane_one");
  MakeFiles(folder, 1, 20);
  DialogDriver driver([&](HWND dialog) {
    if (!Open(dialog, folder, 1)) return;
    Type(dialog, "bestaat_niet.prn");
    Press(dialog, IDOK);
  });
  Win32OpenFileDialog openDialog;
  std::vector<std::string> paths;
  ASSERT_TRUE(openDialog.Execute(0, Options(), paths));
  EXPECT_EQ(paths, (std::vector<std::string>{folder + "\\bestaat_niet.prn"}));
}

TEST(Win32OpenFileDialogTest, CancelReturnsNothing) {
  DialogDriver driver([](HWND dialog) { Press(dialog, IDCANCEL); });
  Win32OpenFileDialog openDialog;
  std::vector<std::string> paths{"untouched"};
  EXPECT_FALSE(openDialog.Execute(0, Options(), paths));
  EXPECT_EQ(paths, (std::vector<std::string>{"untouched"}));
  EXPECT_EQ(driver.Dialogs(), 1);
}

}  // namespace
}  // namespace morvane::platform::win32
