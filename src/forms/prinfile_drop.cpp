#include "base/name_text.h"
#include "forms/prinfile.h"

namespace morvane::forms {
namespace {

constexpr int kNoTarget = 0;

}  // namespace

int TPrintfile1::HitTestTargetButton(int x, int y) const {
  int result = kNoTarget;
  const ui::Button* buttons[] = {&BitBtn1, &BitBtn2, &BitBtn3, &BitBtn4, &BitBtn5, &BitBtn6};
  for (int i = 0; i < static_cast<int>(std::size(buttons)); ++i) {
    if (buttons[i]->GetBounds().Contains(x, y)) result = i + 1;
  }
  return result;
}

void TPrintfile1::WMDropFiles(const ui::DroppedFiles& drop) {
  // A second run must not start inside the first, nor the list be cleared
  // under it: a simple-mode drop waits for no one and is refused.
  if (!FExtendedMode && runs_.InProgress()) return;

  auto appendDropped = [&] {
    bool refused = false;
    for (const std::string& name : drop.names) {
      if (base::HoldsUncarriedCharacter(name)) {
        refused = true;
      } else if (platform_.files.FileExists(name)) {
        AppendToJobList(name);
      }
    }
    if (refused) runs_.Warn(base::kNameNotCarried, output::kOutputCaption);
  };
  if (FExtendedMode) {
    appendDropped();
    return;
  }

  NewButtonClick();
  appendDropped();
  const ui::Bounds& panel = Panel3.GetBounds();
  const int target = HitTestTargetButton(drop.x - panel.left, drop.y - panel.top);
  if (target == kNoTarget) return;

  StartRun(static_cast<output::OutputTarget>(target - 1), RunKind::SimpleDrop);
}

}  // namespace morvane::forms
