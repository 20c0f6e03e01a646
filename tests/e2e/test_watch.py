"""The watched folder: "/WIN /WATCH=folder" sends each file that is in the
folder or arrives there exactly once, or sets it aside for a person. The
capture queues, the subfolders and the log are the evidence."""

import os
import re
import subprocess
import time
import unittest

from faults import HeldFile, make_immutable
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
LOG_HOLD_SECONDS = 8 * SLOWDOWN  # longer than the program waits for a held log
NOT_MOVED = "niet verplaatst: Fout bij verplaatsen naar "


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
        self.assertEqual(sum(statuses), len(self.names("mislukt")), (statuses, self.log_lines()))
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


class WatchEdgesTest(WatchTestCase):
    def map_drive(self, letter, folder):
        """Maps a drive letter to the folder, as a share mapped to a letter is."""
        link = self.wine.prefix / "dosdevices" / f"{letter}:"
        link.unlink(missing_ok=True)
        link.symlink_to(folder)
        self.addCleanup(link.unlink, missing_ok=True)

    def test_every_name_goes_as_itself_from_a_drive_root(self):
        self.map_drive("p", self.folder)
        # Names a system that tells case apart, or ends them in a dot, writes;
        # and a device's name, which is set aside.
        names = ["abc.prn", "xa.prn", "ya.prn", "A.prn", "a.prn", "dot.prn.", "space.prn "]
        # The log kept at the root itself is no file to send.
        self.log = self.folder / "watch.log"
        run = self.start("/WIN", "/QUIET", "/WATCH=P:\\", "/LOG=P:\\watch.log")
        self.wait_until(lambda: (self.folder / "verzonden").is_dir(), "the subfolders made")
        for name in names + ["com1.prn"]:
            self.arrive(name, name.encode())
        self.wait_sent(len(names))
        self.wait_until(lambda: self.names("mislukt") == ["com1.prn"], "com1.prn set aside")

        self.assertEqual(self.close(run), 1)
        # Wine finds a name in a folder whatever its case: of A.prn and a.prn,
        # the second gets a number in verzonden.
        self.assertEqual(self.names("verzonden"),
                         sorted(name if name != "a.prn" else "a (2).prn" for name in names))
        self.assertEqual(sorted(self.sent_jobs()),
                         sorted((name, b"<" + name.encode() + b">") for name in names))
        self.assertEqual((self.names(None), self.names("bezig")), (["watch.log"], []))
        device_line, = [line for line in self.log_lines() if "com1" in line]
        self.assertIn("\tmislukt: Bestandsnaam is een apparaatnaam\t", device_line)
        self.assertTrue(device_line.endswith("\tP:\\mislukt\\com1.prn\t0"), device_line)

    def test_a_folder_renamed_away_and_made_again_is_watched_anew(self):
        run = self.watch()
        self.arrive("a.prn", b"a")
        self.wait_sent(1)
        os.rename(self.folder, self.data_dir / "labels.old")
        self.folder.mkdir()
        self.arrive("b.prn", b"b")
        self.wait_sent(1)

        self.assertEqual(self.close(run), 0)
        self.assertEqual(self.sent_jobs(), [("a.prn", b"<a>"), ("b.prn", b"<b>")])
        results = [line.split("\t")[1] for line in self.log_lines()]
        self.assertEqual(results, ["afgeleverd", "map niet bereikbaar", "afgeleverd"])

    def test_a_delivered_file_that_cannot_reach_verzonden_is_never_sent_again(self):
        (self.folder / "verzonden").mkdir()
        make_immutable(self, self.folder / "verzonden")
        run = self.watch()
        self.arrive("a.prn", b"a")
        self.wait_until(lambda: len(self.log_lines()) == 2, "a.prn delivered and not moved")
        self.assertEqual(self.close(run), 1)
        delivered, not_moved = [line.split("\t")[1:4:2] for line in self.log_lines()]
        self.assertEqual(delivered, ["afgeleverd", "C:\\x\\labels\\bezig\\a.prn"])
        self.assertEqual(not_moved, [NOT_MOVED + "C:\\x\\labels\\verzonden (fout 5)",
                                     "C:\\x\\labels\\bezig\\a.prn"])

        subprocess.run(["chattr", "-i", str(self.folder / "verzonden")], check=True)
        self.log.unlink()
        self.assertEqual(self.close(self.watch()), 0)
        self.assertEqual(self.sent_jobs(), [("a.prn", b"<a>")])
        self.assertEqual((self.names("verzonden"), self.names("bezig"), self.names("mislukt")),
                         (["a.prn"], [], []))
        line, = self.log_lines()
        self.assertRegex(line, f"^{STAMP}\tverplaatst\t[^\t]+\t"
                         + re.escape("C:\\x\\labels\\verzonden\\a.prn") + "\t0$")

    def test_a_log_held_past_the_wait_counts_each_file_and_the_session_end_ends_the_watch(self):
        self.log.write_bytes(b"")
        HeldFile(self, "C:\\x\\watch.log", LOG_HOLD_SECONDS)
        run = self.watch()
        self.arrive("a.prn", b"a")
        self.wait_sent(1)
        # A quiet watch between files lets a log-off go on, and ends with it.
        status, output = Desktop(self.wine).drive("end-session", "MorvaneForm", MAIN_CAPTION)
        self.assertEqual((status, output.split()), (0, ["query", "1", "ended"]))
        self.assertEqual(run.wait(), 1)  # the line of a.prn is not in the log
        self.assertEqual(self.sent_jobs(), [("a.prn", b"<a>")])


if __name__ == "__main__":
    unittest.main()
