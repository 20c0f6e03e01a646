"""Files dropped onto the main window from outside, as a file manager drops
them: tools/xdnd_drop.c speaks XDND to Wine's virtual desktop window, and
Wine hands the drop to the program as WM_DROPFILES. The test ports show what
was sent."""

import subprocess
import unittest

from gui import PortOutput
from harness import LOOK_ALIKE_NAME, SLOWDOWN, UNICODE_NAME, setting
from test_commands import DEVICE_STRINGS, WindowTestCase, sample

DESKTOP_WINDOW_NAME = "Wine desktop"
GRID_CLASS = "MorvaneStringGrid"
DROP_TIMEOUT = 30 * SLOWDOWN  # seconds for one drop to be finished by the target
QUIET_SECONDS = 2.0  # how long a port must stay silent when nothing is sent
LPT1_INIT, LPT1_EXIT = DEVICE_STRINGS[0], DEVICE_STRINGS[1]
COM2_INIT, COM2_EXIT = DEVICE_STRINGS[8], DEVICE_STRINGS[9]


class DropTestCase(WindowTestCase):
    def drop(self, window, *names):
        """Drops the files of C:\\x with these names in the middle of the
        window (desktop coordinates are Windows screen coordinates)."""
        x, y = window.rect.centre
        paths = [str(self.data_dir / name) for name in names]
        result = subprocess.run(
            [setting("MORVANE_XDND_DROP"), DESKTOP_WINDOW_NAME, str(x), str(y), *paths],
            capture_output=True, text=True, timeout=DROP_TIMEOUT, check=False,
            env=self.desktop._x_environment())
        self.assertEqual(result.returncode, 0,
                         f"the drop was not finished: {result.stdout}{result.stderr}")
        self.assertIn("finished", result.stdout)

    def assertQuiet(self, *ports):
        for port in ports:
            self.assertEqual(port.received(1, timeout=QUIET_SECONDS, settle=0), b"",
                             f"something was sent to {port.path.name}")


class ExtendedModeDropTest(DropTestCase):
    def test_dropped_files_join_the_list_in_order_and_nothing_is_sent(self):
        a, b, c = sample(1200, 11), sample(700, 12), sample(300, 13)
        self.data_file("a.prn", a)
        self.data_file("b.prn", b)
        self.data_file("c.prn", c)
        (self.data_dir / "folder").mkdir()
        run = self.start_window(extended=True)
        lpt1, com2 = PortOutput("lpt1"), PortOutput("com2")
        window = self.main_window()
        grids = [w for w in window.windows if w.class_name == GRID_CLASS and w.visible]
        self.assertEqual(len(grids), 1, "no job list grid")

        self.drop(grids[0], "a.prn", "folder", "b.prn")
        # On a target button too a drop in extended mode only adds its files.
        self.drop(window.button("COM2"), "c.prn")
        self.assertQuiet(com2, lpt1)

        self.click_button("LPT1")
        expected = b"".join(LPT1_INIT + data + LPT1_EXIT for data in (a, b, c))
        self.assertEqual(lpt1.received(len(expected)), expected)
        self.wait_enabled("LPT1")
        self.quit(run)


    def test_a_dropped_name_the_code_page_cannot_hold_sends_that_file(self):
        content = sample(1300, 17)
        self.data_file(UNICODE_NAME, content)
        self.data_file(LOOK_ALIKE_NAME, b"the look-alike")
        run = self.start_window(extended=True)
        lpt1 = PortOutput("lpt1")
        grids = [w for w in self.main_window().windows if w.class_name == GRID_CLASS and w.visible]

        self.drop(grids[0], UNICODE_NAME)
        self.click_button("LPT1")

        expected = LPT1_INIT + content + LPT1_EXIT
        self.assertEqual(lpt1.received(len(expected)), expected)
        self.wait_enabled("LPT1")
        self.quit(run)


class SimpleModeDropTest(DropTestCase):
    def test_a_file_dropped_on_com2_is_sent_there_at_once(self):
        content = sample(2500, 14)
        self.data_file("a.prn", content)
        run = self.start_window()
        com2 = PortOutput("com2")

        self.drop(self.main_window().button("COM2"), "a.prn")

        expected = COM2_INIT + content + COM2_EXIT
        self.assertEqual(com2.received(len(expected)), expected)
        self.wait_enabled("COM2")
        self.quit(run)

    def test_a_drop_off_the_buttons_sends_nothing_and_the_next_drop_replaces_it(self):
        first, second = sample(900, 15), sample(400, 16)
        self.data_file("first.prn", first)
        self.data_file("second.prn", second)
        run = self.start_window()
        lpt1, com2 = PortOutput("lpt1"), PortOutput("com2")
        window = self.main_window()

        toolbar = next(w for w in window.windows if w.handle == window.tool_buttons()[0].parent)
        self.drop(toolbar, "first.prn")
        self.assertQuiet(com2, lpt1)
        # The first file stayed in the hidden list only until the next drop.
        self.drop(window.button("COM2"), "second.prn")

        expected = COM2_INIT + second + COM2_EXIT
        self.assertEqual(com2.received(len(expected)), expected)
        self.wait_enabled("COM2")
        self.assertQuiet(lpt1)
        self.quit(run)


if __name__ == "__main__":
    unittest.main()
