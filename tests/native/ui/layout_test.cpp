#include "ui/layout.h"

#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/panel.h"

namespace morvane::ui {
namespace {

TEST(LayoutTest, APanelsClientAreaLosesItsBevelsAndBorderWidth) {
  Form form{"Form1"};
  Panel plain{&form, "Plain"};  // one raised outer bevel
  Panel framed{&form, "Framed"};
  plain.SetBounds(0, 0, 100, 50);
  framed.SetBounds(0, 0, 548, 212);
  framed.SetBevels(Bevel::None, Bevel::None);
  framed.SetBorderWidth(10);
  EXPECT_EQ(ClientRect(plain), (Bounds{1, 1, 98, 48}));
  EXPECT_EQ(ClientRect(framed), (Bounds{10, 10, 528, 192}));
  framed.SetBevels(Bevel::Lowered, Bevel::Raised);
  EXPECT_EQ(ClientRect(framed), (Bounds{12, 12, 524, 188}));
}

TEST(LayoutTest, AlignedPanelsStackAndHiddenOnesTakeNoSpace) {
  Form form{"Form1"};
  Panel top1{&form, "Top1"}, top2{&form, "Top2"}, rest{&form, "Rest"};
  Panel bottom1{&form, "Bottom1"}, bottom2{&form, "Bottom2"};
  Panel inner{&rest, "Inner"};
  for (auto [panel, align, size] :
       {std::tuple{&top1, Align::Top, 33}, std::tuple{&top2, Align::Top, 68},
        std::tuple{&rest, Align::Client, 0}, std::tuple{&bottom1, Align::Bottom, 33},
        std::tuple{&bottom2, Align::Bottom, 24}}) {
    panel->SetAlign(align);
    panel->SetBounds(0, 0, 10, size);
  }
  inner.SetAlign(Align::Client);
  form.SetClientWidth(581);
  form.SetClientHeight(468);
  EXPECT_EQ(top2.GetBounds(), (Bounds{0, 33, 581, 68}));
  EXPECT_EQ(rest.GetBounds(), (Bounds{0, 101, 581, 310}));
  EXPECT_EQ(bottom1.GetBounds(), (Bounds{0, 411, 581, 33}));
  EXPECT_EQ(bottom2.GetBounds(), (Bounds{0, 444, 581, 24}));
  EXPECT_EQ(inner.GetBounds(), (Bounds{1, 1, 579, 308}));
  top2.SetVisible(false);
  bottom1.SetVisible(false);
  form.Realign();
  EXPECT_EQ(rest.GetBounds(), (Bounds{0, 33, 581, 411}));
}

}  // namespace
}  // namespace morvane::ui
