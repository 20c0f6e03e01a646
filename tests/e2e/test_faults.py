"""Faults around the real program under Wine, brought about from outside while
a user works it: sources that go or are held, ports that are absent, fail or
stall, queues that refuse or hold jobs, a program folder that can't take the
settings, damaged settings, and drops too big or too deep for the usual
limits. Each time the program reports what it must, goes on with the next
copy, leaves its busy state, and loses nothing already sent or stored."""

import os
import random
import shutil
import subprocess
import time
import unittest

from faults import (HeldFile, StoppablePort, fill_folder, make_immutable, mount_small_folder,
                    pending_jobs, queue_state)
from gui import OPEN_DIALOG_CAPTION, PortOutput
from harness import MAIN_CAPTION, ProgramTestCase, control_file, twelve_lines
from test_commands import (DEVICE_STRINGS, INFO_CAPTION, OUTPUT_CAPTION, PROGRESS_PREFIX,
                           SETUP_CAPTION, STOP_KEY_HINT, STOP_QUESTION, TOOLBAR_CANCEL,
                           TOOLBAR_SETUP, sample)
from test_drops import GRID_CLASS, DropTestCase

SOURCE_OPEN_FAILED = "Fout bij openen bronbestand!"
OUTPUT_OPEN_FAILED = "Fout bij openen uitvoer!"
PROCESSING_FAILED = "Fout bij verwerken van uitvoer!"
TYPED_NAME_TOO_LONG = ("De naam is te lang: map en bestandsnaam samen moeten korter zijn dan "
                       "260 tekens.")
SETS_CHECK_BOX = "Sets maken"
NO_BOX_MS = 2000  # how long to look for a box that must not come
LPT1_INIT, LPT1_EXIT = DEVICE_STRINGS[0], DEVICE_STRINGS[1]
WIN_INIT, WIN_EXIT = DEVICE_STRINGS[10], DEVICE_STRINGS[11]
BIG_SOURCE = 400 * 1024  # more than a pipe holds, so that a stopped reader stalls the copy
VK_ESCAPE = 0x1B
STALL_PROBE_MS = 1500
STALL_PROBE_TIMEOUT_MS = 60000
# The window answers as promptly while a port holds a write as during any run.
MAX_STALL_ANSWER_MS = 25
HOLD_SECONDS = 120
LONG_FOLDER = "d" * 120  # three of these make a path of more than 255 characters


def framed(init, exit_, *contents):
    return b"".join(init + content + exit_ for content in contents)


def lpt1(*contents):
    return framed(LPT1_INIT, LPT1_EXIT, *contents)


class FaultWindowTestCase(DropTestCase):
    """The program with its window, and the boxes it shows."""

    def grid(self):
        grids = [w for w in self.main_window().windows
                 if w.class_name == GRID_CLASS and w.visible]
        self.assertEqual(len(grids), 1, "no job list grid")
        return grids[0]

    def click_check_box(self, text):
        self.desktop.click(self.main_window().button(text))

    def assertBoxes(self, *texts):
        """The program shows these output warnings one after the other; each is
        answered with OK."""
        for text in texts:
            box = self.answer_box(OUTPUT_CAPTION)
            self.assertEqual(box.text, text)
            self.assertEqual(box.owner_caption, MAIN_CAPTION)

    def assertNoBox(self, caption=OUTPUT_CAPTION):
        status, output = self.wine.wine_tool(str(self.wine.answer_box_exe), caption,
                                             str(NO_BOX_MS))
        self.assertEqual(status, 1, f"an unexpected box was shown: {output}")

    def confirm_setup(self, changes=None):
        """Opens the setup dialog, gives the numbered fields their new texts and
        presses "Voltooien"."""
        self.desktop.click(self.main_window().tool_buttons()[TOOLBAR_SETUP])
        self.assertTrue(self.desktop.wait(SETUP_CAPTION), "the setup dialog did not appear")
        for index, text in (changes or {}).items():
            self.desktop.set_edit_text(SETUP_CAPTION, index, text)
        self.desktop.press(SETUP_CAPTION, "Voltooien")
        self.assertTrue(self.desktop.wait_gone(SETUP_CAPTION), "the setup dialog stays")

    def confirm_setup_and_quit(self, run, changes=None):
        self.confirm_setup(changes)
        self.quit(run)

    def assertBusy(self, button_text):
        self.assertFalse(self.main_window().button(button_text).enabled,
                         f"{button_text} is enabled during a run")


