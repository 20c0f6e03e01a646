"""The program without a mouse: its controls as a screen reader reads them
through Active Accessibility from another process, the tab cycle walked with
the keyboard in both modes, and the toolbar's commands chosen from the
window's system menu and with their shortcut keys."""

import unittest

from gui import FORM_CLASS, TOOL_BUTTON_CLASS, unescape
from harness import MAIN_CAPTION
from test_commands import INFO_CAPTION, SETUP_CAPTION
from test_help import HELP_WINDOW_CLASS, HelpTestCase

# Active Accessibility's roles and the one state bit looked at.
ROLE_PUSH_BUTTON, ROLE_CHECK_BOX, ROLE_TEXT, ROLE_COMBO_BOX = 43, 44, 42, 46
ROLE_TABLE, ROLE_STATUS_BAR, ROLE_LINK = 24, 23, 30
STATE_CHECKED = 0x10
# Virtual keys, hexadecimal as the driver takes them.
F1, F2, F3, CTRL, ALT, SPACE, UP, RETURN = "70", "71", "72", "11", "12", "20", "26", "0D"
MENU_CLASS = "#32768"
COMMON_DIALOG_CLASS = "#32770"  # the printer setup dialog
# The toolbar's commands: tool tip, shortcut key, and the window each opens.
COMMANDS = [("Setup", "F2", F2, FORM_CLASS, SETUP_CAPTION),
            ("Printerinstellingen", "F3", F3, COMMON_DIALOG_CLASS, ""),
            ("Help", "F1", F1, HELP_WINDOW_CLASS, ""),
            ("Programmainformatie", "Ctrl+F1", f"{CTRL}+{F1}", FORM_CLASS, INFO_CAPTION)]
TARGETS = [("LPT1", "Uitvoer naar printerpoort lpt1 "), ("LPT2", "Uitvoer naar printerpoort lpt2"),
           ("LPT3", "Uitvoer naar printerpoort lpt3"), ("COM1", "Uitvoer naar seriëlepoort com1"),
           ("COM2", "Uitvoer naar seriëlepoort com2"), ("Win", "Uitvoer naar windows printer")]
SIMPLE_CYCLE = [name for name, _ in TARGETS] + [">>", "printer"]
EXTENDED_CYCLE = (["Nieuwe Lijst", "Openen"] + [name for name, _ in TARGETS]
                  + ["<<", "printer", "count", "Het aantal kopieën per bestand opgeven",
                     "Sets maken", "grid"])
SETUP_FIELDS = [f"{page} {end}" for page in ("LPT1", "LPT2", "LPT3", "COM1", "COM2", "WIN")
                for end in ("INIT", "EXIT")]


def read_accessible(desktop, caption):
    """Handle -> (role, state, name, value, description, shortcut) of the
    window and every window inside it."""
    status, output = desktop.drive("accessible", FORM_CLASS, caption, 20000)
    if status != 0:
        raise AssertionError(f"reading {caption!r} failed: {output}")
    objects = {}
    for line in output.splitlines():
        fields = line.rstrip("\r").split("\t")
        if len(fields) == 8 and fields[0] == "acc":
            objects[int(fields[1])] = (int(fields[2]), int(fields[3]),
                                       *map(unescape, fields[4:]))
    return objects


class KeyboardTestCase(HelpTestCase):
    def keys(self, *combos, caption=MAIN_CAPTION):
        class_name = FORM_CLASS if caption else ""
        status, output = self.desktop.drive("keys", class_name, caption, *combos)
        self.assertEqual(status, 0, output)

    def close_opened(self, class_name, caption, how):
        self.assertTrue(self.desktop.wait(caption, class_name=class_name),
                        f"{how} opened no {class_name} {caption!r}")
        self.desktop.drive("close", class_name, caption)
        self.assertTrue(self.desktop.wait_gone(caption, class_name=class_name))


