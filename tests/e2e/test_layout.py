"""The main window as the user sees it, read from outside: its client size
in both modes, and every control's place, text and state, after switches
with the mode button; and every window of the program at larger display
scales. Screenshots go to build/screenshots/."""

import unittest

from gui import FORM_CLASS, PANEL_CLASS, TOOL_BUTTON_CLASS
from test_commands import (INFO_CAPTION, MAIN_CAPTION, SETUP_CAPTION, TOOLBAR_INFO, TOOLBAR_SETUP,
                           WindowTestCase)

SIMPLE_SIZE = (470, 125)
EXTENDED_SIZE = (581, 468)
SIMPLE_BANDS = [(0, 33), (33, 101), (101, 125)]
EXTENDED_BANDS = [(0, 33), (33, 101), (101, 199), (199, 411), (411, 444), (444, 468)]
TARGETS = ["LPT1", "LPT2", "LPT3", "COM1", "COM2", "Win"]
TARGET_TOP, TARGET_SIZE, TARGET_STEP, TARGET_LEFT = 5, 40, 40, 4
TOOL_BUTTON_LEFTS = [4, 38, 63, 88, 113]
TOOL_BUTTON_TOP, TOOL_BUTTON_SIZE = 4, 25
SIMPLE_HINT = "Kies uitvoereenheid daarna bestand"
EXTENDED_HINT = "Maak een lijst en kies daarna de uitvoereenheid"


class MainWindowLayoutTest(WindowTestCase):
    def place(self, tree, window):
        """The window's left, top, width, height in its parent's client area."""
        parent = next(w for w in tree.windows if w.handle == window.parent)
        return window.rect.relative_to(parent.client)

    def bands(self, tree):
        """The y ranges of the visible panels directly on the window."""
        panels = [w for w in tree.children(tree.top) if w.class_name == PANEL_CLASS and w.visible
                  and w.rect.height > 0]
        origin = tree.top.client.top
        return sorted((p.rect.top - origin, p.rect.bottom - origin) for p in panels)

    def check_common(self, tree):
        for index, text in enumerate(TARGETS):
            button = tree.button(text)
            self.assertEqual(self.place(tree, button),
                             (TARGET_LEFT + index * TARGET_STEP, TARGET_TOP, TARGET_SIZE,
                              TARGET_SIZE), text)
            self.assertTrue(button.enabled and button.visible, text)
        tools = tree.tool_buttons()
        self.assertEqual([self.place(tree, b) for b in tools],
                         [(left, TOOL_BUTTON_TOP, TOOL_BUTTON_SIZE, TOOL_BUTTON_SIZE)
                          for left in TOOL_BUTTON_LEFTS])
        self.assertTrue(all(b.enabled for b in tools))
        label = tree.find("Static", "Windows pinter:")
        self.assertEqual(self.place(tree, label)[:2], (248, 6))
        combo = [w for w in tree.windows if w.class_name == "ComboBox"]
        self.assertEqual(len(combo), 1)
        self.assertEqual(self.place(tree, combo[0]), (248, 24, 217, 21))
        self.assertIn(self.wine.unicode_printer, combo[0].items,
                      "the printer selector does not list the queue's name as it is")

    def check_simple(self, tree):
        self.assertEqual(tree.client_size(), SIMPLE_SIZE)
        self.assertEqual(self.bands(tree), SIMPLE_BANDS)
        self.check_common(tree)
        self.assertEqual(self.place(tree, tree.button(">>")), (4, 48, 40, 17))
        self.assertEqual(self.hint_bar(tree).text, SIMPLE_HINT)
        for hidden in ("Nieuwe Lijst", "Openen", "Sets maken"):
            button = tree.button(hidden)
            self.assertFalse(button.visible, f"{hidden} shows in simple mode")

    def check_extended(self, tree):
        self.assertEqual(tree.client_size(), EXTENDED_SIZE)
        self.assertEqual(self.bands(tree), EXTENDED_BANDS)
        self.check_common(tree)
        self.assertEqual(self.place(tree, tree.button("<<")), (4, 48, 40, 17))
        self.assertEqual(self.hint_bar(tree).text, EXTENDED_HINT)
        self.assertEqual(self.place(tree, tree.button("Nieuwe Lijst")), (4, 4, 94, 25))
        self.assertEqual(self.place(tree, tree.button("Openen")), (102, 4, 94, 25))
        self.assertEqual(self.place(tree, tree.find("MorvaneGroupBox", "Aantallen")),
                         (8, 6, 229, 85))
        self.assertEqual(self.place(tree, tree.button("Het aantal kopieën per bestand opgeven")),
                         (10, 42, 215, 17))
        self.assertEqual(self.place(tree, tree.button("Sets maken")), (10, 62, 97, 17))
        arrows = [w for w in tree.windows if w.class_name == TOOL_BUTTON_CLASS and w.visible
                  and w not in tree.tool_buttons()]
        self.assertEqual(sorted(self.place(tree, w)[2:] for w in arrows), [(19, 22), (23, 22)])
        for window in tree.shown():
            self.assertTrue(window.enabled, f"{window.class_name} {window.text!r} is disabled")

    def test_both_modes_and_switching_back_and_forth(self):
        run = self.start_window()
        simple = self.main_window()
        self.check_simple(simple)
        self.desktop.screenshot("main-window-simple")

        self.desktop.click(simple.button(">>"))
        self.wait_enabled("<<")
        extended = self.main_window()
        self.check_extended(extended)
        self.desktop.screenshot("main-window-extended")

        self.desktop.click(extended.button("<<"))
        self.wait_enabled(">>")
        self.check_simple(self.main_window())
        self.quit(run)


DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
SCALES = (120, 144, 192)
TOLERANCE = 2  # pixels, for the system's rounding
# Windows the system sizes for the font or its own metrics: only their place
# follows the scale (labels fit their text, a combo box its font, the spin
# edit's arrows and the tab control's pages the system's metrics).
PLACED_ONLY = {"Static", "ComboBox", "Edit"}
# A label is as wide as its text: a text in the font of the scale is no wider
# than at 96 dpi, scaled, or the captions of fixed size are cut off.
LABEL = "Static"
UNSCALED = {"msctls_updown32", "ComboLBox"}


def place(tree, window):
    parent = next((w for w in tree.windows if w.handle == window.parent), None)
    origin = parent.client if parent else window.rect
    return window.rect.relative_to(origin)


class ScaledLayoutTest(WindowTestCase):
    """At 120, 144 and 192 dots per inch every window of the program is its
    96-dpi self scaled by 1.25, 1.5 and 2: client areas, the places and sizes
    of the controls inside, and texts no wider; and every window, the one
    larger than the screen too, shows its caption on the screen."""

    def tearDown(self):
        self.set_dpi(None)
        super().tearDown()

    def set_dpi(self, dpi):
        if dpi is None:
            self.wine.wine_tool("reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f")
        else:
            status, output = self.wine.wine_tool("reg", "add", DESKTOP_KEY, "/v", "LogPixels",
                                                 "/t", "REG_DWORD", "/d", str(dpi), "/f")
            self.assertEqual(status, 0, output)
        self.wine.kill_all()

    def trees(self, percent):
        """Every window of the program, read at the current scale: the setup
        dialog and the info box from simple mode, then the extended mode (at
        200 % larger than the test screen, so the window is closed from here)."""
        self.wine.delete_program_key()  # the last run ended in extended mode
        run = self.start_window()
        trees = {"simple": self.main_window()}
        self.desktop.screenshot(f"main-window-simple-{percent}")
        self.desktop.click(trees["simple"].tool_buttons()[TOOLBAR_SETUP])
        self.assertTrue(self.desktop.wait(SETUP_CAPTION), "the setup dialog did not appear")
        trees["setup"] = self.desktop.tree(SETUP_CAPTION)
        self.desktop.screenshot(f"setup-dialog-{percent}")
        self.desktop.press(SETUP_CAPTION, "Annuleren")
        self.assertTrue(self.desktop.wait_gone(SETUP_CAPTION), "the setup dialog stays")
        self.desktop.click(self.main_window().tool_buttons()[TOOLBAR_INFO])
        self.assertTrue(self.desktop.wait(INFO_CAPTION), "the info box did not appear")
        trees["info"] = self.desktop.tree(INFO_CAPTION)
        self.desktop.screenshot(f"info-box-{percent}")
        self.desktop.press(INFO_CAPTION, "Ok")
        self.assertTrue(self.desktop.wait_gone(INFO_CAPTION), "the info box stays")
        self.desktop.click(self.main_window().button(">>"))
        self.wait_enabled("<<")
        trees["extended"] = self.main_window()
        self.desktop.screenshot(f"main-window-extended-{percent}")
        self.desktop.drive("close", FORM_CLASS, MAIN_CAPTION)
        self.assertEqual(run.wait(), 0)
        return trees

    def assertScaled(self, measured, design, factor, what):
        expected = [round(value * factor) for value in design]
        self.assertTrue(all(abs(m - e) <= TOLERANCE for m, e in zip(measured, expected)),
                        f"{what}: {measured} at the scale, {design} at 96 dpi, "
                        f"{expected} expected")

    def compare(self, scaled, design, factor, name):
        self.assertScaled(scaled.client_size(), design.client_size(), factor, f"{name} client area")
        self.assertGreaterEqual(min(scaled.top.rect.left, scaled.top.rect.top), 0,
                                f"{name}: the caption is off the screen")
        self.assertEqual([w.class_name for w in scaled.windows],
                         [w.class_name for w in design.windows], f"{name}: other windows")
        parents = {w.handle: w.class_name for w in design.windows}
        for ours, base in zip(scaled.windows[1:], design.windows[1:]):
            parent = parents.get(base.parent)
            if base.class_name in UNSCALED or parent in ("ComboBox", "SysTabControl32"):
                continue
            what = f"{name}: {base.class_name} {base.text!r}"
            count = 2 if base.class_name in PLACED_ONLY else 4
            self.assertScaled(place(scaled, ours)[:count], place(design, base)[:count], factor,
                              what)
            if base.class_name == LABEL and base.text:
                self.assertLessEqual(ours.rect.width, round(base.rect.width * factor) + TOLERANCE,
                                     f"{what}: its text is wider than at 96 dpi")

    def test_every_window_scales_with_the_display(self):
        design = self.trees(100)
        for dpi in SCALES:
            self.set_dpi(dpi)
            scaled = self.trees(dpi * 100 // 96)
            for name, tree in scaled.items():
                self.compare(tree, design[name], dpi / 96, f"{name} at {dpi} dpi")


if __name__ == "__main__":
    unittest.main()
