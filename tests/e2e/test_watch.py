"""The watched folder: "/WIN /WATCH=folder" sends each file that is in the
folder or arrives there exactly once, or sets it aside for a person. The
capture queues, the subfolders and the log are the evidence."""

import os
import re
import time
import unittest

from faults import HeldFile
from gui import Desktop
from harness import MAIN_CAPTION, SLOWDOWN, UNICODE_NAME, ProgramTestCase, twelve_lines
from test_batch import APPLICATION_CLASS, APPLICATION_TITLE, OUTPUT_CAPTION, STAMP

WATCH_TIMEOUT = 30 * SLOWDOWN  # seconds for the watch to deal with what it was given
POLL_SECONDS = 0.05
STOP_QUESTION = "Bewaken stoppen?"
VK_ESCAPE = 0x1B
WIN_BUTTON = "Win"
PROBE_MS = 1500
MAX_ANSWER_MS = 25
WRITER_SECONDS = 5 * SLOWDOWN


class WatchTestCase(ProgramTestCase):
    def setUp(self):
        super().setUp()
        self.write_control_file("Morvane.ini", twelve_lines(b"<", b">"))
        self.folder = self.data_dir / "labels"
        self.folder.mkdir()
        self.incoming = self.data_dir / "incoming"
        self.incoming.mkdir()
        self.log = self.data_dir / "watch.log"

    def watch(self, *extra, folder="C:\\x\\labels"):
        return self.start("/WIN", "/QUIET", f"/WATCH={folder}", "/LOG=C:\\x\\watch.log", *extra)

    def arrive(self, name, content, folder=None):
        """Puts a whole file into the folder at once, as a program that writes
        it elsewhere and moves it in does."""
        staged = self.incoming / name
        staged.write_bytes(content)
        os.replace(staged, (folder or self.folder) / name)

    def names(self, sub):
        folder = self.folder / sub if sub else self.folder
        return sorted(p.name for p in folder.iterdir() if p.is_file()) if folder.is_dir() else []

    def wait_until(self, condition, what, timeout=WATCH_TIMEOUT):
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline:
                self.fail(f"{what} within {timeout} s; log: {self.log_lines()}")
            time.sleep(POLL_SECONDS)

    def wait_sent(self, count):
        self.wait_until(lambda: len(self.names("verzonden")) >= count, f"{count} files sent")

    def log_lines(self):
        text = self.log.read_bytes().decode("utf-8") if self.log.exists() else ""
        return [line for line in text.split("\r\n") if line]

    def close(self, *runs):
        """Closes quiet watches from outside, as taskkill without /F does;
        returns the exit status of one, or of each of several."""
        deadline = time.monotonic() + WATCH_TIMEOUT
        while any(run.process.poll() is None for run in runs):
            self.assertLess(time.monotonic(), deadline, "a watch did not end at a close")
            Desktop(self.wine).drive("close", APPLICATION_CLASS, APPLICATION_TITLE)
            time.sleep(0.5)
        statuses = [run.wait() for run in runs]
        return statuses if len(runs) > 1 else statuses[0]

    def sent_jobs(self, queue=None):
        """The jobs as (file name, data): each title is the file's path in bezig."""
        self.wine.wait_for_delivery()
        return [(job.title.rsplit("\\", 1)[-1], job.data)
                for job in self.wine.jobs(queue or self.wine.printer)]


