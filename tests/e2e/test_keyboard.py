"""The program without a mouse: every control's name and role as a screen
reader reads them from another process, the tab cycle in both modes, and
the toolbar's commands from the system menu and their shortcut keys."""

import unittest

from gui import FORM_CLASS, TOOL_BUTTON_CLASS, unescape
from harness import MAIN_CAPTION
from test_commands import INFO_CAPTION, SETUP_CAPTION
from test_help import HELP_WINDOW_CLASS, HelpTestCase

PUSH_BUTTON, CHECK_BOX, TEXT, COMBO_BOX, TABLE, STATUS_BAR, LINK = 43, 44, 42, 46, 24, 23, 30
CHECKED = 0x10
F1, CTRL, ALT_SPACE, UP, RETURN, TAB, SHIFT_TAB = "70", "11", "12+20", "26", "0D", "09", "10+09"
# Tool tip, shortcut key as shown and as typed, and the window it opens.
COMMANDS = [("Setup", "F2", "71", FORM_CLASS, SETUP_CAPTION),
            ("Printerinstellingen", "F3", "72", "#32770", ""),
            ("Help", "F1", F1, HELP_WINDOW_CLASS, ""),
            ("Programmainformatie", "Ctrl+F1", f"{CTRL}+{F1}", FORM_CLASS, INFO_CAPTION)]
TARGETS = {"LPT1": "Uitvoer naar printerpoort lpt1 ", "LPT2": "Uitvoer naar printerpoort lpt2",
           "LPT3": "Uitvoer naar printerpoort lpt3", "COM1": "Uitvoer naar seriëlepoort com1",
           "COM2": "Uitvoer naar seriëlepoort com2", "Win": "Uitvoer naar windows printer"}
PER_FILE, SETS = "Het aantal kopieën per bestand opgeven", "Sets maken"
SIMPLE_CYCLE = [*TARGETS, ">>", "printer"]
EXTENDED_CYCLE = ["Nieuwe Lijst", "Openen", *TARGETS, "<<", "printer", "count", PER_FILE, SETS,
                  "grid"]


class KeyboardTestCase(HelpTestCase):
    def drive(self, *args):
        status, output = self.desktop.drive(*args)
        self.assertEqual(status, 0, output)
        return [line.rstrip("\r").split("\t") for line in output.splitlines()]

    def read(self, caption):
        """(role, state, name, value, description, shortcut) by window handle."""
        return {int(f[1]): (int(f[2]), int(f[3]), *map(unescape, f[4:]))
                for f in self.drive("accessible", FORM_CLASS, caption, 20000) if f[0] == "acc"}

    def keys(self, *combos, caption=MAIN_CAPTION):
        self.drive("keys", FORM_CLASS if caption else "", caption, *combos)

    def close_opened(self, class_name, caption, how):
        self.assertTrue(self.desktop.wait(caption, class_name=class_name), f"{how} opened nothing")
        self.desktop.drive("close", class_name, caption)
        self.assertTrue(self.desktop.wait_gone(caption, class_name=class_name))


