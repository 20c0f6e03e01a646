#pragma once

#include <string>
#include <vector>

#include "base/name_text.h"
#include "base/window_handle.h"

namespace morvane::platform {

struct FileFilter {
  std::string description;
  std::string pattern;
};

// The caption of the dialog's warnings, that of every warning of the program.
inline constexpr char kDialogWarningCaption[] = "Bestand uitvoer";
inline constexpr char kTypedNameTooLong[] =
    "De naam is te lang: map en bestandsnaam samen moeten korter zijn dan 260 tekens.";

// How the platform's dialog for choosing files to open looks and behaves. The
// defaults are this program's dialog: several files at once, no read-only box,
// resizable, and a typed name need not exist.
struct OpenFileDialogOptions {
  std::string title;
  std::vector<FileFilter> filters;  // the first is chosen when the dialog opens
  bool multipleSelection = true;
  bool hideReadOnly = true;
  bool resizable = true;
  bool namesMustExist = false;
  // Shown over the dialog when Open is pressed for a typed name that joined
  // to the folder is too long for the dialog to take; the dialog stays open.
  std::string nameTooLongWarning = kTypedNameTooLong;
  // Shown when a name holds characters that can't be carried to the file
  // (platform/name_text.h); such a name is not chosen.
  std::string nameNotCarriedWarning = base::kNameNotCarried;
  std::string warningCaption = kDialogWarningCaption;
};

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  // Shows the dialog modally. Confirmed: true, with the full paths of the
  // chosen files in the dialog's order. Cancelled: false.
  virtual bool Execute(base::WindowHandle owner, const OpenFileDialogOptions& options,
                       std::vector<std::string>& paths) = 0;
};

// The paths in the name buffer the dialog fills for a multiple selection: the
// folder followed by the names, or one full path, each ended by a zero and the
// whole ended by a second zero.
std::vector<std::string> SplitSelectedNames(const std::string& buffer);

}  // namespace morvane::platform
