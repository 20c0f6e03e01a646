// The controls' Windows peers on a real window: what the user does reaches
// the models, and what the models hold shows on screen.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "platform/screen_cursor.h"
#include "platform/win32/wide_names.h"
#include "ui/bevel_line.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/spin_edit.h"
#include "ui/string_grid.h"
#include "ui/tab_order.h"
#include "ui/win32/pictures.h"
#include "ui/win32/program_font.h"
#include "ui/win32/win32_screen_cursor.h"
#include "ui/win32/win32_window_system.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {
namespace {

constexpr int kRowHeight = 18;
constexpr int kPitch = kRowHeight + kGridLineWidth;

HWND H(const Control& control) { return reinterpret_cast<HWND>(control.Handle()); }

// Which pixels of the rectangle differ from the colour of its top-left corner:
// the ink of the text drawn there.
std::vector<bool> Ink(HDC source, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC copy = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
  const COLORREF background = GetPixel(copy, 0, 0);
  std::vector<bool> ink;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) ink.push_back(GetPixel(copy, x, y) != background);
  }
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  return ink;
}

// The ink of text drawn as a cell draws it: in the program's font, from two
// pixels in, clipped to the cell.
template <typename DrawText>
std::vector<bool> CellInk(HDC like, const RECT& cell, DrawText draw) {
  const RECT at{0, 0, cell.right - cell.left, cell.bottom - cell.top};
  HDC canvas = CreateCompatibleDC(like);
  HBITMAP bitmap = CreateCompatibleBitmap(like, at.right, at.bottom);
  HGDIOBJ oldBitmap = SelectObject(canvas, bitmap);
  HGDIOBJ oldFont = SelectObject(canvas, ProgramFont(nullptr));
  SetTextColor(canvas, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(canvas, GetSysColor(COLOR_BTNFACE));
  draw(canvas, at);
  std::vector<bool> ink = Ink(canvas, at);
  SelectObject(canvas, oldFont);
  SelectObject(canvas, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(canvas);
  return ink;
}

// What a screen reader reads as the value of a window's client object.
std::wstring AccessibleValue(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"(no object)";
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR value = nullptr;
  std::wstring text = L"(no value)";
  if (SUCCEEDED(object->get_accValue(self, &value)) && value) {
    text.assign(value, SysStringLen(value));
    SysFreeString(value);
  }
  object->Release();
  return text;
}

// How wide the font sets the text.
int TextWidth(HFONT font, const std::wstring& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

BOOL CALLBACK CollectToolTips(HWND window, LPARAM found) {
  char name[64];
  GetClassNameA(window, name, sizeof(name));
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The windows whose client object announced a new name.
std::vector<HWND> g_named;
void CALLBACK NoteNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (object == OBJID_CLIENT) g_named.push_back(window);
}

// A label that notes what the peer reports, and whether a mouse capture was
// still on when the press reached it.
class NotingLabel : public Label {
 public:
  using Label::Label;
  void MouseEntered() override { events.emplace_back("entered"); }
  void MouseLeft() override { events.emplace_back("left"); }
  void LeftButtonDown() override {
    events.emplace_back(GetCapture() ? "pressed while captured" : "pressed");
  }
  std::vector<std::string> events;
};

class ControlPeersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel.SetBounds(0, 0, 400, 300);
    label.SetBounds(8, 8, 60, 13);
    label.SetText("Aantal:");
    label.SetCursor(base::Cursor::HandPoint);
    line.SetBounds(80, 4, 2, 25);
    spin.SetBounds(88, 4, 121, 22);
    field.SetBounds(8, 30, 200, 21);
    field.OnChange = [this] { ++fieldChanges; };
    field.OnDblClick = [this] { ++fieldDoubleClicks; };
    plain.SetBounds(220, 4, 40, 17);
    plain.SetText(">>");
    picture.SetBounds(270, 4, 40, 40);
    picture.SetText("LPT1");
    picture.SetPicture(Picture::Printer);
    picture.SetPictureLayout(PictureLayout::Top);
    picture.SetHint("Uitvoer naar printerpoort lpt1 ");
    picture.OnClick = [this] { ++pictureClicks; };
    tool.SetBounds(320, 4, 25, 25);
    tool.SetPicture(Picture::RedCross);
    tool.SetHint("Afsluiten");
    tool.OnClick = [this] { ++toolClicks; };
    tool.SetShortcut(Shortcut{kKeyF2, {}});
    form.AddMenuCommand(tool);
    grid.SetBounds(8, 60, 300, 4 + 5 * kPitch);
    grid.SetDefaultRowHeight(kRowHeight);
    grid.OnClick = [this] { ++gridClicks; };
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    windows.Realize(form);
    form.Show();
    Pump();
  }

  void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (PreTranslateMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  void Char(const Control& control, char c) {
    PostMessageA(H(control), WM_CHAR, static_cast<unsigned char>(c), 0);
    Pump();
  }
  void Key(const Control& control, int key) {
    PostMessageA(H(control), WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    Pump();
  }
  void Post(const Control& control, UINT message, WPARAM wParam = 0) {
    PostMessageA(H(control), message, wParam, MAKELPARAM(5, 5));
    Pump();
  }
  // The cursor a control's window shows when the mouse is over it.
  HCURSOR CursorOver(const Control& control) {
    SetCursor(nullptr);
    SendMessageA(H(control), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(control)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }
  void HoldCtrl(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  void Click(const Control& control, int x, int y) {
    SendMessageA(H(control), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(H(control), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
  }
  void FillGrid(int dataRows) {
    grid.SetRowCount(dataRows + 1);
    for (int row = 1; row <= dataRows; ++row) grid.SetCell(0, row, "file" + std::to_string(row));
    Pump();
  }

  Win32WindowSystem windows;
  Form form{"TestForm"};
  Panel panel{&form, "Panel"};
  NotingLabel label{&panel, "Label"};
  BevelLine line{&panel, "Line"};
  SpinEdit spin{&panel, "Spin", 1, 999};
  Edit field{&panel, "Field"};
  Button plain{&panel, "Plain"};
  Button picture{&panel, "Picture"};
  ToolButton tool{&panel, "Tool"};
  StringGrid grid{&panel, "Grid", 2, 2};
  int toolClicks = 0;
  int gridClicks = 0;
  int fieldChanges = 0;
  int fieldDoubleClicks = 0;
  int pictureClicks = 0;
};

TEST_F(ControlPeersTest, TheSpinEditTakesOnlyNumberCharactersAndCorrectsOnLeaving) {
  spin.SetFocus();
  spin.SetText("");
  for (char c : std::string("4a2 x")) Char(spin, c);
  EXPECT_EQ(spin.Text(), "42");
  Key(spin, VK_UP);  // the arrow keys step like the arrow buttons
  EXPECT_EQ(spin.Text(), "43");
  SendMessageA(H(spin), EM_SETSEL, 2, 2);
  Char(spin, '0');
  Char(spin, '0');
  EXPECT_EQ(spin.Text(), "4300");  // out of range until the focus leaves
  grid.SetFocus();
  Pump();
  EXPECT_EQ(spin.Text(), "999");
  EXPECT_EQ(form.ActiveControl(), &grid);
}

TEST_F(ControlPeersTest, AFieldKeepsTheZeroBytesOfItsTextUntilTheUserChangesIt) {
  // A window text ends at a zero byte; the field's own text must not.
  const std::string withZero("\x1b(s0p\0\x1b*c5A", 11);
  field.SetText(withZero);
  Pump();
  EXPECT_EQ(field.Text(), withZero);
  EXPECT_EQ(fieldChanges, 1);
  char shown[32] = {};
  GetWindowTextA(H(field), shown, sizeof(shown));
  EXPECT_STREQ(shown, "\x1b(s0p");
  // A control string is bytes of the code page, also where they would read as
  // UTF-8.
  field.SetText("?\xc3\xa9");
  Pump();
  wchar_t wide[8] = {};
  GetWindowTextW(H(field), wide, 8);
  EXPECT_STREQ(wide, L"?\u00c3\u00a9");
  EXPECT_EQ(AccessibleValue(H(field)), L"?\u00c3\u00a9");  // what a screen reader hears
  field.SetText("\xe9\x1b");                               // no UTF-8 at all
  Pump();
  EXPECT_EQ(AccessibleValue(H(field)), L"\u00e9\x1b");
  field.SetText(withZero);
  fieldChanges = 1;

  field.SetFocus();
  SendMessageA(H(field), EM_SETSEL, 5, 5);
  Char(field, 'X');
  EXPECT_EQ(field.Text(), "\x1b(s0pX");  // what the user sees and edits
  EXPECT_EQ(fieldChanges, 2);
}

TEST_F(ControlPeersTest, AClickSelectsADataRowAndTakesTheFocusButTheHeaderStaysUnselectable) {
  FillGrid(4);
  Click(grid, 10, 3 * kPitch + 5);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(gridClicks, 1);
  EXPECT_EQ(GetFocus(), H(grid));
  Click(grid, 10, 5);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(gridClicks, 1);
  Click(grid, 10, 4 * kPitch + 3);
  Key(grid, VK_DOWN);  // already on the last row
  Key(grid, VK_HOME);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(gridClicks, 3);
}

TEST_F(ControlPeersTest, AFileNameOutsideTheCodePageShowsInTheGridAsItIs) {
  const std::wstring wide = L"C:\\x\\\u0141\u00f3d\u017a-\u00fc.prn";  // Łódź-ü.prn
  const std::string name = platform::win32::NameFromWide(wide);
  constexpr int kRow = 2;  // not the selected row
  constexpr int kTextOffset = 2;
  grid.SetColWidth(0, 250);
  FillGrid(2);
  grid.SetCell(0, kRow, name);
  Pump();
  UpdateWindow(H(grid));
  const RECT cell{0, grid.RowTop(kRow), grid.ColWidth(0), grid.RowTop(kRow) + kRowHeight};

  HDC window = GetDC(H(grid));
  const std::vector<bool> shown = Ink(window, cell);
  const auto drawnAs = [&](auto textOut) {
    return CellInk(window, cell, [&](HDC dc, const RECT& at) {
      textOut(dc, at.left + kTextOffset, at.top + kTextOffset, ETO_CLIPPED | ETO_OPAQUE, &at);
    });
  };
  const std::vector<bool> expected =
      drawnAs([&](HDC dc, int x, int y, UINT options, const RECT* at) {
        ExtTextOutW(dc, x, y, options, at, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
      });
  const std::vector<bool> raw = drawnAs([&](HDC dc, int x, int y, UINT options, const RECT* at) {
    ExtTextOutA(dc, x, y, options, at, name.c_str(), static_cast<UINT>(name.size()), nullptr);
  });
  ReleaseDC(H(grid), window);

  EXPECT_NE(expected, raw) << "the name's bytes look like the name: the test proves nothing";
  EXPECT_EQ(shown, expected);
}

TEST_F(ControlPeersTest, TheScrollBarShowsOnlyWhileRowsAreOutOfView) {
  FillGrid(3);
  EXPECT_FALSE(GetWindowLongA(H(grid), GWL_STYLE) & WS_VSCROLL);
  FillGrid(40);
  EXPECT_TRUE(GetWindowLongA(H(grid), GWL_STYLE) & WS_VSCROLL);
  grid.SetFocus();
  Key(grid, VK_END);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(H(grid), SB_VERT, &info);
  EXPECT_EQ(info.nMax, 39);
  EXPECT_EQ(info.nPos, grid.TopRow() - 1);
  EXPECT_EQ(grid.TopRow() + grid.VisibleDataRows() - 1, 40);
  SendMessageA(H(grid), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(grid.Row(), 40);  // scrolling leaves the selection alone
}

TEST_F(ControlPeersTest, KeyPreviewSeesKeysFirstAndDiscardsTheOnesItHandles) {
  FillGrid(4);
  std::vector<ShiftState> seen;
  form.SetKeyPreview(true);
  form.OnKeyDown = [&](int key, ShiftState shift) {
    seen.push_back(shift);
    return key == kKeyDown && shift.ctrl;
  };
  grid.SetFocus();
  HoldCtrl(true);
  Key(grid, VK_DOWN);
  HoldCtrl(false);
  EXPECT_EQ(grid.Row(), 1);
  Key(grid, VK_DOWN);
  EXPECT_EQ(grid.Row(), 2);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_TRUE(seen[0].ctrl);
  EXPECT_FALSE(seen[1].ctrl);
}

TEST_F(ControlPeersTest, EveryHintIsAToolTipOfTheForm) {
  std::vector<HWND> tips;
  EnumThreadWindows(GetCurrentThreadId(), CollectToolTips, reinterpret_cast<LPARAM>(&tips));
  HWND tip = nullptr;
  for (HWND candidate : tips) {
    if (GetWindow(candidate, GW_OWNER) == H(form)) tip = candidate;
  }
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  // The hint as it is, though the button has a key (the menu shows that).
  wchar_t text[64] = L"";
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = H(form);
  info.uId = reinterpret_cast<UINT_PTR>(H(tool));
  info.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"Afsluiten");
  spin.SetHint("Aantal kopieën");
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 3);
  tool.SetHint("");
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
}

TEST_F(ControlPeersTest, APressOnALabelOrSeparatorIsNotThePanels) {
  for (const Control* control :
       {static_cast<const Control*>(&label), static_cast<const Control*>(&line)}) {
    RECT rect;
    GetWindowRect(H(*control), &rect);
    EXPECT_EQ(SendMessageA(H(*control), WM_NCHITTEST, 0, MAKELPARAM(rect.left + 1, rect.top + 1)),
              HTCLIENT)
        << control->Name();
  }
}

TEST_F(ControlPeersTest, ALabelReportsTheMouseAndActsOnAPressOnceCaptureHasEnded) {
  Post(label, WM_MOUSEMOVE);
  Post(label, WM_MOUSEMOVE);
  Post(label, WM_MOUSELEAVE);
  SetCapture(H(form));
  Post(label, WM_LBUTTONDOWN, MK_LBUTTON);
  Post(label, WM_LBUTTONUP);
  EXPECT_EQ(label.events, (std::vector<std::string>{"entered", "left", "pressed"}));
}

TEST_F(ControlPeersTest, TheProgramsCursorGoesBeforeALabelsOwnAndTheWindowsDefault) {
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
  EXPECT_EQ(CursorOver(label), hand);
  EXPECT_NE(CursorOver(field), hand);
  Win32ScreenCursor cursor;
  cursor.Set(base::Cursor::HourGlass);
  for (const Control* control :
       {static_cast<const Control*>(&label), static_cast<const Control*>(&field),
        static_cast<const Control*>(&grid)}) {
    EXPECT_EQ(CursorOver(*control), wait) << control->Name();
  }
  cursor.Set(base::Cursor::Default);
  EXPECT_EQ(CursorOver(label), hand);
}

TEST_F(ControlPeersTest, ALabelsTextTakesTheColourOfItsFontOnTheButtonFace) {
  Font font = label.GetFont();
  font.color = Color::Rgb(0, 0, 255);
  label.SetFont(font);
  HDC dc = CreateCompatibleDC(nullptr);
  const LRESULT brush = SendMessageA(H(panel), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(H(label)));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
  DeleteDC(dc);
}

TEST_F(ControlPeersTest, ADoubleClickIsASecondPressOnAButtonAndReportedByAField) {
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    Post(picture, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON);
  }
  EXPECT_EQ(pictureClicks, 2);
  Post(field, WM_LBUTTONDOWN, MK_LBUTTON);
  Post(field, WM_LBUTTONUP);
  EXPECT_EQ(fieldDoubleClicks, 0);
  Post(field, WM_LBUTTONDBLCLK, MK_LBUTTON);
  Post(field, WM_LBUTTONUP);
  EXPECT_EQ(fieldDoubleClicks, 1);
}

TEST_F(ControlPeersTest, TabGoesThroughTheModelsTabCycle) {
  std::vector<HWND> expected;
  for (Control* control : TabCycle(form)) expected.push_back(H(*control));
  ASSERT_EQ(expected.size(), 5u);  // spin edit, field, both push buttons, grid
  std::vector<HWND> visited{expected.front()};
  for (std::size_t i = 1; i < expected.size(); ++i) {
    visited.push_back(GetNextDlgTabItem(H(form), visited.back(), FALSE));
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(ControlPeersTest, PictureButtonsAreOwnerDrawnAndToolButtonsNeverTakeTheFocus) {
  EXPECT_EQ(GetWindowLongA(H(picture), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(GetWindowLongA(H(plain), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  spin.SetFocus();
  Click(tool, 5, 5);
  EXPECT_EQ(toolClicks, 1);
  EXPECT_EQ(GetFocus(), H(spin));
  SendMessageA(H(tool), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(H(tool), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 5));
  SendMessageA(H(tool), WM_LBUTTONUP, 0, MAKELPARAM(60, 5));  // let go outside
  EXPECT_EQ(toolClicks, 1);
}

TEST_F(ControlPeersTest, MenuCommandsAndKeysActOnlyWhileEnabledEnterPressesAndTextIsAnnounced) {
  HMENU menu = GetSystemMenu(H(form), FALSE);
  const int last = GetMenuItemCount(menu) - 1;
  wchar_t text[64] = L"";
  GetMenuStringW(menu, static_cast<UINT>(last), text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Afsluiten\tF2");
  EXPECT_NE(GetMenuState(menu, static_cast<UINT>(last - 1), MF_BYPOSITION) & MF_SEPARATOR, 0u);
  const UINT id = GetMenuItemID(menu, last);
  for (bool enabled : {true, false}) {  // a run disables the button
    tool.SetEnabled(enabled);
    SendMessageW(H(form), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    EXPECT_EQ((GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0, !enabled);
    const int before = toolClicks;
    SendMessageW(H(form), WM_SYSCOMMAND, id, 0);
    Key(spin, VK_F2);
    EXPECT_EQ(toolClicks - before, enabled ? 2 : 0) << "enabled " << enabled;
  }

  picture.SetFocus();
  Key(picture, VK_RETURN);
  PostMessageA(H(picture), WM_KEYDOWN, VK_RETURN, LPARAM{1} << 30);  // the key held: a repeat
  Pump();
  EXPECT_EQ(pictureClicks, 1);

  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, NoteNameChange,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  label.SetText("Bezig: kopie 1 van 2");
  Pump();
  UnhookWinEvent(hook);
  EXPECT_EQ(g_named, std::vector<HWND>{H(label)});
}

TEST_F(ControlPeersTest, AtANewScaleTheWindowKeepsItsClientSizeAndItsCaptionStaysInReach) {
  RECT before;
  GetClientRect(H(form), &before);
  // The system suggests the whole window scaled, frame and all.
  const UINT dpi = static_cast<UINT>(DpiScale::Of(H(form)).Dpi());
  RECT suggested{10, 20, 10 + 700, 20 + 520};
  SendMessageW(H(form), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RECT window, client;
  GetWindowRect(H(form), &window);
  GetClientRect(H(form), &client);
  EXPECT_EQ(window.left, 10);
  EXPECT_EQ(window.top, 20);
  EXPECT_EQ(client.right, before.right);
  EXPECT_EQ(client.bottom, before.bottom);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(H(form), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  form.SetClientWidth(work.right - work.left + 300);
  form.SetClientHeight(work.bottom - work.top + 200);
  form.CenterOnScreen();
  GetWindowRect(H(form), &window);
  EXPECT_EQ(window.left, work.left);
  EXPECT_EQ(window.top, work.top);
}

TEST_F(ControlPeersTest, AtEveryLargerScaleTheFontSetsCaptionsNoWiderThanAtNinetySixDpiScaled) {
  const DpiScale design(kDesignDpi);
  HFONT designFont = CreateProgramFont(Font{}, design);
  LOGFONTW asked{};
  GetObjectW(designFont, sizeof(asked), &asked);
  EXPECT_STREQ(asked.lfFaceName, kProgramFontFace);
  EXPECT_EQ(asked.lfHeight, -11);
  EXPECT_EQ(asked.lfCharSet, DEFAULT_CHARSET);  // linked fonts for the rest
  const std::wstring captions[] = {L"Het aantal kopie\u00ebn per bestand opgeven",
                                   L"Aantal kopie\u00ebn:",
                                   L"Zie de internetsite voor nieuwe versies",
                                   L"Maak een lijst en kies daarna de uitvoereenheid",
                                   L"dubbelklik in tekstveld voor ESC code",
                                   L"Nieuwe Lijst"};
  for (const int dpi : {120, 144, 168, 192}) {
    const DpiScale scale(dpi);
    HFONT font = CreateProgramFont(Font{}, scale);
    LOGFONTW made{};
    GetObjectW(font, sizeof(made), &made);
    EXPECT_LT(made.lfHeight, -11) << dpi << " dpi: no larger than at 96 dpi";
    for (const std::wstring& caption : captions) {
      EXPECT_LE(TextWidth(font, caption), scale.Out(TextWidth(designFont, caption)))
          << dpi << " dpi, " << platform::win32::NameFromWide(caption);
    }
    DeleteObject(font);
  }
  DeleteObject(designFont);
}

TEST_F(ControlPeersTest, PicturesDrawOnlyWhereTheyAreNotTransparentInColourOrGreyed) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, kPictureSize, kPictureSize);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, canvas);
  const COLORREF face = RGB(10, 20, 30);
  auto draw = [&](bool greyed) {
    RECT all{0, 0, kPictureSize, kPictureSize};
    HBRUSH brush = CreateSolidBrush(face);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DrawPicture(dc, Picture::RedCross, kPictureSize, 0, 0, greyed);
  };
  draw(false);
  EXPECT_EQ(GetPixel(dc, 7, 7), RGB(255, 0, 0));  // the cross's centre
  EXPECT_EQ(GetPixel(dc, 4, 7), RGB(0, 0, 0));    // its outline
  EXPECT_EQ(GetPixel(dc, 0, 0), face);            // olive in the map
  EXPECT_EQ(GetPixel(dc, 0, 15), face);
  draw(true);
  EXPECT_EQ(GetPixel(dc, 7, 7), RGB(128, 128, 128));
  EXPECT_EQ(GetPixel(dc, 0, 0), face);
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
}

}  // namespace
}  // namespace morvane::ui::win32
