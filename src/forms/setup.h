#pragma once

#include <functional>

#include "output/control_strings.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/tabbed_notebook.h"

namespace morvane::forms {

inline constexpr char kSetupCaption[] = "Setup instellingen";
inline constexpr char kEscHint[] = "dubbelklik in tekstveld voor ESC code";
inline constexpr char kConfirmCaption[] = "Voltooien";
inline constexpr char kCancelCaption[] = "Annuleren";
inline constexpr char kEscape = '\x1b';

// The dialog in which the twelve control strings are edited, one page per
// output target. It holds text only; the setup command fills and reads it.
class TSetupdialog1 : public ui::Form {
 public:
  TSetupdialog1();

  ui::TabbedNotebook TabbedNotebook1{this, "TabbedNotebook1"};

 private:
  // The pages have no names of their own; they are declared before the
  // controls they carry.
  ui::NotebookPage lpt1Page_{&TabbedNotebook1, "LPT1"};
  ui::NotebookPage lpt2Page_{&TabbedNotebook1, "LPT2"};
  ui::NotebookPage lpt3Page_{&TabbedNotebook1, "LPT3"};
  ui::NotebookPage com1Page_{&TabbedNotebook1, "COM1"};
  ui::NotebookPage com2Page_{&TabbedNotebook1, "COM2"};
  ui::NotebookPage winPage_{&TabbedNotebook1, "WIN"};

 public:
  ui::Label Label1{&lpt1Page_, "Label1"};
  ui::Label Label4{&lpt1Page_, "Label4"};
  ui::Edit LPT1init{&lpt1Page_, "LPT1init"};
  ui::Edit LPT1Exit{&lpt1Page_, "LPT1Exit"};
  ui::Label Label2{&lpt2Page_, "Label2"};
  ui::Edit LPT2INIT{&lpt2Page_, "LPT2INIT"};
  ui::Label Label3{&lpt2Page_, "Label3"};
  ui::Edit LPT2EXIT{&lpt2Page_, "LPT2EXIT"};
  ui::Label Label5{&lpt3Page_, "Label5"};
  ui::Edit LPT3INIT{&lpt3Page_, "LPT3INIT"};
  ui::Label Label6{&lpt3Page_, "Label6"};
  ui::Edit LPT3EXIT{&lpt3Page_, "LPT3EXIT"};
  ui::Label Label7{&com1Page_, "Label7"};
  ui::Edit COM1INIT{&com1Page_, "COM1INIT"};
  ui::Label Label8{&com1Page_, "Label8"};
  ui::Edit COM1EXIT{&com1Page_, "COM1EXIT"};
  ui::Label Label9{&com2Page_, "Label9"};
  ui::Edit COM2INIT{&com2Page_, "COM2INIT"};
  ui::Label Label10{&com2Page_, "Label10"};
  ui::Edit COM2EXIT{&com2Page_, "COM2EXIT"};
  ui::Panel Panel1{this, "Panel1"};
  ui::Label Label11{&winPage_, "Label11"};
  ui::Edit WinInit{&winPage_, "WinInit"};
  ui::Label Label12{&winPage_, "Label12"};
  ui::Edit WinExit{&winPage_, "WinExit"};
  ui::Button OkButton{this, "OkButton"};
  ui::Button CancelButton{this, "CancelButton"};

  // Shared by all twelve edits.
  void LPT1initDblClick(ui::Edit& sender);
  void LPT1initChange();

  // The edit of one control string.
  ui::Edit& EditOf(const output::ControlStringKey& key);

  // Runs when any edit's text changes: the main window marks its strings as edited.
  std::function<void()> onSettingsChanged;

 private:
  struct PageControls {
    ui::Label& initLabel;
    ui::Label& exitLabel;
    ui::Edit& init;
    ui::Edit& exit;
  };
  // A target's page and what it carries.
  PageControls PageOf(output::OutputTarget target);
};

}  // namespace morvane::forms