class AccessibleNamesTest(KeyboardTestCase):
    def test_every_control_has_a_name_and_role_read_from_outside(self):
        file_name = self.data_file("a.prn", b"x")
        run = self.start_window(extended=True)
        self.add_file_with_open(file_name)
        tree = self.main_window()
        objects = read_accessible(self.desktop, MAIN_CAPTION)
        read = {w.handle: objects[w.handle] for w in tree.windows}
        print("main window:", *sorted(set((o[0], o[2]) for o in read.values())), sep="\n  ")

        tools = [w for w in tree.windows if w.class_name == TOOL_BUTTON_CLASS]
        self.assertEqual(sorted((read[w.handle][0], read[w.handle][2], read[w.handle][5])
                                for w in tools),
                         sorted([(ROLE_PUSH_BUTTON, "Afsluiten", "")]
                                + [(ROLE_PUSH_BUTTON, tip, key) for tip, key, *_ in COMMANDS]
                                + [(ROLE_PUSH_BUTTON, "Regel omhoog", "Ctrl+Pijl-omhoog"),
                                   (ROLE_PUSH_BUTTON, "Regel omlaag", "Ctrl+Pijl-omlaag")]))
        for caption, tip in TARGETS:
            role, _, name, _, description, _ = read[tree.button(caption).handle]
            self.assertEqual((role, name, description), (ROLE_PUSH_BUTTON, caption, tip))
        for caption in ("<<", "Nieuwe Lijst", "Openen"):
            self.assertEqual(read[tree.button(caption).handle][:3:2], (ROLE_PUSH_BUTTON, caption))
        combo = next(w for w in tree.windows if w.class_name == "ComboBox")
        self.assertEqual(read[combo.handle][:1] + read[combo.handle][2:4],
                         (ROLE_COMBO_BOX, "Windows pinter:", combo.text))
        self.assertTrue(combo.text)
        count = next(w for w in tree.windows if w.class_name == "Edit"
                     and w.parent != combo.handle)
        self.assertEqual(read[count.handle][:1] + read[count.handle][2:4],
                         (ROLE_TEXT, "Aantal kopieën:", "1"))
        for caption, checked in (("Het aantal kopieën per bestand opgeven", False),
                                 ("Sets maken", True)):
            role, state, name, *_ = read[tree.button(caption).handle]
            self.assertEqual((role, name, bool(state & STATE_CHECKED)),
                             (ROLE_CHECK_BOX, caption, checked))
        grid = next(w for w in tree.windows if w.class_name == "MorvaneStringGrid")
        self.assertEqual(read[grid.handle][:1] + read[grid.handle][2:4],
                         (ROLE_TABLE, "Bestandenlijst", file_name + ", 1"))
        hint_bar = read[self.hint_bar(tree).handle]
        self.assertEqual(hint_bar[:1] + hint_bar[2:3],
                         (ROLE_STATUS_BAR, "Maak een lijst en kies daarna de uitvoereenheid"))

        self.keys(F2)
        self.assertTrue(self.desktop.wait(SETUP_CAPTION))
        setup = self.desktop.tree(SETUP_CAPTION)
        fields = read_accessible(self.desktop, SETUP_CAPTION)
        print("setup dialog:", *sorted(set((o[0], o[2]) for o in fields.values())), sep="\n  ")
        edits = [fields[w.handle][:3:2] for w in setup.windows if w.class_name == "Edit"]
        self.assertEqual(sorted(edits), sorted((ROLE_TEXT, name) for name in SETUP_FIELDS))
        self.desktop.press(SETUP_CAPTION, "Annuleren")

        self.keys(f"{CTRL}+{F1}")
        self.assertTrue(self.desktop.wait(INFO_CAPTION))
        info = read_accessible(self.desktop, INFO_CAPTION)
        print("info box:", *sorted(set((o[0], o[2]) for o in info.values())), sep="\n  ")
        self.assertIn((ROLE_LINK, "Zie de internetsite voor nieuwe versies"),
                      [o[:3:2] for o in info.values()])
        self.desktop.press(INFO_CAPTION, "Ok")
        self.quit(run)


class TabCycleTest(KeyboardTestCase):
    def walk(self, tree, presses, shift=False):
        """What has the focus after each press of Tab, by caption or kind."""
        status, output = self.desktop.drive("tab-walk", FORM_CLASS, MAIN_CAPTION, presses,
                                            1 if shift else 0)
        self.assertEqual(status, 0, output)
        by_handle = {w.handle: w for w in tree.windows}
        walked = []
        for line in output.splitlines()[1:]:
            window = by_handle.get(int(line.split("\t")[1]))
            parent = by_handle.get(window.parent) if window else None
            if window is None:
                walked.append(None)
            elif parent and parent.class_name == "ComboBox" or window.class_name == "ComboBox":
                walked.append("printer")
            elif window.class_name == "Edit":
                walked.append("count")
            elif window.class_name == "MorvaneStringGrid":
                walked.append("grid")
            else:
                walked.append(window.text)
        return walked

    def check_cycle(self, cycle, mode):
        tree = self.main_window()
        walked = self.walk(tree, len(cycle) + 1)
        self.desktop.screenshot(f"tab-focus-{mode}")
        start = cycle.index(walked[0]) if walked[0] in cycle else 0
        self.assertEqual(walked, [cycle[(start + i) % len(cycle)] for i in range(len(cycle) + 1)])
        backwards = self.walk(tree, 2, shift=True)
        here = cycle.index(walked[-1])
        self.assertEqual(backwards, [cycle[here - 1], cycle[here - 2]])

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
            self.close_opened(class_name, caption, f"key for {tip}")
        # From the end of the system menu upwards: Programmainformatie first.
        for ups, (tip, _, _, class_name, caption) in enumerate(reversed(COMMANDS), start=1):
            self.keys(f"{ALT}+{SPACE}")
            self.assertTrue(self.desktop.wait("", class_name=MENU_CLASS), "no system menu")
            self.keys(*[UP] * ups, RETURN, caption="")
            self.close_opened(class_name, caption, f"menu item {tip}")
        self.quit(run)


if __name__ == "__main__":
    unittest.main()