class AccessibleNamesTest(KeyboardTestCase):
    def test_every_control_reports_its_name_and_role_to_another_process(self):
        path = self.data_file("a.prn", b"x")
        run = self.start_window(extended=True)
        self.add_file_with_open(path)
        tree = self.main_window()
        read = self.read(MAIN_CAPTION)

        def of(window):
            return read[window.handle]

        tools = [of(w) for w in tree.windows if w.class_name == TOOL_BUTTON_CLASS]
        self.assertCountEqual([(r[0], r[2], r[5]) for r in tools],
                              [(PUSH_BUTTON, "Afsluiten", ""),
                               (PUSH_BUTTON, "Regel omhoog", "Ctrl+Pijl-omhoog"),
                               (PUSH_BUTTON, "Regel omlaag", "Ctrl+Pijl-omlaag")]
                              + [(PUSH_BUTTON, tip, key) for tip, key, *_ in COMMANDS])
        for caption, tip in {**TARGETS, "<<": "Extra opties verbergen"}.items():
            self.assertEqual(of(tree.button(caption))[::2], (PUSH_BUTTON, caption, tip))
        combo = next(w for w in tree.windows if w.class_name == "ComboBox")
        # The combo box's edit field, which takes its focus, is named after it.
        part, count = sorted((w for w in tree.windows if w.class_name == "Edit"),
                             key=lambda w: w.parent != combo.handle)
        grid = next(w for w in tree.windows if w.class_name == "MorvaneStringGrid")
        self.assertEqual([of(w)[0:1] + of(w)[2:4] for w in (combo, part, count, grid)],
                         [(COMBO_BOX, "Windows pinter:", combo.text),
                          (TEXT, "Windows pinter:", combo.text), (TEXT, "Aantal kopieën:", "1"),
                          (TABLE, "Bestandenlijst", path + ", 1")])
        self.assertEqual([(of(tree.button(c))[0], of(tree.button(c))[1] & CHECKED)
                          for c in (PER_FILE, SETS)], [(CHECK_BOX, 0), (CHECK_BOX, CHECKED)])
        self.assertEqual(of(self.hint_bar(tree))[0:3:2],
                         (STATUS_BAR, "Maak een lijst en kies daarna de uitvoereenheid"))

        self.keys(COMMANDS[0][2])
        self.assertTrue(self.desktop.wait(SETUP_CAPTION))
        setup = self.read(SETUP_CAPTION)
        fields = [setup[w.handle][0:3:2] for w in self.desktop.tree(SETUP_CAPTION).windows
                  if w.class_name == "Edit"]
        self.assertCountEqual(fields, [(TEXT, f"{page} {end}") for end in ("INIT", "EXIT")
                                       for page in ("LPT1", "LPT2", "LPT3", "COM1", "COM2", "WIN")])
        self.desktop.press(SETUP_CAPTION, "Annuleren")
        self.keys(COMMANDS[3][2])
        self.assertTrue(self.desktop.wait(INFO_CAPTION))
        self.assertIn((LINK, "Zie de internetsite voor nieuwe versies"),
                      [r[0:3:2] for r in self.read(INFO_CAPTION).values()])
        self.desktop.press(INFO_CAPTION, "Ok")
        self.quit(run)


class TabCycleTest(KeyboardTestCase):
    def walk(self, tree, *combos):
        """What has the focus after each key: a button's caption or a kind."""
        windows = {w.handle: w for w in tree.windows}
        kinds = {"ComboBox": "printer", "Edit": "count", "MorvaneStringGrid": "grid"}
        walked = []
        for _, handle in self.drive("tab-walk", FORM_CLASS, MAIN_CAPTION, *combos)[1:]:
            window = windows[int(handle)]
            in_combo = getattr(windows.get(window.parent), "class_name", "") == "ComboBox"
            walked.append(kinds.get("ComboBox" if in_combo else window.class_name, window.text))
        return walked

    def check_cycle(self, cycle, mode):
        tree = self.main_window()
        walked = self.walk(tree, *[TAB] * (len(cycle) + 1))
        self.desktop.screenshot(f"tab-focus-{mode}")
        start = cycle.index(walked[0]) if walked[0] in cycle else 0
        self.assertEqual(walked, [cycle[(start + i) % len(cycle)] for i in range(len(cycle) + 1)])
        here = cycle.index(walked[-1])
        self.assertEqual(self.walk(tree, SHIFT_TAB), [cycle[here - 1]])

    def test_tab_goes_round_the_simple_mode_cycle(self):
        run = self.start_window()
        self.check_cycle(SIMPLE_CYCLE, "simple")
        self.quit(run)

    def test_tab_goes_round_the_extended_mode_cycle(self):
        run = self.start_window(extended=True)
        self.check_cycle(EXTENDED_CYCLE, "extended")
        self.quit(run)


class KeyboardCommandTest(KeyboardTestCase):
    def test_each_command_opens_from_its_key_and_from_the_system_menu(self):
        run = self.start_window()
        for tip, _, key, class_name, caption in COMMANDS:
            self.keys(key)
            self.close_opened(class_name, caption, f"the key of {tip}")
        # Up from the menu's top wraps to its last item, Programmainformatie.
        for ups, (tip, _, _, class_name, caption) in enumerate(reversed(COMMANDS), start=1):
            self.keys(ALT_SPACE)
            self.assertTrue(self.desktop.wait("", class_name="#32768"), "no system menu")
            self.keys(*[UP] * ups, RETURN, caption="")
            self.close_opened(class_name, caption, f"the menu's {tip}")
        self.quit(run)


if __name__ == "__main__":
    unittest.main()
