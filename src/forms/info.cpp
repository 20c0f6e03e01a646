#include "forms/info.h"

namespace morvane::forms {
namespace {
constexpr int kClientWidth = 348;
constexpr int kClientHeight = 196;
}  // namespace

Tinfobox::Tinfobox() : Form("infobox") {
  SetText(kInfoCaption);
  SetBorder(ui::BorderStyle::None);
  SetTopMost(true);
  SetClientWidth(kClientWidth);
  SetClientHeight(kClientHeight);
}

}  // namespace morvane::forms