class SourceFaultTest(FaultWindowTestCase):
    def test_a_source_deleted_between_two_copies_is_reported_at_the_second(self):
        a, b = sample(BIG_SOURCE, 21), sample(2000, 22)
        path_a, path_b = self.data_file("a.prn", a), self.data_file("b.prn", b)
        run = self.start_window(extended=True)
        self.add_file_with_open(path_a)
        self.add_file_with_open(path_b)
        # Each file twice in a row: the file's existence is asked once for both.
        self.click_check_box(SETS_CHECK_BOX)
        self.set_count(2)
        port = StoppablePort(self, "lpt1")

        port.stop()
        self.click_button("LPT1")
        port.wait_until_blocked()
        self.assertBusy("LPT1")
        (self.data_dir / "a.prn").unlink()
        port.resume()

        self.assertBoxes(SOURCE_OPEN_FAILED)
        expected = lpt1(a, b, b)
        self.assertEqual(port.received(len(expected)), expected)
        self.wait_enabled("LPT1")
        self.quit(run)

    def test_a_source_held_without_sharing_is_reported_and_the_others_are_sent(self):
        a, b = sample(3000, 23), sample(1000, 24)
        path_a, path_b = self.data_file("a.prn", a), self.data_file("b.prn", b)
        run = self.start_window(extended=True)
        self.add_file_with_open(path_a)
        self.add_file_with_open(path_b)
        port = PortOutput("lpt1")
        held = HeldFile(self, path_a, HOLD_SECONDS)

        self.click_button("LPT1")
        self.assertBoxes(SOURCE_OPEN_FAILED)
        self.assertEqual(port.received(len(lpt1(b))), lpt1(b))
        self.wait_enabled("LPT1")

        # Once the other program lets go, the same list sends both.
        held.release()
        port = PortOutput("lpt1")
        self.click_button("LPT1")
        self.assertEqual(port.received(len(lpt1(a, b))), lpt1(a, b))
        self.wait_enabled("LPT1")
        self.assertEqual((self.data_dir / "a.prn").read_bytes(), a)
        self.quit(run)

    def test_a_source_in_a_vanished_folder_is_skipped_without_a_message(self):
        a, b = sample(1500, 25), sample(900, 26)
        (self.data_dir / "gone").mkdir()
        (self.data_dir / "gone" / "a.prn").write_bytes(a)
        path_a = "C:\\x\\gone\\a.prn"
        path_b = self.data_file("b.prn", b)
        run = self.start_window(extended=True)
        self.add_file_with_open(path_a)
        self.add_file_with_open(path_b)
        port = PortOutput("lpt1")
        shutil.rmtree(self.data_dir / "gone")

        self.click_button("LPT1")

        self.assertEqual(port.received(len(lpt1(b))), lpt1(b))
        self.wait_enabled("LPT1")
        self.assertNoBox()
        self.quit(run)


