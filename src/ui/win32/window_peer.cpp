#include "ui/win32/window_peer.h"

#include <commctrl.h>

#include <string>

#include "ui/bevel_line.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/label.h"
#include "ui/tab_order.h"
#include "ui/win32/button_peers.h"
#include "ui/win32/edit_peers.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/notebook_peer.h"
#include "ui/win32/picture_windows.h"
#include "ui/win32/string_grid_peer.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {
namespace {

constexpr char kPeerProperty[] = "MorvanePeer";

// The extra height a drop-down box needs for its list.
constexpr int kDropDownListHeight = 200;

class CheckBoxPeer : public WindowPeer {
 public:
  CheckBoxPeer(Control& control, HWND window) : WindowPeer(control, window) {
    Changed(Property::Checked);
  }
  void Changed(Property property) override {
    if (property != Property::Checked) return WindowPeer::Changed(property);
    const bool checked = static_cast<CheckBox&>(Model()).Checked();
    SendMessageA(Window(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED) static_cast<CheckBox&>(Model()).Click();
  }
};

class ComboBoxPeer : public WindowPeer {
 public:
  ComboBoxPeer(Control& control, HWND window) : WindowPeer(control, window) {
    Changed(Property::Items);
  }
  void Changed(Property property) override {
    auto& combo = static_cast<ComboBox&>(Model());
    switch (property) {
      case Property::Items:
        SendMessageA(Window(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo.Items()) {
          SendMessageA(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        SendMessageA(Window(), CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
        SetWindowTextA(Window(), combo.Text().c_str());
        break;
      case Property::Bounds: {
        const Bounds& b = combo.GetBounds();
        MoveWindow(Window(), b.left, b.top, b.width, b.height + kDropDownListHeight, TRUE);
        break;
      }
      default:
        WindowPeer::Changed(property);
    }
  }
  void Command(WORD code) override {
    auto& combo = static_cast<ComboBox&>(Model());
    if (code == CBN_EDITCHANGE) {
      combo.TextChangedByUser(WindowText(Window()));
    } else if (code == CBN_SELCHANGE) {
      combo.ItemChosenByUser(static_cast<int>(SendMessageA(Window(), CB_GETCURSEL, 0, 0)));
    }
  }
};

// Static text that takes the size of its text, as the font on screen has it.
// A label in its own font, which reports the mouse entering and leaving it
// and the left button going down on it.
class LabelPeer : public WindowPeer {
 public:
  LabelPeer(Control& control, HWND window) : WindowPeer(control, window) {
    ApplyFont();
    FitToText();
  }
  ~LabelPeer() override {
    if (font_) DeleteObject(font_);
  }
  void Changed(Property property) override {
    WindowPeer::Changed(property);
    if (property == Property::Text) FitToText();
    if (property == Property::Font) {
      ApplyFont();
      InvalidateRect(Window(), nullptr, TRUE);
    }
  }
  bool FilterMessage(MSG& message) override {
    auto& label = static_cast<Label&>(Model());
    switch (message.message) {
      case WM_MOUSEMOVE:
        if (!hovering_) {
          hovering_ = true;
          TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Window(), 0};
          TrackMouseEvent(&track);
          label.MouseEntered();
        }
        return false;
      case WM_MOUSELEAVE:
        hovering_ = false;
        label.MouseLeft();
        return true;
      case WM_LBUTTONDOWN:
        // Any capture in the forms around the label ends first; then the
        // press is handled as usual, then the label acts on it.
        SendMessageA(GetAncestor(Window(), GA_ROOT), WM_CANCELMODE, 0, 0);
        DispatchMessageA(&message);
        label.LeftButtonDown();
        return true;
      default:
        return false;
    }
  }
  // The colour the label's text is drawn in.
  COLORREF TextColor() const { return ColorRefOf(Model().GetFont().color); }

 private:
  void ApplyFont() {
    const Font& font = Model().GetFont();
    if (font == Font{}) {
      SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(ProgramFont()), FALSE);
      return;
    }
    HFONT created = CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                font.underline ? TRUE : FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, kProgramFontFace);
    SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(created), FALSE);
    if (font_) DeleteObject(font_);
    font_ = created;
  }

  HFONT font_ = nullptr;
  bool hovering_ = false;

  void FitToText() {
    auto& label = static_cast<Label&>(Model());
    if (!label.AutoSize()) return;
    HDC dc = GetDC(Window());
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : ProgramFont());
    const std::string& text = label.Text();
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, oldFont);
    ReleaseDC(Window(), dc);
    const Bounds& b = label.GetBounds();
    MoveWindow(Window(), b.left, b.top, size.cx, size.cy, TRUE);
    label.SetBounds(b.left, b.top, size.cx, size.cy);
  }
};

