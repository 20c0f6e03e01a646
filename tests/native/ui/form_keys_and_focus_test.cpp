#include <gtest/gtest.h>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/keys.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/spin_edit.h"
#include "ui/string_grid.h"
#include "ui/tab_order.h"

namespace morvane::ui {
namespace {

// A form in the shape of the main window's lower half: a count field in a
// group box, a grid, tool and push buttons.
class FormKeysTest : public ::testing::Test {
 protected:
  FormKeysTest() {
    grid.SetRowCount(6);
    grid.SetVisibleDataRows(3);
    grid.OnClick = [this] { ++gridClicks; };
  }

  Form form{"Form1"};
  Panel bar{&form, "Bar"};
  ToolButton tool{&bar, "Tool"};
  Button open{&bar, "Open"};
  GroupBox group{&form, "Group"};
  Label caption{&group, "Caption"};
  SpinEdit count{&group, "Count", 1, 999999};
  CheckBox perFile{&group, "PerFile"};
  Panel frame{&form, "Frame"};
  StringGrid grid{&frame, "Grid", 2, 2};
  int gridClicks = 0;
};

TEST_F(FormKeysTest, MovingTheFocusTellsTheFieldItLostIt) {
  count.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &count);
  count.TextChangedByUser("0");
  grid.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &grid);
  EXPECT_EQ(count.Text(), "1");
}

TEST_F(FormKeysTest, ControlsThatCannotTakeTheFocusLeaveItWhereItIs) {
  open.SetFocus();
  tool.SetFocus();
  caption.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &open);
  perFile.SetEnabled(false);
  perFile.SetFocus();
  frame.SetVisible(false);
  grid.SetFocus();  // inside a hidden panel
  EXPECT_EQ(form.ActiveControl(), &open);
}

TEST_F(FormKeysTest, WithoutKeyPreviewTheFocusedControlGetsTheKey) {
  int previewed = 0;
  form.OnKeyDown = [&](int, ShiftState) { return ++previewed, true; };
  grid.SetFocus();
  form.PressKey(kKeyDown, ShiftState{});
  EXPECT_EQ(previewed, 0);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(gridClicks, 1);
}

TEST_F(FormKeysTest, APreviewedKeyThatIsHandledGoesNoFurther) {
  std::vector<std::pair<int, ShiftState>> seen;
  form.SetKeyPreview(true);
  form.OnKeyDown = [&](int key, ShiftState shift) {
    seen.emplace_back(key, shift);
    return shift.ctrl && key == kKeyDown;
  };
  grid.SetFocus();
  form.PressKey(kKeyDown, ShiftState{.ctrl = true});
  EXPECT_EQ(grid.Row(), 1);  // discarded: the grid's selection stayed
  form.PressKey(kKeyDown, ShiftState{.shift = true});
  EXPECT_EQ(grid.Row(), 2);  // not handled: the grid moved
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(kKeyDown, ShiftState{.ctrl = true}));
  EXPECT_EQ(seen[1], std::make_pair(kKeyDown, ShiftState{.shift = true}));
  form.SetKeyPreview(false);
  EXPECT_FALSE(form.PreviewKey(kKeyDown, ShiftState{.ctrl = true}));
}

TEST_F(FormKeysTest, TheTabCycleFollowsTabOrderAndSkipsWhatCannotTakeTheFocus) {
  EXPECT_EQ(TabCycle(form), (std::vector<Control*>{&open, &count, &perFile, &grid}));
  frame.SetTabOrder(0);  // the grid's panel first, the others after it as declared
  EXPECT_EQ(TabCycle(form), (std::vector<Control*>{&grid, &open, &count, &perFile}));
  group.SetEnabled(false);
  bar.SetVisible(false);
  EXPECT_EQ(TabCycle(form), (std::vector<Control*>{&grid}));
}

// Stands in for the Windows peer of a form.
class RecordingFormPeer : public FormPeer {
 public:
  void Changed(Property) override {}
  base::WindowHandle Handle() const override { return 1; }
  void Show() override {}
  void Hide() override {}
  int ShowModal() override { return kModalResultCancel; }
  void Close() override {}
  void Minimize() override {}
  void CenterOnScreen() override {}
  void Repaint() override {}
  void BeginMoveByMouse() override { ++moves; }
  Control* FocusedControl() const override { return focused; }

  int moves = 0;
  Control* focused = nullptr;
};

TEST_F(FormKeysTest, OnScreenTheWindowMovesAndKnowsTheFocus) {
  auto peer = std::make_unique<RecordingFormPeer>();
  RecordingFormPeer& recording = *peer;
  form.AttachPeer(std::move(peer));
  form.BeginMoveByMouse();
  EXPECT_EQ(recording.moves, 1);
  recording.focused = &perFile;
  EXPECT_EQ(form.ActiveControl(), &perFile);
  form.AttachPeer(nullptr);
}

}  // namespace
}  // namespace morvane::ui
