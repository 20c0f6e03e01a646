"""The batch mode of morvane.exe: "/WIN" followed by file names, run under Wine,
with what reaches the CUPS capture queues as the evidence."""

import os
import re
import shutil
import time
import unittest

from faults import HeldFile
from gui import Desktop
from harness import (LOOK_ALIKE_NAME, MAIN_CAPTION, SLOWDOWN, UNICODE_NAME, ProgramRun,
                     ProgramTestCase, control_file, twelve_lines)

ESC = b"\x1b"
WIN_INIT = ESC + b"%-12345X@PJL ENTER LANGUAGE = PCL  " + ESC + b"E"
WIN_EXIT = b"\x0c" + ESC + b"E" + ESC + b"%-12345X"
DEVICE_RUN_TIMEOUT = 15 * SLOWDOWN  # seconds; a run that waits on a device never ends
OUTPUT_CAPTION = "Bestand uitvoer"
STAMP = r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d"
APPLICATION_CLASS = "MorvaneApplication"
APPLICATION_TITLE = "Uitvoer van bestanden"
SW_HIDE = 0
SW_SHOWMINNOACTIVE = 7
HOLD_SECONDS = 120
PROGRAM_START_MS = 60000 * SLOWDOWN


def sample_bytes(size, seed):
    """Bytes of every value, with the ones a careless copy would change
    (zero, CR, LF, Ctrl+Z) among them."""
    return bytes((i * 131 + seed + i // 256) & 0xFF for i in range(size))


class FramingTest(ProgramTestCase):
    """Each named file arrives once, framed by the WIN strings of the control file."""

    def test_each_file_is_one_document_framed_by_win_init_and_exit(self):
        self.write_control_file("Morvane.ini", twelve_lines(WIN_INIT, WIN_EXIT, device=b"dev"))
        first = sample_bytes(3000, 1)
        second = sample_bytes(1026, 2)
        self.data_file("first.prn", first)
        second_name = self.data_file("second.prn", second)
        empty_name = self.data_file("empty.prn", b"")

        self.run_program("/WIN", "first.prn", second_name, empty_name)

        self.assertJobs(self.wine.printer, [
            ("first.prn", WIN_INIT + first + WIN_EXIT),
            (second_name, WIN_INIT + second + WIN_EXIT),
            (empty_name, WIN_INIT + WIN_EXIT),
        ])
        self.assertJobs(self.wine.printer2, [])

    def test_without_win_strings_the_document_is_the_file(self):
        # Ten lines: the device strings only, so both WIN strings are empty.
        self.write_control_file("Morvane.ini", twelve_lines(device=b"dev")[:10])
        content = sample_bytes(1025, 3)
        name = self.data_file("block.prn", content)

        self.run_program("/WIN", name)

        self.assertJobs(self.wine.printer, [(name, content)])

    def test_control_strings_come_from_cfg_when_there_is_no_ini(self):
        cfg = self.write_control_file("Morvane.cfg", twelve_lines(b"cfg-init", b"cfg-exit"))
        cfg_bytes = cfg.read_bytes()
        name = self.data_file("a.prn", b"payload")

        self.run_program("/WIN", name)

        self.assertJobs(self.wine.printer, [(name, b"cfg-init" + b"payload" + b"cfg-exit")])
        self.assertFalse((self.run_dir / "Morvane.ini").exists(), "Morvane.ini was written")
        self.assertEqual(cfg.read_bytes(), cfg_bytes)

    def test_ini_is_read_in_preference_to_cfg(self):
        self.write_control_file("Morvane.cfg", twelve_lines(b"cfg-init", b"cfg-exit"))
        self.write_control_file("Morvane.ini", twelve_lines(b"ini-init", b"ini-exit"))
        name = self.data_file("a.prn", b"payload")

        self.run_program("/WIN", name)

        self.assertJobs(self.wine.printer, [(name, b"ini-init" + b"payload" + b"ini-exit")])

    def test_ini_is_found_beside_a_program_in_a_folder_the_code_page_cannot_hold(self):
        folder = self.run_dir / "\u65e5\u672c"  # 日本
        folder.mkdir()
        exe = folder / "morvane.exe"
        shutil.copy2(self.wine.program, exe)
        (folder / "Morvane.ini").write_bytes(control_file(twelve_lines(b"ini-init", b"ini-exit")))
        name = self.data_file("a.prn", b"payload")

        run = ProgramRun(self.wine, exe, ["/WIN", name], cwd=self.data_dir)
        self.runs.append(run)
        self.assertEqual(run.wait(), 0)
        self.wine.wait_for_delivery()

        self.assertJobs(self.wine.printer, [(name, b"ini-init" + b"payload" + b"ini-exit")])

    def test_batch_run_leaves_the_ini_untouched(self):
        # LF-only line ends: a rewrite would show as CR LF.
        ini = self.run_dir / "Morvane.ini"
        ini.write_bytes(b"\n".join(twelve_lines(b"init", b"exit", device=b"d")) + b"\n")
        old_time = 946684800  # 2000-01-01, so that a rewrite can't keep the time stamp
        os.utime(ini, (old_time, old_time))
        before = ini.read_bytes()
        name = self.data_file("a.prn", b"x")

        self.run_program("/WIN", name)

        self.assertJobs(self.wine.printer, [(name, b"init" + b"x" + b"exit")])
        self.assertEqual(ini.read_bytes(), before)
        self.assertEqual(ini.stat().st_mtime, old_time)


class NamesTest(ProgramTestCase):
    """Names on the command line are unquoted, tested and sent as they are written."""

    def test_quoted_and_missing_names(self):
        self.data_file("a.prn", b"quoted")
        self.data_file("ab", b"shortened")
        self.data_file("abc", b"never sent")

        # 'C:\x\a.prn' is sent as C:\x\a.prn; 'abc loses its first and last
        # character and names ab; a lone apostrophe becomes empty; a missing
        # file and a folder are skipped without a message.
        self.run_program("/WIN", "'C:\\x\\a.prn'", "missing.prn", "'abc", "'",
                         "C:\\x", "ab")

        self.assertJobs(self.wine.printer, [
            ("C:\\x\\a.prn", b"quoted"),
            ("ab", b"shortened"),
            ("ab", b"shortened"),
        ])

    def test_a_name_the_code_page_cannot_hold_sends_that_file_never_its_look_alike(self):
        content = sample_bytes(1500, 4)
        self.data_file(UNICODE_NAME, content)
        self.data_file(LOOK_ALIKE_NAME, b"the look-alike")

        self.assertEqual(self.start("/WIN", UNICODE_NAME).wait(), 0)
        self.wine.wait_for_delivery()

        jobs = self.wine.jobs(self.wine.printer)
        self.assertEqual([job.data for job in jobs], [content])
        if self.wine.passes_unicode_titles:
            self.assertEqual(jobs[0].unicode_title, UNICODE_NAME)

    def test_device_names_are_not_delivered_and_the_run_ends_by_itself(self):
        self.data_file("a.prn", b"after the devices")

        # LPT1 is a test port: reading from it would wait for ever.
        status = self.start("/WIN", "NUL", "CON", "LPT1", "a.prn").wait(DEVICE_RUN_TIMEOUT)
        self.wine.wait_for_delivery()

        self.assertEqual(status, 3)
        self.assertJobs(self.wine.printer, [("a.prn", b"after the devices")])

    def test_switch_is_matched_without_regard_to_case(self):
        name = self.data_file("a.prn", b"mixed case")

        self.run_program("/wIn", name)

        self.assertJobs(self.wine.printer, [(name, b"mixed case")])


class RegistryTest(ProgramTestCase):
    """The registry state picks the printer, and is written at the end of a batch run."""

    def test_lower_case_switch_alone_ends_and_writes_the_state(self):
        self.assertIsNone(self.wine.program_values())

        self.run_program("/win")

        self.assertJobs(self.wine.printer, [])
        self.assertJobs(self.wine.printer2, [])
        values = self.wine.program_values()
        self.assertIsNotNone(values, "the registry key was not created")
        self.assertEqual(values.get("EXTENDEDMODE"), ("REG_SZ", "OFF"))
        # Without a stored printer the selector starts on the default printer.
        self.assertEqual(values.get("LASTPRINTER"), ("REG_SZ", self.wine.printer))
        self.assertFalse((self.run_dir / "Morvane.ini").exists(), "Morvane.ini was written")

    def test_stored_last_printer_picks_the_queue(self):
        self.wine.set_program_value("LASTPRINTER", self.wine.printer2)
        self.wine.set_program_value("EXTENDEDMODE", "ON")
        name = self.data_file("a.prn", b"to the second queue")

        self.run_program("/WIN", name)

        self.assertJobs(self.wine.printer2, [(name, b"to the second queue")])
        self.assertJobs(self.wine.printer, [])
        values = self.wine.program_values()
        self.assertEqual(values.get("LASTPRINTER"), ("REG_SZ", self.wine.printer2))
        self.assertEqual(values.get("EXTENDEDMODE"), ("REG_SZ", "ON"))


class UnknownPrinterTest(ProgramTestCase):
    """A printer that can't be opened is reported once per file, and the run goes on."""

    def test_each_file_shows_the_error_box_and_the_program_ends(self):
        unknown = "Morvane Nowhere"
        self.wine.set_program_value("LASTPRINTER", unknown)
        first = self.data_file("a.prn", b"a")
        second = self.data_file("b.prn", b"b")

        run = self.start("/WIN", first, second)
        boxes = [self.answer_box(MAIN_CAPTION) for _ in (first, second)]
        run.wait()
        self.wine.wait_for_delivery()

        for box in boxes:
            self.assertRegex(box.text, r"^error [1-9][0-9]*$")
            self.assertEqual(box.owner_caption, MAIN_CAPTION,
                             "the box is not owned by the main window")
        self.assertJobs(self.wine.printer, [])
        self.assertJobs(self.wine.printer2, [])
        self.assertEqual(self.wine.program_values().get("LASTPRINTER"), ("REG_SZ", unknown))
        for box in boxes:
            self.assertTrue(box.owner_minimized, "the main window is not minimized in a batch run")


class OptionsTest(ProgramTestCase):
    """/PRINTER=, /COPIES=, /QUIET and /LOG= after "/WIN"."""

    def test_named_printer_takes_the_run_and_the_last_printer_stays(self):
        self.wine.set_program_value("LASTPRINTER", self.wine.printer)
        name = self.data_file("a.prn", b"to the named queue")

        # The list's name is found ignoring case.
        status = self.start("/WIN", f"/printer={self.wine.printer2.swapcase()}", name).wait()
        self.wine.wait_for_delivery()

        self.assertEqual(status, 0)
        self.assertJobs(self.wine.printer2, [(name, b"to the named queue")])
        self.assertJobs(self.wine.printer, [])
        self.assertEqual(self.wine.program_values().get("LASTPRINTER"),
                         ("REG_SZ", self.wine.printer))

    def test_a_printer_name_the_code_page_cannot_hold_names_that_queue(self):
        self.write_control_file("Morvane.ini", twelve_lines(WIN_INIT, WIN_EXIT))
        content = sample_bytes(2100, 6)
        name = self.data_file("a.prn", content)

        # A best-fit look-alike of the name ("...CaptureL") names no queue;
        # quiet, so that such a fault ends the run with its status.
        status = self.start("/WIN", "/QUIET", f"/PRINTER={self.wine.unicode_printer}",
                            name).wait()
        self.wine.wait_for_delivery()

        self.assertEqual(status, 0)
        self.assertJobs(self.wine.unicode_printer, [(name, WIN_INIT + content + WIN_EXIT)])
        self.assertJobs(self.wine.printer, [])
        self.assertJobs(self.wine.printer2, [])

    def test_the_box_names_a_printer_not_in_the_list_as_it_is(self):
        missing = "Geen-\u0141\u00f3d\u017a"  # Geen-Łódź
        name = self.data_file("a.prn", b"a")

        run = self.start("/WIN", f"/PRINTER={missing}", name)
        box = self.answer_box(OUTPUT_CAPTION)

        self.assertEqual(run.wait(), 1)
        self.assertEqual(box.text, f"Printer niet gevonden: {missing}")
        self.assertJobs(self.wine.printer, [])

    def test_copies_of_each_file_go_out_in_a_row(self):
        self.write_control_file("Morvane.ini", twelve_lines(b"<", b">"))
        first = self.data_file("a.prn", sample_bytes(2000, 5))
        second = self.data_file("b.prn", b"second")

        status = self.start("/WIN", first, "/COPIES=3", second).wait()
        self.wine.wait_for_delivery()

        self.assertEqual(status, 0)
        a = (first, b"<" + sample_bytes(2000, 5) + b">")
        b = (second, b"<second>")
        self.assertJobs(self.wine.printer, [a, a, a, b, b, b])

    def test_quiet_run_with_an_unknown_printer_ends_by_itself(self):
        first = self.data_file("a.prn", b"a")
        second = self.data_file("b.prn", b"b")

        started = time.monotonic()
        status = self.start("/WIN", "/QUIET", "/PRINTER=Morvane Nowhere", first, second).wait(
            10 * SLOWDOWN)
        self.assertLess(time.monotonic() - started, 10 * SLOWDOWN)
        self.wine.wait_for_delivery()

        self.assertEqual(status, 2)  # both named files undelivered
        self.assertJobs(self.wine.printer, [])
        self.assertJobs(self.wine.printer2, [])

    def test_log_tells_each_delivered_copy_and_each_missing_file(self):
        log = self.data_dir / "run.log"
        log.write_bytes(b"earlier line\r\n")
        name = self.data_file("caf\u00e9.prn", b"12345")

        status = self.start("/WIN", "/LOG=C:\\x\\run.log", name, "missing.prn").wait()
        self.wine.wait_for_delivery()

        self.assertEqual(status, 1)
        # The title of a name outside ASCII may come garbled through Wine's spooler.
        self.assertEqual([job.data for job in self.wine.jobs(self.wine.printer)], [b"12345"])
        text = log.read_bytes().decode("utf-8")
        self.assertTrue(text.startswith("earlier line\r\n"), text)
        lines = text.split("\r\n")
        self.assertEqual(lines[-1], "", "the last line does not end with CR LF")
        stamp = r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d"
        printer = re.escape(self.wine.printer)
        self.assertRegex(lines[1], f"^{stamp}\tafgeleverd\t{printer}\t{re.escape(name)}\t5$")
        self.assertRegex(lines[2], f"^{stamp}\tniet gevonden\t{printer}\tmissing.prn\t0$")
        self.assertEqual(len(lines), 4, text)


class UnattendedTest(ProgramTestCase):
    """Runs that nobody watches: each ends by itself and says what it did."""

    def log_lines(self, name="run.log"):
        log = self.data_dir / name
        text = log.read_bytes().decode("utf-8") if log.exists() else ""
        self.assertTrue(text == "" or text.endswith("\r\n"), f"a line was cut: {text!r}")
        return [line for line in text.split("\r\n") if line]

    def quiet_run(self, *args, log="run.log"):
        """A quiet run to its end with a log in C:\\x: its status and the log's lines."""
        status = self.start("/WIN", "/QUIET", f"/LOG=C:\\x\\{log}", *args).wait()
        self.wine.wait_for_delivery()
        return status, self.log_lines(log)

    def test_held_files_and_a_source_still_written_send_no_partial_copy(self):
        ini = self.write_control_file("Morvane.ini", twelve_lines(b"<", b">"))
        name = self.data_file("a.prn", b"payload")
        held = HeldFile(self, self.windows_name(ini), HOLD_SECONDS)
        self.assertEqual(self.quiet_run(name)[0], 1)
        held.release()
        growing = self.windows_name(self.data_dir / "growing.prn")
        HeldFile(self, growing, HOLD_SECONDS, write=("<WI>FIRST-", "<WE>"))
        (self.data_dir / "held.log").write_bytes(b"kept\r\n")
        HeldFile(self, "C:\\x\\held.log", HOLD_SECONDS)

        # A held log sends all the same; its status counts the file not logged.
        self.assertEqual(self.quiet_run(name, growing, log="held.log"), (2, ["kept"]))

        self.assertJobs(self.wine.printer, [(name, b"<payload>")])
        ini_line, = self.log_lines()
        self.assertRegex(ini_line, f"^{STAMP}\tmislukt: Fout bij lezen van de instellingen uit "
                         f"{re.escape(self.windows_name(ini))}! .*\t{re.escape(name)}\t0$")

    def test_a_close_from_outside_stops_a_quiet_run_at_once(self):
        name = self.data_file("a.prn", sample_bytes(2000, 7))
        run = self.start("/WIN", "/QUIET", "/COPIES=500", "/LOG=C:\\x\\run.log", name)
        deadline = time.monotonic() + 60 * SLOWDOWN
        while not self.log_lines() and time.monotonic() < deadline:
            time.sleep(0.05)
        # As taskkill without /F does: WM_CLOSE to the window with the task-bar button.
        closed = Desktop(self.wine).drive("close", APPLICATION_CLASS, APPLICATION_TITLE)
        self.assertEqual(closed[0], 0, closed[1])

        self.assertEqual(run.wait(), 1)
        self.wine.wait_for_delivery()
        self.assertRegex(self.log_lines()[-1], f"^{STAMP}\tmislukt: afgebroken\t")
        self.assertLess(len(self.wine.jobs(self.wine.printer)), 500)

    def test_two_quiet_runs_with_one_log_both_write_every_line(self):
        names = self.data_file("a.prn", b"first"), self.data_file("b.prn", b"second")
        (self.data_dir / "run.log").write_bytes(b"earlier\r\n")

        # One queue each: two processes that spool at once lose copies in Wine
        # 8's spooler ("Fout bij verwerken van uitvoer!"), to one printer
        # always, to two now and then in the 64-bit build. Such a copy is
        # logged as failed and counted in its run's status.
        runs = [self.start("/WIN", "/QUIET", "/COPIES=20", f"/PRINTER={queue}",
                           "/LOG=C:\\x\\run.log", name)
                for name, queue in zip(names, (self.wine.printer, self.wine.printer2))]

        statuses = [run.wait() for run in runs]
        lines = self.log_lines()
        self.assertEqual((lines[0], len(lines)), ("earlier", 41), lines)
        for name, size, status in zip(names, (5, 6), statuses):
            # A lost copy took all or none of the file's bytes.
            pattern = (f"^{STAMP}\t(afgeleverd\t[^\t]+\t{re.escape(name)}\t{size}|mislukt: Fout "
                       f"bij verwerken van uitvoer!\t[^\t]+\t{re.escape(name)}\t({size}|0))$")
            ours = [line for line in lines if re.match(pattern, line)]
            self.assertEqual(len(ours), 20, lines)
            self.assertEqual(status, int(any("\tmislukt: " in line for line in ours)), lines)

    def test_hidden_and_inactive_starts_run_and_end(self):
        name = self.data_file("a.prn", b"started hidden")
        for show in (SW_HIDE, SW_SHOWMINNOACTIVE):
            self.wine.clear_captures()
            status, output = Desktop(self.wine).drive(
                "launch", show, PROGRAM_START_MS, f'"{self.windows_name(self.exe)}" /WIN {name}')
            self.assertEqual((status, output.split()), (0, ["exit", "0"]), f"show {show}")
            self.wine.wait_for_delivery()
            self.assertJobs(self.wine.printer, [(name, b"started hidden")])

    def test_a_batch_option_makes_a_batch_run_wherever_win_stands(self):
        name = self.data_file("a.prn", b"option first")
        # Without /WIN the option is a bad one: nothing is sent, the run ends.
        self.assertEqual(self.start("/QUIET", name).wait(), 1)
        self.assertEqual(self.start("/QUIET", "/WIN", name).wait(), 0)
        self.wine.wait_for_delivery()
        self.assertJobs(self.wine.printer, [(name, b"option first")])


if __name__ == "__main__":
    unittest.main()
