"""The main window as the user sees it, read from outside: its client size
in both modes, and every control's place, text and state, after switches
with the mode button. Screenshots of both modes go to build/screenshots/."""

import unittest

from gui import PANEL_CLASS, TOOL_BUTTON_CLASS
from test_commands import WindowTestCase

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


if __name__ == "__main__":
    unittest.main()