struct WindowKind {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::Panel:
      return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::GroupBox:
      return {kGroupBoxClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Button: {
      const bool picture = static_cast<const Button&>(control).GetPicture() != Picture::None;
      return {"BUTTON", picture ? DWORD{BS_OWNERDRAW} : DWORD{BS_PUSHBUTTON}, 0};
    }
    case ControlKind::ToolButton:
      return {kToolButtonClass, 0, 0};
    case ControlKind::Label:
      // SS_NOTIFY: a press on the label is the label's, not its panel's.
      return {"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::BevelLine: {
      const bool vertical =
          static_cast<const BevelLine&>(control).Direction() == LineDirection::Vertical;
      const DWORD line = vertical ? SS_ETCHEDVERT : SS_ETCHEDHORZ;
      return {"STATIC", line | SS_NOTIFY, 0};
    }
    case ControlKind::ComboBox:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", BS_CHECKBOX, 0};
    case ControlKind::SpinEdit:
    case ControlKind::Edit:
      return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::StringGrid:
      return {kStringGridClass, WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::TabbedNotebook:
      return {"SysTabControl32", TCS_MULTILINE | TCS_FIXEDWIDTH | WS_CLIPCHILDREN | WS_TABSTOP,
              WS_EX_CONTROLPARENT};
    case ControlKind::NotebookPage:
      return {kPanelClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::Shape:
      return {kShapeClass, 0, 0};
    case ControlKind::Image:
      return {kImageClass, 0, 0};
    case ControlKind::Form:
      break;
  }
  return {kPanelClass, 0, 0};
}

std::unique_ptr<WindowPeer> MakePeer(Control& control, HWND window) {
  switch (control.Kind()) {
    case ControlKind::Button:
      return std::make_unique<ButtonPeer>(control, window);
    case ControlKind::ToolButton:
      return std::make_unique<ToolButtonPeer>(control, window);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxPeer>(control, window);
    case ControlKind::Label:
      return std::make_unique<LabelPeer>(control, window);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxPeer>(control, window);
    case ControlKind::Edit:
      return std::make_unique<EditPeer>(control, window);
    case ControlKind::SpinEdit:
      return std::make_unique<SpinEditPeer>(control, window);
    case ControlKind::StringGrid:
      return std::make_unique<StringGridPeer>(control, window);
    case ControlKind::TabbedNotebook:
      return std::make_unique<NotebookPeer>(control, window);
    case ControlKind::Image:
      return std::make_unique<ImagePeer>(control, window);
    default:
      return std::make_unique<WindowPeer>(control, window);
  }
}

// Dialog navigation follows the windows' stacking order, so the windows are
// stacked in tab order: each goes to the bottom in turn. Shapes are drawings
// on their parent and go beneath everything else.
void StackInTabOrder(const Control& parent) {
  const auto stackAtBottom = [](const Control& child) {
    if (auto* window = reinterpret_cast<HWND>(child.Handle())) {
      SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  };
  for (Control* child : TabOrdered(parent)) {
    if (child->Kind() != ControlKind::Shape) stackAtBottom(*child);
  }
  for (Control* child : TabOrdered(parent)) {
    if (child->Kind() == ControlKind::Shape) stackAtBottom(*child);
  }
}

}  // namespace

WindowPeer::WindowPeer(Control& control, HWND window) : control_(control), window_(window) {
  Adopt(window_);
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(ProgramFont()), FALSE);
  UpdateToolTip();
}

WindowPeer::~WindowPeer() {
  if (!window_) return;
  Disown(window_);
  DestroyWindow(window_);
}

void WindowPeer::Adopt(HWND part) { SetPropA(part, kPeerProperty, this); }

void WindowPeer::Disown(HWND part) { RemovePropA(part, kPeerProperty); }

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return window ? static_cast<WindowPeer*>(GetPropA(window, kPeerProperty)) : nullptr;
}

void WindowPeer::UpdateToolTip() {
  if (ToolTips* tips = FormWindowPeer::ToolTipsOf(window_)) tips->SetTip(window_, control_.Hint());
}

void WindowPeer::Changed(Property property) {
  switch (property) {
    case Property::Bounds: {
      const Bounds& b = control_.GetBounds();
      MoveWindow(window_, b.left, b.top, b.width, b.height, TRUE);
      break;
    }
    case Property::Enabled:
      EnableWindow(window_, control_.Enabled() ? TRUE : FALSE);
      break;
    case Property::Visible:
      ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Text:
      puttingText_ = true;
      SetWindowTextA(window_, control_.Text().c_str());
      puttingText_ = false;
      if (control_.Kind() == ControlKind::Panel || control_.Kind() == ControlKind::GroupBox) {
        InvalidateRect(window_, nullptr, TRUE);
      }
      break;
    case Property::Hint:
      UpdateToolTip();
      break;
    default:
      break;
  }
}

void RealizeChildren(Control& control, HWND parent) {
  for (Control* child : control.Children()) {
    const WindowKind kind = KindOf(*child);
    const Bounds& b = child->GetBounds();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (TakesFocus(child->Kind())) style |= WS_TABSTOP;
    if (child->Visible()) style |= WS_VISIBLE;
    if (!child->Enabled()) style |= WS_DISABLED;
    const int height =
        child->Kind() == ControlKind::ComboBox ? b.height + kDropDownListHeight : b.height;
    HWND window =
        CreateWindowExA(kind.exStyle, kind.className, child->Text().c_str(), style, b.left, b.top,
                        b.width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) continue;
    child->AttachPeer(MakePeer(*child, window));
    RealizeChildren(*child, window);
  }
  StackInTabOrder(control);
}

}  // namespace morvane::ui::win32
