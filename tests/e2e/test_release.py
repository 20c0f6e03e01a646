"""The release zip as a user meets it: unpacked into a folder of its own, the
program in it prints the sample from the command line, and started without
arguments it shows its splash, its main window and the build's version."""

import unittest
import zipfile
from pathlib import Path

from harness import MAIN_CAPTION, setting
from test_commands import INFO_CAPTION, TOOLBAR_INFO, WindowTestCase

SAMPLE = Path(__file__).resolve().parents[2] / "samples" / "voorbeeld.pcl"
RELEASE_FILES = {"morvane.exe", "morvane.chm", "LEESMIJ.txt", "SHA256SUMS"}
VERSION_PREFIX = "Versie "


class UnpackedReleaseTest(WindowTestCase):
    """Every test starts the morvane.exe unpacked from the zip, in a fresh folder."""

    def setUp(self):
        super().setUp()
        folder = self.run_dir / "Morvane"
        with zipfile.ZipFile(setting("MORVANE_RELEASE_ZIP")) as release:
            self.assertEqual(set(release.namelist()), RELEASE_FILES, "the zip's files")
            release.extractall(folder)
        self.exe = folder / "morvane.exe"
        self.version = setting("MORVANE_VERSION")

    def test_the_sample_reaches_the_printer_from_the_command_line(self):
        name = self.data_file(SAMPLE.name, SAMPLE.read_bytes())

        run = self.start("/WIN", name)
        self.assertEqual(run.wait(), 0, "the exit status of a batch run that sent everything")
        self.wine.wait_for_delivery()

        self.assertJobs(self.wine.printer, [(name, SAMPLE.read_bytes())])

    def test_a_start_shows_the_splash_the_window_and_the_builds_version(self):
        run = self.start()
        self.assertTrue(self.desktop.wait(INFO_CAPTION), "no splash")
        self.assertTrue(self.desktop.wait(MAIN_CAPTION), "the main window did not appear")
        self.assertTrue(self.desktop.wait_gone(INFO_CAPTION), "the splash did not go")

        self.desktop.click(self.main_window().tool_buttons()[TOOLBAR_INFO])
        self.assertTrue(self.desktop.wait(INFO_CAPTION), "the info box did not appear")
        versions = [w.text for w in self.desktop.tree(INFO_CAPTION).shown()
                    if w.text.startswith(VERSION_PREFIX)]
        self.desktop.screenshot("release-info-box")
        self.desktop.press(INFO_CAPTION, "Ok")
        self.assertEqual(len(versions), 1, f"version lines in the info box: {versions}")
        self.assertEqual(versions[0].split()[1], self.version)
        self.quit(run)


if __name__ == "__main__":
    unittest.main()
