#pragma once

#include <functional>

#include "base/version.h"
#include "forms/hyper_label.h"
#include "platform/shell.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shape.h"
#include "ui/timer.h"

namespace morvane::forms {

inline constexpr char kInfoCaption[] = "Info";
inline constexpr char kProductName[] = "Morvane";
inline constexpr char kVersionText[] = "Versie " MORVANE_VERSION_TEXT "  " MORVANE_RELEASE_DATE;
inline constexpr char kNewVersionsLink[] = "Zie de internetsite voor nieuwe versies";
inline constexpr char kMakerAddress[] = "https://morvane.example.org/";
inline constexpr char kOkCaption[] = "Ok";

inline constexpr int kInfoHeight = 196;
inline constexpr int kSplashHeight = 164;
inline constexpr int kReadyHeight = 198;
inline constexpr int kSplashInterval = 1500;
inline constexpr int kLogoResource = 200;

// The program-information box, which also serves as the start-up splash.
class Tinfobox : public ui::Form {
 public:
  Tinfobox(platform::Shell& shell, std::function<base::WindowHandle()> applicationWindow);

  ui::Timer Timer1;
  ui::Shape KaderShape{this, "KaderShape"};
  ui::Panel MainPanel{this, "MainPanel"};
  ui::Panel Panel3{&MainPanel, "Panel3"};
  ui::Label Label1{&Panel3, "Label1"};
  ui::Label Label2{&Panel3, "Label2"};
  ui::Image Image2{&Panel3, "Image2"};
  THyperLabel HyperLabel1;
  ui::Button OkButton{&MainPanel, "OkButton"};

  void Timer1Timer();

  // Shows the box without making it modal, as a splash that its timer ends.
  void ShowAsSplash();
  bool InSplash() const { return Timer1.Enabled(); }
  // The box as program information: modal, with its Ok button. A splash still
  // on the screen is ended first.
  int ShowInfo();

  void SetHeight(int height);
  int Height() const { return ClientHeight(); }
};

}  // namespace morvane::forms
