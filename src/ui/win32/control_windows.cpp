#include "ui/win32/control_windows.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/window_handles.h"
#include "ui/bevel_line.h"
#include "ui/shape.h"
#include "ui/tab_order.h"
#include "ui/win32/button_peers.h"
#include "ui/win32/combo_box_peer.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/edit_peers.h"
#include "ui/win32/label_peer.h"
#include "ui/win32/notebook_peer.h"
#include "ui/win32/panel_windows.h"
#include "ui/win32/picture_windows.h"
#include "ui/win32/string_grid_peer.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

template <typename ControlModel, typename Peer>
std::unique_ptr<WindowPeer> MakePeer(Control& control, HWND window) {
  return std::make_unique<Peer>(static_cast<ControlModel&>(control), window);
}

template <typename ControlModel, DWORD (*Style)(const ControlModel&)>
DWORD StyleOfModel(const Control& control) {
  return Style(static_cast<const ControlModel&>(control));
}

// A line of the table. A model style function gives the style bits that
// depend on the model.
template <typename ControlModel, typename Peer, DWORD (*ModelStyle)(const ControlModel&)>
constexpr ControlWindowKind Line(const wchar_t* className, bool ownClass, DWORD style,
                                 DWORD exStyle) {
  DWORD (*modelStyle)(const Control&) = nullptr;
  if constexpr (ModelStyle != nullptr) modelStyle = &StyleOfModel<ControlModel, ModelStyle>;
  return ControlWindowKind{.kind = ControlModel::kKind,
                           .className = className,
                           .ownClass = ownClass,
                           .style = style,
                           .exStyle = exStyle,
                           .modelStyle = modelStyle,
                           .makePeer = &MakePeer<ControlModel, Peer>};
}

// A window of a class of our own.
template <typename ControlModel, typename Peer, DWORD (*ModelStyle)(const ControlModel&) = nullptr>
constexpr ControlWindowKind Own(const wchar_t* className, DWORD style, DWORD exStyle = 0) {
  return Line<ControlModel, Peer, ModelStyle>(className, true, style, exStyle);
}

// A system control's window.
template <typename ControlModel, typename Peer, DWORD (*ModelStyle)(const ControlModel&) = nullptr>
constexpr ControlWindowKind System(const wchar_t* className, DWORD style, DWORD exStyle = 0) {
  return Line<ControlModel, Peer, ModelStyle>(className, false, style, exStyle);
}

// A button with a picture draws itself.
DWORD PushButtonStyle(const Button& button) {
  return button.GetPicture() != Picture::None ? DWORD{BS_OWNERDRAW} : DWORD{BS_PUSHBUTTON};
}

DWORD LineStyle(const BevelLine& line) {
  return line.Direction() == LineDirection::Vertical ? SS_ETCHEDVERT : SS_ETCHEDHORZ;
}

constexpr ControlWindowKind kControlWindows[] = {
    Own<Panel, PanelPeer>(kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
    Own<GroupBox, GroupBoxPeer>(kGroupBoxClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
    System<Button, ButtonPeer, PushButtonStyle>(L"BUTTON", 0),
    Own<ToolButton, ToolButtonPeer>(kToolButtonClass, 0),
    // SS_NOTIFY: a press on the label is the label's, not its panel's.
    System<Label, LabelPeer>(L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY),
    System<BevelLine, WindowPeer, LineStyle>(L"STATIC", SS_NOTIFY),
    System<ComboBox, ComboBoxPeer>(L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL),
    System<CheckBox, CheckBoxPeer>(L"BUTTON", BS_CHECKBOX),
    System<SpinEdit, SpinEditPeer>(L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE),
    System<Edit, EditPeer>(L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE),
    Own<StringGrid, StringGridPeer>(kStringGridClass, WS_VSCROLL, WS_EX_CLIENTEDGE),
    System<TabbedNotebook, NotebookPeer>(
        WC_TABCONTROLW, TCS_MULTILINE | TCS_FIXEDWIDTH | WS_CLIPCHILDREN | WS_TABSTOP,
        WS_EX_CONTROLPARENT),
    Own<NotebookPage, WindowPeer>(kPanelClass, 0, WS_EX_CONTROLPARENT),
    Own<Shape, ShapePeer>(kShapeClass, 0),
    Own<Image, ImagePeer>(kImageClass, 0),
};

// Dialog navigation follows the windows' stacking order, so the windows are
// stacked in tab order: each goes to the bottom in turn. Shapes are drawings
// on their parent and go beneath everything else.
void StackInTabOrder(const Control& parent) {
  const auto stackAtBottom = [](const Control& child) {
    if (HWND window = platform::win32::WindowOf(child.Handle())) {
      SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  };
  for (Control* child : TabOrdered(parent)) {
    if (child->Kind() != Shape::kKind) stackAtBottom(*child);
  }
  for (Control* child : TabOrdered(parent)) {
    if (child->Kind() == Shape::kKind) stackAtBottom(*child);
  }
}

}  // namespace

std::span<const ControlWindowKind> ControlWindowKinds() { return kControlWindows; }

const ControlWindowKind* WindowKindOf(const Control& control) {
  const auto* found = std::ranges::find_if(
      kControlWindows, [&](const ControlWindowKind& line) { return line.kind == control.Kind(); });
  return found == std::ranges::end(kControlWindows) ? nullptr : found;
}

void RealizeChildren(Control& control, HWND parent) {
  for (Control* child : control.Children()) {
    const ControlWindowKind* kind = WindowKindOf(*child);
    if (!kind) continue;
    const RECT r = DpiScale::Of(parent).Out(child->GetBounds());
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind->style;
    if (kind->modelStyle) style |= kind->modelStyle(*child);
    if (TakesFocus(child->Kind())) style |= WS_TABSTOP;
    if (child->Visible()) style |= WS_VISIBLE;
    if (!child->Enabled()) style |= WS_DISABLED;
    HWND window = CreateWindowExW(kind->exStyle, kind->className, WideText(child->Text()).c_str(),
                                  style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) continue;
    child->AttachPeer(kind->makePeer(*child, window));
    RealizeChildren(*child, window);
  }
  StackInTabOrder(control);
}

}  // namespace morvane::ui::win32
