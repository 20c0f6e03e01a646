"""A long run of the real program: 100 files in 100 collated sets to LPT1,
10,000 copies in all. Every byte arrives in order, and the program holds no
more memory or open handles afterwards than it did after its first copies,
as /proc shows them for the Wine process."""

import os
import time
import unittest
from dataclasses import dataclass
from pathlib import Path

from gui import PortOutput
from test_faults import FaultWindowTestCase, lpt1
from test_commands import sample

FILES = 100
SETS = 100
SAMPLE_SECONDS = 0.5
SOAK_TIMEOUT = 600  # seconds for all copies to arrive
# Resident memory may move by a few pages as Wine touches them; a leak of a
# buffer or a handle per copy would show as far more over 10,000 copies.
RSS_SLACK_KIB = 256


@dataclass
class Footprint:
    """What /proc shows of a process at one moment."""

    rss_kib: int
    size_kib: int
    open_files: int
    threads: int

    @classmethod
    def of(cls, pid):
        status = {}
        for line in Path(f"/proc/{pid}/status").read_text().splitlines():
            name, _, value = line.partition(":")
            status[name] = value.split()[0] if value.split() else ""
        return cls(rss_kib=int(status["VmRSS"]), size_kib=int(status["VmSize"]),
                   open_files=len(os.listdir(f"/proc/{pid}/fd")), threads=int(status["Threads"]))


class SoakTest(FaultWindowTestCase):
    def test_ten_thousand_copies_arrive_in_order_without_growth(self):
        names = [f"s{i:03d}.prn" for i in range(FILES)]
        contents = [sample(50 + 7 * i, i) for i in range(FILES)]
        for name, content in zip(names, contents):
            (self.data_dir / name).write_bytes(content)
        run = self.start_window(extended=True)
        self.drop(self.grid(), *names)
        pid = run.process.pid

        # The first copies: one set, after which the program is idle again.
        port = PortOutput("lpt1")
        self.click_button("LPT1")
        one_set = lpt1(*contents)
        self.assertEqual(port.received(len(one_set)), one_set)
        self.wait_enabled("LPT1")
        after_first = Footprint.of(pid)

        self.set_count(SETS)
        port = PortOutput("lpt1")
        started = time.monotonic()
        self.click_button("LPT1")
        expected = one_set * SETS
        during = [Footprint.of(pid)]
        while port.path.stat().st_size - port.start < len(expected):
            if time.monotonic() - started > SOAK_TIMEOUT:
                break
            during.append(Footprint.of(pid))
            time.sleep(SAMPLE_SECONDS)
        received = port.received(len(expected))
        elapsed = time.monotonic() - started
        self.assertEqual(len(received), len(expected), "not every copy arrived")
        self.assertEqual(received, expected, "the copies arrived changed or out of order")
        self.wait_enabled("LPT1")
        at_end = Footprint.of(pid)

        print(f"\n{FILES * SETS} copies, {len(expected)} bytes in {elapsed:.1f} s; "
              f"after the first set {after_first}; at the end {at_end}; during: "
              f"RSS {min(f.rss_kib for f in during)}..{max(f.rss_kib for f in during)} KiB, "
              f"open files {min(f.open_files for f in during)}.."
              f"{max(f.open_files for f in during)}")
        self.assertEqual(at_end.open_files, after_first.open_files, "open files grew")
        self.assertEqual(at_end.threads, after_first.threads, "threads grew")
        self.assertLessEqual(at_end.size_kib, after_first.size_kib, "address space grew")
        self.assertLessEqual(at_end.rss_kib - after_first.rss_kib, RSS_SLACK_KIB,
                             "resident memory grew")
        self.quit(run)


if __name__ == "__main__":
    unittest.main()
