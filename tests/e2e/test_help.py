"""HTML Help under Wine: the help button opens the program's own help file
in Wine's help control, and the start-up findings go to HHDebug.txt in the
program folder, or in the Windows folder when the program folder can't be
written."""

import re
import shutil
import subprocess
import unittest

from harness import MAIN_CAPTION, setting
from test_commands import DEVICE_STRINGS, WindowTestCase

HELP_WINDOW_CLASS = "HH Parent"
HELP_TITLE = "Morvane - Uitvoer van bestanden"  # Title in help/morvane.hhp
TOOLBAR_HELP = 3
LOG_NAME = "HHDebug.txt"
LOG_LINE_COUNT = 10
SEPARATOR_LINES = (1, 5, 9)
# The TAB and the local date and time in short-date and long-time form.
STAMP = r"\t\d{1,4}[-/.]\d{1,2}[-/.]\d{1,4} \d{1,2}:\d{2}:\d{2}(?: [AP]M)?"


class HelpTestCase(WindowTestCase):
    def setUp(self):
        super().setUp()
        shutil.copy2(setting("MORVANE_HELP_FILE"), self.run_dir / "morvane.chm")


class HelpButtonTest(HelpTestCase):
    def test_help_button_opens_the_help_window(self):
        run = self.start_window()
        self.assertFalse(self.desktop.is_shown("", class_name=HELP_WINDOW_CLASS),
                         "a help window is open before the click")

        self.desktop.click(self.main_window().tool_buttons()[TOOLBAR_HELP])
        opened = self.desktop.wait("", class_name=HELP_WINDOW_CLASS)
        if opened:
            self.desktop.screenshot("help-window")
            title = self.desktop.tree("", class_name=HELP_WINDOW_CLASS).top.text
            status, output = self.desktop.drive("close", HELP_WINDOW_CLASS, "")
            self.assertEqual(status, 0, output)
            self.assertTrue(self.desktop.wait_gone("", class_name=HELP_WINDOW_CLASS),
                            "the help window stays after WM_CLOSE")
        self.assertTrue(opened, f"no window of class {HELP_WINDOW_CLASS!r} appeared")
        self.assertEqual(title, HELP_TITLE, "the help window does not show morvane.chm")
        self.quit(run)


class DebugLogTest(HelpTestCase):
    def windows_log(self):
        return self.wine.drive_c / "windows" / LOG_NAME

    def run_with_debug(self):
        self.write_control_file("Morvane.ini", DEVICE_STRINGS)
        run = self.start("/debug")
        self.assertTrue(self.desktop.wait(MAIN_CAPTION), "the main window did not appear")
        self.quit(run)

    def windows_run_dir(self):
        return self.windows_name(self.run_dir)

    def check_log(self, path):
        self.assertTrue(path.is_file(), f"no {path}")
        data = path.read_bytes()
        self.assertTrue(data.endswith(b"\r\n"), "the log does not end with CR LF")
        lines = data[:-2].split(b"\r\n")
        self.assertEqual(len(lines), LOG_LINE_COUNT, f"log lines: {lines}")
        self.assertFalse(any(b"\n" in line or b"\r" in line for line in lines), "a bare line end")
        texts = []
        for line in lines:
            text = line.decode("utf-8")
            self.assertRegex(text, STAMP + "$", "a line without TAB, date and time")
            texts.append(re.sub(STAMP + "$", "", text))
        for index in SEPARATOR_LINES:
            self.assertEqual(texts[index], "-" * 80, f"line {index + 1} is no separator")
        self.assertEqual(texts[0], f'_RunDir = "{self.windows_run_dir()}"')
        keys = ["_hhInstalled", "_hhVerStr", "_hhFriendlyVerStr",
                "_ieInstalled", "_ieVerStr", "_ieFriendlyVerStr"]
        values = {}
        for key, text in zip(keys, texts[2:5] + texts[6:9]):
            self.assertTrue(text.startswith(key + " = "), f"{text!r} is not the {key} line")
            values[key] = text[len(key) + 3:]
        for installed, version in (("_hhInstalled", "_hhVerStr"), ("_ieInstalled", "_ieVerStr")):
            self.assertIn(values[installed], ("YES", "NO"))
            self.assertEqual(values[installed] == "YES", values[version] != "",
                             f"{installed} disagrees with {version}")
            if values[version]:
                self.assertRegex(values[version], r"^\d+\.\d+\.\d+\.\d+$")
        # Wine registers its own help control, with version information.
        self.assertEqual(values["_hhInstalled"], "YES")
        self.assertNotEqual(values["_hhFriendlyVerStr"], "")
        return texts

    def test_debug_switch_writes_the_log_beside_the_program(self):
        self.windows_log().unlink(missing_ok=True)
        self.run_with_debug()

        self.check_log(self.run_dir / LOG_NAME)
        self.assertFalse(self.windows_log().exists(), "a log in the Windows folder as well")

    def test_without_the_switch_an_old_log_is_deleted(self):
        old_log = self.run_dir / LOG_NAME
        old_log.write_bytes(b"old\r\n")
        run = self.start_window()
        self.quit(run)

        self.assertFalse(old_log.exists(), "the old log is still there")

    def test_an_unwritable_program_folder_moves_the_log_to_the_windows_folder(self):
        self.windows_log().unlink(missing_ok=True)
        self.write_control_file("Morvane.ini", DEVICE_STRINGS)
        subprocess.run(["chattr", "+i", str(self.run_dir)], check=True)
        try:
            probe = self.run_dir / "probe"
            with self.assertRaises(OSError, msg="chattr +i left the folder writable"):
                probe.write_bytes(b"")
            run = self.start("/debug")
            self.assertTrue(self.desktop.wait(MAIN_CAPTION), "the main window did not appear")
            self.quit(run)
        finally:
            subprocess.run(["chattr", "-i", str(self.run_dir)], check=True)
        try:
            self.assertFalse((self.run_dir / LOG_NAME).exists(), "a log in the program folder")
            self.check_log(self.windows_log())
        finally:
            self.windows_log().unlink(missing_ok=True)


if __name__ == "__main__":
    unittest.main()