class PortFaultTest(FaultWindowTestCase):
    def start_with_two_files(self):
        self.contents = sample(2000, 31), sample(1100, 32)
        paths = [self.data_file(name, content)
                 for name, content in zip(("a.prn", "b.prn"), self.contents)]
        run = self.start_window(extended=True)
        for path in paths:
            self.add_file_with_open(path)
        return run

    def assertListStillGoesToLpt1(self):
        port = PortOutput("lpt1")
        self.click_button("LPT1")
        expected = lpt1(*self.contents)
        self.assertEqual(port.received(len(expected)), expected)
        self.wait_enabled("LPT1")

    def test_an_absent_port_is_reported_once_per_copy_and_no_file_takes_its_place(self):
        run = self.start_with_two_files()

        self.click_button("LPT3")

        self.assertBoxes(OUTPUT_OPEN_FAILED, OUTPUT_OPEN_FAILED)
        self.wait_enabled("LPT3")
        self.assertListStillGoesToLpt1()
        self.quit(run)
        for folder in (self.data_dir, self.run_dir):
            self.assertEqual([p.name for p in folder.iterdir() if p.name.lower() == "lpt3"], [])

    def test_a_port_whose_writes_fail_is_reported_once_per_copy(self):
        run = self.start_with_two_files()

        # LPT2 leads to /dev/full: INIT can't be written, so neither file nor
        # EXIT is tried.
        self.click_button("LPT2")

        self.assertBoxes(PROCESSING_FAILED, PROCESSING_FAILED)
        self.wait_enabled("LPT2")
        self.assertListStillGoesToLpt1()
        self.quit(run)

    def start_run_at_a_stalled_lpt1(self, seed):
        """Sends a file larger than a pipe holds and a small one to LPT1, whose
        reader has stopped, and returns once the program's write is held."""
        a, b = sample(BIG_SOURCE, seed), sample(5000, seed + 1)
        path_a, path_b = self.data_file("a.prn", a), self.data_file("b.prn", b)
        run = self.start_window(extended=True)
        self.add_file_with_open(path_a)
        self.add_file_with_open(path_b)
        port = StoppablePort(self, "lpt1")
        port.stop()
        self.click_button("LPT1")
        port.wait_until_blocked()
        return run, port, a, b

    def test_a_stopped_reader_holds_the_run_until_it_resumes_and_nothing_is_lost(self):
        run, port, a, b = self.start_run_at_a_stalled_lpt1(33)
        stalled = port.waiting()
        time.sleep(1.0)
        self.assertEqual(port.waiting(), stalled, "the program wrote past a full pipe")
        self.assertBusy("LPT1")
        port.resume()

        expected = lpt1(a, b)
        self.assertEqual(port.received(len(expected)), expected)
        self.wait_enabled("LPT1")
        self.assertNoBox()
        self.quit(run)

    def test_esc_at_a_stalled_port_stops_the_run_and_the_window_answers_meanwhile(self):
        run, port, a, _ = self.start_run_at_a_stalled_lpt1(35)
        # While the port holds the write, the window answers as in any run.
        stalled = port.waiting()
        answers = self.desktop.start_probe(MAIN_CAPTION, "LPT1", STALL_PROBE_TIMEOUT_MS,
                                           PROGRESS_PREFIX, for_ms=STALL_PROBE_MS).result()
        self.assertEqual(port.waiting(), stalled, "the port did not hold the write throughout")
        self.assertTrue(answers.seen_text.endswith(STOP_KEY_HINT),
                        f"the hint bar did not say how to stop: {answers.seen_text!r}")
        self.assertLessEqual(answers.longest_ms, MAX_STALL_ANSWER_MS,
                             f"the window was slow to answer during the stall: {answers}")

        self.desktop.drive("key", "MorvaneForm", MAIN_CAPTION, str(VK_ESCAPE))
        self.assertEqual(self.answer_box(OUTPUT_CAPTION, button="yes").text, STOP_QUESTION)
        self.wait_enabled("LPT1")  # the run has ended while the port still holds

        held = port.size() + port.waiting()
        port.resume()
        got = port.received(held)
        self.assertEqual(len(got), held, "bytes arrived after the stop")
        # Whole blocks of the first file up to the stop: no EXIT, no second file.
        self.assertLess(len(got), len(lpt1(a)))
        self.assertEqual(got, lpt1(a)[:len(got)])
        self.assertEqual((len(got) - len(LPT1_INIT)) % 1024, 0, "a block was cut")
        self.assertNoBox()
        self.quit(run)


