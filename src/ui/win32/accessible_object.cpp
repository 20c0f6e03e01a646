#include "ui/win32/accessible_object.h"

#include <oleacc.h>

#include <optional>
#include <string>

#include "ui/accessible.h"
#include "ui/win32/model_window.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

// The model of the window, read at every question: a client may hold the
// object after the window has gone, and then gets the system's answers only.
std::optional<AccessibleDescription> DescriptionOf(HWND window) {
  ModelWindow* shown = ModelWindow::FromWindow(window);
  if (!shown) return std::nullopt;
  AccessibleDescription described = Describe(shown->Model());
  // A part of a control (the edit field of a combo box) goes by the
  // control's name and value, and keeps its own role.
  if (shown->Window() != window) described.role = AccessibleRole::Default;
  return described;
}

long SystemRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::PushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::Text:
      return ROLE_SYSTEM_TEXT;
    case AccessibleRole::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case AccessibleRole::Table:
      return ROLE_SYSTEM_TABLE;
    case AccessibleRole::StatusBar:
      return ROLE_SYSTEM_STATUSBAR;
    case AccessibleRole::Link:
      return ROLE_SYSTEM_LINK;
    case AccessibleRole::Default:
      break;
  }
  return 0;
}

// The interface names as the headers' own values: the oleacc import library
// also exports IID_IAccessible, as a code thunk that would stand in for it.
const IID& kAccessibleIid = __uuidof(IAccessible);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT TextAnswer(const std::wstring& wide, BSTR* answer) {
  if (!answer) return E_INVALIDARG;
  *answer = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *answer ? S_OK : E_OUTOFMEMORY;
}

// The names and descriptions are the program's texts.
std::wstring ProgramWide(HWND /*window*/, const std::string& text) { return WideText(text); }

// A value is the control's text, which may be bytes of the code page (a
// control string): converted as the window shows it.
std::wstring ShownWide(HWND window, const std::string& text) {
  if (ModelWindow* shown = ModelWindow::FromWindow(window)) return shown->WideOf(text);
  return WideText(text);
}

// The standard object of a window with the model's name, role, value,
// description, shortcut and checked state in place of its own; everything
// else, and every child, is the standard object's.
class AccessibleObject final : public IAccessible {
 public:
  AccessibleObject(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == kAccessibleIid) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The window and the children come from the standard object.
    if (iid == __uuidof(IOleWindow) || iid == __uuidof(IEnumVARIANT)) {
      return standard_->QueryInterface(iid, object);
    }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
  }

  // IAccessible: ours for the window itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Ours(child, &AccessibleDescription::name, ProgramWide, name,
                [&] { return standard_->get_accName(child, name); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Ours(child, &AccessibleDescription::value, ShownWide, value,
                [&] { return standard_->get_accValue(child, value); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return Ours(child, &AccessibleDescription::description, ProgramWide, description,
                [&] { return standard_->get_accDescription(child, description); });
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Ours(child, &AccessibleDescription::keyboardShortcut, ProgramWide, shortcut,
                [&] { return standard_->get_accKeyboardShortcut(child, shortcut); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const std::optional<AccessibleDescription> described = Self(child);
    const long ours = described ? SystemRole(described->role) : 0;
    if (!ours || !role) return standard_->get_accRole(child, role);
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = ours;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT result = standard_->get_accState(child, state);
    const std::optional<AccessibleDescription> described = Self(child);
    if (FAILED(result) || !described || !described->checkable || state->vt != VT_I4) {
      return result;
    }
    state->lVal = described->checked ? (state->lVal | STATE_SYSTEM_CHECKED)
                                     : (state->lVal & ~STATE_SYSTEM_CHECKED);
    return result;
  }

  // IAccessible: the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~AccessibleObject() { standard_->Release(); }

  std::optional<AccessibleDescription> Self(const VARIANT& child) const {
    if (!IsSelf(child)) return std::nullopt;
    return DescriptionOf(window_);
  }

  // An answer of ours, or the standard object's when ours is empty.
  template <typename Standard>
  HRESULT Ours(const VARIANT& child, std::string AccessibleDescription::*field,
               std::wstring (*wide)(HWND, const std::string&), BSTR* answer,
               Standard standard) const {
    const std::optional<AccessibleDescription> described = Self(child);
    if (!described || ((*described).*field).empty()) return standard();
    return TextAnswer(wide(window_, (*described).*field), answer);
  }

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_;
};

}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
  // The object's id is a DWORD: on 64-bit Windows the rest of lParam may
  // hold its sign extended.
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, kAccessibleIid,
                                       reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* object = new AccessibleObject(window, standard);
  const LRESULT answer = LresultFromObject(kAccessibleIid, wParam, object);
  object->Release();
  return answer > 0 ? answer : 0;
}

void AnnounceNameChange(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace morvane::ui::win32
