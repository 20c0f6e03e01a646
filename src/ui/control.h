#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/window_handle.h"
#include "ui/accessible.h"
#include "ui/keys.h"

namespace morvane::ui {

// A colour as red, green and blue; the system colours have their own names.
struct Color {
  enum class System { None, WindowText, ButtonFace, ButtonText } system = System::None;
  unsigned char red = 0, green = 0, blue = 0;

  static Color Rgb(unsigned char r, unsigned char g, unsigned char b) {
    return Color{System::None, r, g, b};
  }
  static Color Of(System system) { return Color{system, 0, 0, 0}; }
  friend bool operator==(const Color&, const Color&) = default;
};

// The font a control draws its text in; every control starts with the
// program's own font.
struct Font {
  int height = -11;
  bool bold = false;
  bool underline = false;
  Color color = Color::Of(Color::System::WindowText);
  friend bool operator==(const Font&, const Font&) = default;
};

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool Contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

enum class Align { None, Top, Bottom, Left, Client };

// What sort of control a model is. Every model class has one kind, its kKind,
// and kinds are told apart by identity: the window layer finds a control's
// window by its kind, the layout finds panels by it.
class ControlKind {
 public:
  enum class Focus { Never, Takes };

  constexpr explicit ControlKind(Focus focus = Focus::Never) : focus_(focus) {}
  ControlKind(const ControlKind&) = delete;
  ControlKind& operator=(const ControlKind&) = delete;

  bool TakesFocus() const { return focus_ == Focus::Takes; }
  friend bool operator==(const ControlKind& a, const ControlKind& b) { return &a == &b; }

 private:
  Focus focus_;
};

// Whether controls of this kind take the keyboard focus (and so have a place
// in the tab order).
inline bool TakesFocus(const ControlKind& kind) { return kind.TakesFocus(); }

// What changed in a control's state, for its peer to show.
enum class Property { Bounds, Enabled, Visible, Text, Hint, Checked, Items, Selection, Font, Page };

class Control;
class Form;

// The on-screen twin of a control. Headless controls have none; the Windows
// layer attaches one per control when a form is realized.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Property property) = 0;
  virtual base::WindowHandle Handle() const = 0;
  // Gives the control's window the keyboard focus.
  virtual void SetFocus() {}
};

// A control keeps its whole state in plain members, so that form logic runs
// and can be tested without a window system.
class Control {
 public:
  Control(Control* parent, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual const ControlKind& Kind() const = 0;

  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }

  const Bounds& GetBounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  void SetBounds(const Bounds& bounds);

  Align GetAlign() const { return align_; }
  void SetAlign(Align align) { align_ = align; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible itself and inside visible parents (the form's own visibility
  // aside).
  bool Showing() const;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  const std::string& Hint() const { return hint_; }
  // What the control's tool tip shows, as it is.
  void SetHint(const std::string& hint);

  // The name and role a screen reader is given where the control's own text
  // and kind don't say it (a field named by its label, the hint bar's role).
  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(const std::string& name) { accessibleName_ = name; }
  AccessibleRole GetAccessibleRole() const { return accessibleRole_; }
  void SetAccessibleRole(AccessibleRole role) { accessibleRole_ = role; }

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  ControlPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }
  base::WindowHandle Handle() const { return peer_ ? peer_->Handle() : 0; }

  // The form the control sits on, or null.
  Form* OwnerForm();

  // Moves the keyboard focus here, if the control takes focus and is showing
  // and enabled.
  void SetFocus();
  // The focus left the control (reported by the peer, or by the form's
  // headless focus).
  virtual void FocusLost() {}
  // A key went down while the control had the focus; true when it used it.
  virtual bool KeyPressed(int /*key*/, ShiftState /*shift*/) { return false; }

  // The peer reports what the user changed on screen.
  void TextChangedByUser(const std::string& text);

 protected:
  void NotifyPeer(Property property);
  // Runs after the text changed, whoever changed it.
  virtual void TextChanged() {}

 private:
  Control* parent_;
  std::string name_;
  std::vector<Control*> children_;
  Bounds bounds_;
  Align align_ = Align::None;
  bool enabled_ = true;
  bool visible_ = true;
  std::string text_;
  std::string hint_;
  std::string accessibleName_;
  AccessibleRole accessibleRole_ = AccessibleRole::Default;
  Font font_;
  int tabOrder_ = -1;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace morvane::ui