class PrinterQueueFaultTest(ProgramTestCase):
    """Batch runs to the second capture queue while CUPS refuses or holds jobs."""

    def setUp(self):
        super().setUp()
        self.write_control_file("Morvane.ini", DEVICE_STRINGS)
        self.wine.set_program_value("LASTPRINTER", self.wine.printer2)
        self.contents = sample(2500, 41), sample(700, 42)
        self.names = [self.data_file(name, content)
                      for name, content in zip(("a.prn", "b.prn"), self.contents)]
        self.expected = [(name, WIN_INIT + content + WIN_EXIT)
                         for name, content in zip(self.names, self.contents)]

    def test_a_disabled_queue_keeps_the_jobs_until_it_is_enabled(self):
        queue_state(self, self.wine.printer2, disabled=True)

        self.assertEqual(self.start("/WIN", *self.names).wait(), 0)

        deadline = time.monotonic() + 20
        while len(pending_jobs(self.wine.printer2)) < 2 and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertEqual(len(pending_jobs(self.wine.printer2)), 2, "the jobs were not queued")
        self.assertJobs(self.wine.printer2, [])
        subprocess.run(["cupsenable", self.wine.printer2], check=True)
        self.wine.wait_for_delivery()
        self.assertJobs(self.wine.printer2, self.expected)

    def test_a_rejecting_queue_fails_each_copy_without_stopping_the_run(self):
        queue_state(self, self.wine.printer2, rejecting=True)

        # Wine's spooler hands the document to CUPS when it is ended, and
        # EndDocPrinter fails when CUPS refuses it: each copy is reported and
        # counted as not delivered.
        run = self.start("/WIN", *self.names)
        for _ in self.names:
            self.assertEqual(self.answer_box(OUTPUT_CAPTION).text, PROCESSING_FAILED)
        self.assertEqual(run.wait(), len(self.names))
        self.wine.wait_for_delivery()
        self.assertJobs(self.wine.printer2, [])
        self.assertEqual(self.wine.jobs(self.wine.printer), [])


class ProgramFolderFaultTest(FaultWindowTestCase):
    """A confirmed setup change can't be saved at the end, or Morvane.ini was
    not read whole at the start: the previous Morvane.ini stays as it was."""

    # LF line ends: any rewrite by the program would show as CR LF.
    PREVIOUS_INI = b"".join(line + b"\n" for line in DEVICE_STRINGS)

    def change_a_string_and_quit(self, folder):
        """Ends the program after an edit; it reports that the edit is lost."""
        run = self.start_prepared_window()
        self.confirm_setup({0: "changed"})
        self.quit_losing_the_edit(run, folder)

    def quit_losing_the_edit(self, run, folder):
        self.desktop.click(self.main_window().tool_buttons()[TOOLBAR_CANCEL])
        box = self.answer_box(SETUP_CAPTION)
        self.assertEqual(box.text, f"Fout bij opslaan van de instellingen in "
                         f"{self.windows_name(folder)}\\Morvane.ini! "
                         "De gewijzigde stuurcodes zijn niet bewaard.")
        self.assertEqual(run.wait(), 0)

    def assertPreviousIniKept(self, folder):
        self.assertEqual((folder / "Morvane.ini").read_bytes(), self.PREVIOUS_INI)
        self.assertEqual(sorted(p.name for p in folder.iterdir() if p.name.startswith("Morvane")),
                         ["Morvane.ini"])

    def test_an_unwritable_program_folder_keeps_the_previous_ini(self):
        (self.run_dir / "Morvane.ini").write_bytes(self.PREVIOUS_INI)
        make_immutable(self, self.run_dir)

        self.change_a_string_and_quit(self.run_dir)

        self.assertPreviousIniKept(self.run_dir)

    def test_a_full_program_folder_keeps_the_previous_ini(self):
        folder = self.run_dir / "full"
        mount_small_folder(self, folder, "4m")
        self.exe = folder / "morvane.exe"
        shutil.copy2(self.wine.program, self.exe)
        (folder / "Morvane.ini").write_bytes(self.PREVIOUS_INI)
        fill_folder(folder)

        self.change_a_string_and_quit(folder)

        self.assertPreviousIniKept(folder)

    def test_a_control_file_held_at_the_start_is_never_written(self):
        ini = self.run_dir / "Morvane.ini"
        ini.write_bytes(self.PREVIOUS_INI)
        held = HeldFile(self, self.windows_name(ini), HOLD_SECONDS)

        run = self.start()
        box = self.answer_box(SETUP_CAPTION)
        self.assertEqual(box.text, f"Fout bij lezen van de instellingen uit "
                         f"{self.windows_name(ini)}! De stuurcodes zijn mogelijk leeg of "
                         "onvolledig; het bestand wordt niet bijgewerkt.")
        self.assertTrue(self.desktop.wait(MAIN_CAPTION), "the main window did not appear")
        self.assertTrue(self.desktop.wait_gone(INFO_CAPTION), "the splash did not go")
        self.confirm_setup({0: "NEWINIT"})
        held.release()
        self.quit_losing_the_edit(run, self.run_dir)

        self.assertPreviousIniKept(self.run_dir)


