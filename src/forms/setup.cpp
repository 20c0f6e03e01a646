#include "forms/setup.h"

namespace morvane::forms {
namespace {
constexpr int kClientWidth = 435;
constexpr int kClientHeight = 145;
}  // namespace

TSetupdialog1::TSetupdialog1() : Form("Setupdialog1") {
  SetText(kSetupCaption);
  SetBorder(ui::BorderStyle::Dialog);
  SetMinimizeBox(false);
  SetClientWidth(kClientWidth);
  SetClientHeight(kClientHeight);
}

}  // namespace morvane::forms
