#include "forms/info.h"

namespace morvane::forms {
namespace {
constexpr int kWidth = 348;
constexpr int kFrame = 1;
constexpr int kTitleHeight = -16;
}  // namespace

Tinfobox::Tinfobox(platform::Shell& shell, std::function<base::WindowHandle()> applicationWindow)
    : Form("infobox"), HyperLabel1(&Panel3, "HyperLabel1", shell, std::move(applicationWindow)) {
  SetText(kInfoCaption);
  SetBorder(ui::BorderStyle::None);
  SetTopMost(true);
  SetClientWidth(kWidth);
  SetClientHeight(kInfoHeight);

  Timer1.SetInterval(kSplashInterval);
  Timer1.SetEnabled(false);
  Timer1.OnTimer = [this] { Timer1Timer(); };
  AddTimer(Timer1);

  KaderShape.SetAlign(ui::Align::Client);
  KaderShape.SetColors(ui::Color::Rgb(0, 0, 0), ui::Color::Rgb(255, 255, 255));
  MainPanel.SetBounds(kFrame, kFrame, kWidth - 2 * kFrame, kInfoHeight - 2 * kFrame);
  MainPanel.SetBevels(ui::Bevel::None, ui::Bevel::None);
  Panel3.SetBounds(6, 6, 335, 149);
  Panel3.SetBevels(ui::Bevel::Raised, ui::Bevel::Lowered);
  Image2.SetBounds(8, 8, 132, 132);
  Image2.SetResourceId(kLogoResource);
  Label1.SetBounds(146, 6, 48, 20);
  Label1.SetText(kProductName);
  ui::Font title = Label1.GetFont();
  title.bold = true;
  title.height = kTitleHeight;
  Label1.SetFont(title);
  Label2.SetBounds(146, 28, 107, 13);
  Label2.SetText(kVersionText);
  HyperLabel1.SetBounds(146, 128, 181, 13);
  HyperLabel1.SetText(kNewVersionsLink);
  HyperLabel1.Hyperlink = kMakerAddress;
  HyperLabel1.SetHint(kMakerAddress);
  HyperLabel1.SetShowHint(true);
  HyperLabel1.SetAccessibleRole(ui::AccessibleRole::Link);
  OkButton.SetBounds(140, 164, 75, 25);
  OkButton.SetText(kOkCaption);
  OkButton.SetModalResult(ui::kModalResultOk);
  OkButton.SetTabOrder(1);
}

void Tinfobox::SetHeight(int height) { SetClientHeight(height); }

void Tinfobox::ShowAsSplash() {
  Timer1.SetEnabled(true);
  OkButton.SetVisible(false);
  SetHeight(kSplashHeight);
  MainPanel.SetBounds(kFrame, kFrame, kWidth - 2 * kFrame, Height() - 2 * kFrame);
  Show();
  Repaint();
}

void Tinfobox::Timer1Timer() {
  Timer1.SetEnabled(false);
  OkButton.SetVisible(true);
  SetHeight(kReadyHeight);
  MainPanel.SetBounds(kFrame, kFrame, kWidth - 2 * kFrame, Height() - 2 * kFrame);
  Close();
}

int Tinfobox::ShowInfo() {
  if (InSplash()) Timer1Timer();
  return ShowModal();
}

}  // namespace morvane::forms