class WatchTest(WatchTestCase):
    def test_files_go_once_oldest_first_then_as_they_arrive_and_only_when_whole(self):
        for name, stamp in (("new.prn", 2000000000), ("old.prn", 1000000000)):
            (self.folder / name).write_bytes(name.encode())
            os.utime(self.folder / name, (stamp, stamp))
        run = self.watch()
        self.wait_sent(2)
        self.assertEqual(sorted(p.name for p in self.folder.iterdir() if p.is_dir()),
                         ["bezig", "mislukt", "verzonden"])

        # Written in pieces by a program that holds it meanwhile: nothing goes
        # out until the writer lets go, then all of it.
        HeldFile(self, "C:\\x\\labels\\piece.prn", WRITER_SECONDS, write=("FIRST-", "REST"))
        # Written under a passing name and renamed once whole; a name in use in
        # verzonden gets a suffix there.
        HeldFile(self, "C:\\x\\labels\\label.tmp", 0.5, write=("LA", "BEL"))
        self.wait_until(lambda: "label.tmp" in self.names(None), "label.tmp written")
        time.sleep(2)  # its writer has let go
        os.replace(self.folder / "label.tmp", self.folder / "old.prn")
        self.arrive("after.prn", b"after")
        self.wait_sent(4)
        self.assertNotIn("piece.prn", self.names("verzonden"), "sent before its writer let go")
        self.wait_sent(5)

        self.assertEqual(self.close(run), 0)
        self.assertEqual(self.sent_jobs(), [
            ("old.prn", b"<old.prn>"), ("new.prn", b"<new.prn>"), ("old.prn", b"<LABEL>"),
            ("after.prn", b"<after>"), ("piece.prn", b"<FIRST-REST>")])
        self.assertEqual(self.names("verzonden"),
                         ["after.prn", "new.prn", "old (2).prn", "old.prn", "piece.prn"])
        self.assertEqual((self.names(None), self.names("bezig"), self.names("mislukt")),
                         ([], [], []))
        lines = self.log_lines()
        self.assertEqual(len(lines), 5, lines)
        self.assertRegex(lines[2], f"^{STAMP}\tafgeleverd\t{self.wine.printer}\t"
                         + re.escape("C:\\x\\labels\\verzonden\\old (2).prn") + "\t5$")

    def test_a_file_half_sent_when_the_watch_was_killed_is_set_aside_never_sent_again(self):
        big = bytes(range(256)) * (192 * 1024)  # 48 MiB: long enough to be caught half sent
        run = self.watch()
        self.wait_until(lambda: (self.folder / "bezig").is_dir(), "the subfolders made")
        self.arrive("big.prn", big)
        self.wait_until(lambda: self.names("bezig") == ["big.prn"], "big.prn taken")
        run.stop()  # killed with everything of the prefix, as at a power cut
        self.wine.wait_for_delivery()
        self.wine.clear_captures()
        self.arrive("next.prn", b"next")

        run = self.watch()
        self.wait_sent(1)
        self.assertEqual(self.close(run), 1)
        self.assertEqual(self.sent_jobs(), [("next.prn", b"<next>")])
        self.assertEqual((self.names("bezig"), self.names("mislukt")), ([], ["big.prn"]))
        self.assertEqual((self.folder / "mislukt" / "big.prn").read_bytes(), big)
        self.assertRegex(self.log_lines()[0], f"^{STAMP}\tonderbroken\t[^\t]+\t"
                         + re.escape("C:\\x\\labels\\mislukt\\big.prn") + "\t0$")

    def test_two_watchers_send_each_file_once(self):
        # One queue each, which spares Wine 8's spooler some of its failures.
        runs = [self.watch(f"/PRINTER={queue}") for queue in (self.wine.printer, self.wine.printer2)]
        self.wait_until(lambda: (self.folder / "verzonden").is_dir(), "the subfolders made")
        time.sleep(2 * SLOWDOWN)  # both watch by now
        names = [f"f{i:02}.prn" for i in range(30)]
        for name in names:
            self.arrive(name, name.encode())
        # Wine 8's spooler fails now and then when two processes spool at once,
        # even to two printers: such a file is set aside, never sent twice.
        self.wait_until(lambda: len(self.names("verzonden") + self.names("mislukt")) == len(names),
                        "every file sent or set aside")

        statuses = self.close(*runs)
        self.assertEqual(sorted(self.names("verzonden") + self.names("mislukt")), names)
        self.assertEqual(sum(statuses), len(self.names("mislukt")))
        settled = sorted(line.split("\t")[3].rsplit("\\", 1)[-1] for line in self.log_lines())
        self.assertEqual(settled, names)

    def test_the_watch_outlasts_its_folder_going_away_and_coming_back(self):
        run = self.watch()
        self.arrive("a.prn", b"a")
        self.wait_sent(1)
        away = self.data_dir / "away"
        os.rename(self.folder, away)
        self.wait_until(lambda: any("\tmap niet bereikbaar\t" in line for line in self.log_lines()),
                        "the folder's loss logged")
        os.rename(away, self.folder)
        # A name the code page cannot hold goes as any other.
        self.arrive(UNICODE_NAME, b"b")
        self.wait_sent(2)

        self.assertEqual(self.close(run), 0)
        self.assertEqual([data for _, data in self.sent_jobs()], [b"<a>", b"<b>"])
        self.assertEqual(self.names("verzonden"), sorted(["a.prn", UNICODE_NAME]))
        self.assertRegex(self.log_lines()[1], f"^{STAMP}\tmap niet bereikbaar\t[^\t]+\t"
                         + re.escape("C:\\x\\labels") + "\t0$")


class WatchStartTest(WatchTestCase):
    def test_a_file_a_device_or_a_missing_folder_is_refused_and_nothing_is_sent(self):
        self.data_file("a.prn", b"a")
        bad = "Ongeldige optie: /WATCH="
        for folder, why in (("C:\\x\\a.prn", bad), ("C:\\x\\NUL", bad),
                            ("C:\\x\\missing", "Map niet bereikbaar: ")):
            self.log.unlink(missing_ok=True)
            self.assertEqual(self.watch(folder=folder).wait(), 1, folder)
            line, = self.log_lines()
            self.assertIn(f"\tmislukt: {why}{folder}\t", line)
        self.assertEqual(self.sent_jobs(), [])
        self.assertEqual(list(self.folder.iterdir()), [])

    def test_esc_asks_before_the_watch_stops_and_the_window_answers_meanwhile(self):
        run = self.start("/WIN", "/WATCH=C:\\x\\labels")
        self.arrive("a.prn", b"a")
        self.wait_sent(1)
        desktop = Desktop(self.wine)
        # The watch goes down to the task bar as a batch run does; a user brings it up.
        self.assertEqual(desktop.drive("restore", APPLICATION_CLASS, APPLICATION_TITLE)[0], 0)
        answers = desktop.start_probe(MAIN_CAPTION, WIN_BUTTON, PROBE_MS * 10, "Map ",
                                      for_ms=PROBE_MS).result()
        self.assertEqual(answers.seen_text,
                         "Map C:\\x\\labels: 1 verzonden, 0 mislukt (Esc: stoppen)")
        self.assertLessEqual(answers.longest_ms, MAX_ANSWER_MS, answers)

        desktop.drive("key", "MorvaneForm", MAIN_CAPTION, str(VK_ESCAPE))
        self.assertEqual(self.answer_box(OUTPUT_CAPTION, button="no").text, STOP_QUESTION)
        self.arrive("b.prn", b"b")
        self.wait_sent(2)
        desktop.drive("key", "MorvaneForm", MAIN_CAPTION, str(VK_ESCAPE))
        self.assertEqual(self.answer_box(OUTPUT_CAPTION, button="yes").text, STOP_QUESTION)
        self.assertEqual(run.wait(), 0)
        self.assertEqual(self.sent_jobs(), [("a.prn", b"<a>"), ("b.prn", b"<b>")])


if __name__ == "__main__":
    unittest.main()
