#include "ui/win32/window_peer.h"

#include <string>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/panel.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {
namespace {

// The extra height a drop-down box needs for its list.
constexpr int kDropDownListHeight = 200;

class ButtonPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Command(WORD code) override {
    if (code != BN_CLICKED) return;
    if (Model().Kind() == ControlKind::Button) static_cast<Button&>(Model()).Click();
    if (Model().Kind() == ControlKind::ToolButton) static_cast<ToolButton&>(Model()).Click();
  }
};

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
      const int length = GetWindowTextLengthA(Window());
      std::string text(static_cast<std::size_t>(length) + 1, '\0');
      GetWindowTextA(Window(), text.data(), length + 1);
      text.resize(static_cast<std::size_t>(length));
      combo.TextChangedByUser(text);
    } else if (code == CBN_SELCHANGE) {
      combo.ItemChosenByUser(static_cast<int>(SendMessageA(Window(), CB_GETCURSEL, 0, 0)));
    }
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
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::ToolButton:
      return {"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::ComboBox:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    case ControlKind::SpinEdit:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0};
    case ControlKind::StringGrid:
      return {kPanelClass, WS_TABSTOP, 0};
    case ControlKind::Edit:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0};
    case ControlKind::TabbedNotebook:
    case ControlKind::NotebookPage:
    case ControlKind::Shape:
    case ControlKind::Image:
      return {kPanelClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::Form:
      break;
  }
  return {kPanelClass, 0, 0};
}

std::unique_ptr<WindowPeer> MakePeer(Control& control, HWND window) {
  switch (control.Kind()) {
    case ControlKind::Button:
    case ControlKind::ToolButton:
      return std::make_unique<ButtonPeer>(control, window);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxPeer>(control, window);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxPeer>(control, window);
    default:
      return std::make_unique<WindowPeer>(control, window);
  }
}

}  // namespace

WindowPeer::WindowPeer(Control& control, HWND window) : control_(control), window_(window) {
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(ProgramFont()), FALSE);
}

WindowPeer::~WindowPeer() {
  if (!window_) return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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
      SetWindowTextA(window_, control_.Text().c_str());
      if (control_.Kind() == ControlKind::Panel || control_.Kind() == ControlKind::GroupBox) {
        InvalidateRect(window_, nullptr, TRUE);
      }
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
}

}  // namespace morvane::ui::win32