def parsed_lines(data):
    """The lines of a control file as the program reads them: a line ends at
    LF, and a CR that doesn't end a line is left out."""
    return [line.replace(b"\r", b"") for line in data.split(b"\n")]


class ControlFileContentTest(ProgramTestCase):
    """Damaged control files: the program starts, frames each document with
    lines 11 and 12 as it reads them, and leaves the file alone."""

    def send_with(self, ini):
        path = self.run_dir / "Morvane.ini"
        path.write_bytes(ini)
        content = sample(3000, 51)
        name = self.data_file("a.prn", content)

        self.assertEqual(self.start("/WIN", name).wait(), 0)
        self.wine.wait_for_delivery()

        lines = parsed_lines(ini) + [b"", b""]
        self.assertJobs(self.wine.printer, [(name, lines[10] + content + lines[11])])
        self.assertEqual(path.read_bytes(), ini)

    def test_ten_megabytes_of_random_bytes(self):
        generator = random.Random(7)
        self.send_with(generator.randbytes(10 * 1024 * 1024))

    def test_nul_bytes_are_part_of_the_strings(self):
        lines = [b"\0" * (i % 3) + b"line\0%d\0" % i for i in range(12)]
        self.send_with(control_file(lines))

    def test_a_line_of_a_megabyte_is_read_whole(self):
        big = bytes(range(32, 127)) * (1024 * 1024 // 95)
        self.send_with(control_file([b"x"] * 10 + [big, b"exit"]))


class ControlFileInWindowTest(FaultWindowTestCase):
    def test_a_line_of_a_megabyte_survives_the_setup_dialog(self):
        big = b"\x1b" + b"E" * (1024 * 1024)
        lines = twelve_lines(big, b"exit", device=b"d")
        self.write_control_file("Morvane.ini", lines)

        self.confirm_setup_and_quit(self.start_prepared_window())

        self.assertEqual((self.run_dir / "Morvane.ini").read_bytes(), control_file(lines))

    def test_a_session_end_after_an_edit_keeps_it_though_the_process_is_killed(self):
        self.write_control_file("Morvane.ini", DEVICE_STRINGS)
        self.wine.set_program_value("LASTPRINTER", self.wine.printer2)
        run = self.start_prepared_window()
        self.confirm_setup({0: "BEFORE-LOGOFF"})

        status, output = self.desktop.drive("end-session", "MorvaneForm", MAIN_CAPTION)
        self.assertEqual((status, output.split()), (0, ["query", "1", "ended"]))
        run.stop()  # as the system ends the process at log-off

        self.assertEqual((self.run_dir / "Morvane.ini").read_bytes(),
                         control_file([b"BEFORE-LOGOFF"] + DEVICE_STRINGS[1:]))
        values = self.wine.program_values()
        self.assertEqual(values.get("LASTPRINTER"), ("REG_SZ", self.wine.printer2))
        self.assertEqual(values.get("EXTENDEDMODE"), ("REG_SZ", "OFF"))

    def test_strings_with_nul_bytes_survive_a_change_of_another_string(self):
        # ESC/P commands carry zero bytes, which no text field can show.
        lines = [b"\x1b@\x1b3\x00" + b"%d" % i for i in range(12)]
        self.write_control_file("Morvane.ini", lines)

        self.confirm_setup_and_quit(self.start_prepared_window(), {0: "changed"})

        self.assertEqual((self.run_dir / "Morvane.ini").read_bytes(),
                         control_file([b"changed"] + lines[1:]))


class RegistryValueFaultTest(ProgramTestCase):
    """Values of the program's key that it didn't write."""

    def add_value(self, name, kind, data):
        status, output = self.wine.wine_tool(
            "reg", "add", r"HKCU\Software\tqv\morvane", "/v", name, "/t", kind, "/d", data, "/f")
        self.assertEqual(status, 0, output)

    def test_values_of_other_types_are_read_as_their_bytes(self):
        # A binary LASTPRINTER holding a queue's name and its zero is that
        # name; a number in EXTENDEDMODE is not "ON".
        self.add_value("LASTPRINTER", "REG_BINARY",
                       self.wine.printer2.encode("ascii").hex() + "00")
        self.add_value("EXTENDEDMODE", "REG_DWORD", "1")
        name = self.data_file("a.prn", b"typed")

        self.assertEqual(self.start("/WIN", name).wait(), 0)
        self.wine.wait_for_delivery()

        self.assertJobs(self.wine.printer2, [(name, b"typed")])
        values = self.wine.program_values()
        self.assertEqual(values.get("LASTPRINTER"), ("REG_SZ", self.wine.printer2))
        self.assertEqual(values.get("EXTENDEDMODE"), ("REG_SZ", "OFF"))

    def test_a_printer_name_of_300_bytes_counts_as_missing(self):
        self.wine.set_program_value("LASTPRINTER", "P" * 300)
        self.wine.set_program_value("EXTENDEDMODE", "ON")
        name = self.data_file("a.prn", b"to the default printer")

        self.assertEqual(self.start("/WIN", name).wait(), 0)
        self.wine.wait_for_delivery()

        self.assertJobs(self.wine.printer, [(name, b"to the default printer")])
        values = self.wine.program_values()
        self.assertEqual(values.get("LASTPRINTER"), ("REG_SZ", self.wine.printer))
        self.assertEqual(values.get("EXTENDEDMODE"), ("REG_SZ", "ON"))


class DropFaultTest(FaultWindowTestCase):
    def test_ten_thousand_files_dropped_at_once_are_all_sent_in_order(self):
        count = 10000
        names = [f"f{i:05d}.prn" for i in range(count)]
        contents = [b"file %05d\n" % i for i in range(count)]
        for name, content in zip(names, contents):
            (self.data_dir / name).write_bytes(content)
        run = self.start_window(extended=True)
        port = PortOutput("lpt1")

        self.drop(self.grid(), *names)
        self.click_button("LPT1")

        expected = lpt1(*contents)
        self.assertEqual(port.received(len(expected), timeout=300), expected)
        self.wait_enabled("LPT1")
        self.quit(run)

    def test_paths_longer_than_255_characters_are_sent_when_dropped_or_chosen(self):
        # Dropped: a path far beyond MAX_PATH. Chosen: one that still fits the
        # dialog's MAX_PATH; a longer typed one is refused (below).
        dropped_folder = self.data_dir / LONG_FOLDER / LONG_FOLDER / LONG_FOLDER
        dropped_folder.mkdir(parents=True)
        dropped, chosen = sample(1700, 61), sample(800, 62)
        (dropped_folder / "dropped.prn").write_bytes(dropped)
        (self.data_dir / LONG_FOLDER / LONG_FOLDER / "chosen1.prn").write_bytes(chosen)
        dropped_name = "C:\\x\\" + "\\".join([LONG_FOLDER] * 3) + "\\dropped.prn"
        chosen_name = "C:\\x\\" + "\\".join([LONG_FOLDER] * 2) + "\\chosen1.prn"
        self.assertGreater(len(dropped_name), 300)
        self.assertEqual(len(chosen_name), 258)
        run = self.start_window(extended=True)
        port = PortOutput("lpt1")

        self.drop(self.grid(), os.path.relpath(dropped_folder / "dropped.prn", self.data_dir))
        self.add_file_with_open(chosen_name)
        self.click_button("LPT1")

        expected = lpt1(dropped, chosen)
        self.assertEqual(port.received(len(expected)), expected)
        self.wait_enabled("LPT1")
        self.assertNoBox()
        self.quit(run)

    def test_a_typed_name_too_long_for_the_dialog_is_refused_and_the_dialog_stays(self):
        content = sample(700, 63)
        path = self.data_file("normal.prn", content)
        run = self.start_window(extended=True)
        port = PortOutput("lpt1")

        self.click_button("Openen")
        self.desktop.type_name("n" * 296 + ".prn")
        box = self.answer_box(OUTPUT_CAPTION)
        self.assertEqual(box.text, TYPED_NAME_TOO_LONG)
        self.assertEqual(box.owner_caption, OPEN_DIALOG_CAPTION)
        self.assertTrue(self.desktop.is_shown(OPEN_DIALOG_CAPTION, class_name="#32770"),
                        "the open dialog went")
        self.desktop.choose_file(path)
        self.click_button("LPT1")

        expected = lpt1(content)
        self.assertEqual(port.received(len(expected)), expected)
        self.wait_enabled("LPT1")
        self.quit(run)


if __name__ == "__main__":
    unittest.main()
