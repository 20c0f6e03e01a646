"""Runs morvane.exe under Wine in the test environment and looks at what it did.

The environment (prefix, X display, CUPS capture queues) is prepared by the
fixture tests/win32/test-environment; ctest passes its settings in the
environment. Every test gets a fresh run folder with a copy of the program,
an empty registry key and empty capture folders.
"""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest
from dataclasses import dataclass
from pathlib import Path

MAIN_CAPTION = "Uitvoer van bestand naar"
REGISTRY_KEY = r"HKCU\Software\tqv\morvane"

# A name the ANSI code page (1252) can't hold, and the file a best-fit
# conversion of it would name instead.
UNICODE_NAME = "\u0141\u00f3d\u017a-\u00fc.prn"  # Łódź-ü.prn
LOOK_ALIKE_NAME = "L\u00f3dz-\u00fc.prn"  # Lódz-ü.prn

EMULATED_CHECK = Path(__file__).resolve().parents[2] / "scripts" / "lib" / "i386-emulation" / "emulated"


def is_32bit_program(path):
    """Whether the Windows program at path is built for 32-bit x86."""
    with open(path, "rb") as program:
        header = program.read(4096)
    pe_offset = int.from_bytes(header[0x3C:0x40], "little")
    return header[pe_offset:pe_offset + 6] == b"PE\0\0\x4c\x01"


def program_is_emulated():
    """Whether the program under test runs under qemu's i386 emulator, as
    scripts/wine32/wine runs a 32-bit program where the kernel runs none."""
    program = os.environ.get("MORVANE_PROGRAM")
    return (bool(program) and os.path.isfile(program) and is_32bit_program(program)
            and subprocess.run([EMULATED_CHECK], check=False).returncode == 0)


# Under the emulator the program's own work (a dialog's start, a drop of
# 10,000 names) takes several times as long: every bound on a wait stretches
# by this factor. Bounds on what the program promises (the window's answers,
# the splash's time) do not.
SLOWDOWN = 4 if program_is_emulated() else 1

PROGRAM_TIMEOUT = 30 * SLOWDOWN  # seconds for one run of the program
DELIVERY_TIMEOUT = 20 * SLOWDOWN  # seconds for CUPS to hand the jobs to the backend
WINE_TOOL_TIMEOUT = 30 * SLOWDOWN  # seconds for reg.exe and the like


def setting(name):
    value = os.environ.get(name)
    if not value:
        raise AssertionError(f"{name} is not set: run the end-to-end tests through ctest")
    return value


def tool(name):
    """The driver program of that setting: its 64-bit build where the program
    runs under the emulator, in which a 32-bit driver would start seconds late."""
    if SLOWDOWN > 1 and os.environ.get(name + "_X64"):
        return os.environ[name + "_X64"]
    return setting(name)


@dataclass
class Job:
    """One job as the capture backend kept it."""

    number: int
    title: str
    data: bytes

    @property
    def unicode_title(self):
        """The title as CUPS passed it on from Wine, in UTF-8."""
        return self.title.encode("latin-1").decode("utf-8", "replace")


def control_file(lines):
    """The bytes of a control-string file holding these lines, each ended by CR LF."""
    return b"".join(line + b"\r\n" for line in lines)


def twelve_lines(win_init=b"", win_exit=b"", device=b""):
    """Twelve control strings: the ten device strings, then the WIN pair."""
    return [device + b"%d" % i if device else b"" for i in range(10)] + [win_init, win_exit]


@dataclass
class Box:
    """A message box as answer_box saw it before pressing OK."""

    text: str
    owner_caption: str
    owner_minimized: bool


class WineSession:
    """The test prefix and the tools that act in it."""

    def __init__(self):
        self.prefix = Path(setting("WINEPREFIX"))
        self.program = Path(setting("MORVANE_PROGRAM"))
        self.answer_box_exe = Path(tool("MORVANE_ANSWER_BOX"))
        self.captures = Path(setting("MORVANE_TEST_CAPTURES"))
        self.env_dir = Path(setting("MORVANE_TEST_ENV"))
        self.printer = setting("MORVANE_TEST_PRINTER")
        self.printer2 = setting("MORVANE_TEST_PRINTER2")
        self.unicode_printer = setting("MORVANE_TEST_PRINTER3")
        if not self.program.is_file():
            raise AssertionError(f"{self.program} has not been built")
        # Wine 8's 32-bit spooler hands CUPS a title outside ASCII with stray
        # bytes after it, or none at all (CUPS then says "Untitled"), though
        # it names the spool document whole; the 64-bit spooler passes such a
        # title on unless it starts with a drive.
        self.passes_unicode_titles = not is_32bit_program(self.program)

    @property
    def drive_c(self):
        return self.prefix / "drive_c"

    def kill_all(self):
        """Ends every Wine process of the test prefix, then starts its server
        again, detached from our output as the environment's setup left it."""
        quiet = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL,
                 "stderr": subprocess.DEVNULL}
        for command in ("-k", "-w", "-p"):
            subprocess.run(["wineserver", command], check=False, timeout=WINE_TOOL_TIMEOUT,
                           **quiet)

    def wine_tool(self, *args, encoding="utf-8"):
        """Runs a Wine command-line tool and returns its exit status and output."""
        with tempfile.TemporaryFile() as out:
            # Output goes to a file: Wine's helper processes may keep a pipe
            # open long after the tool has ended.
            try:
                status = subprocess.run(
                    ["wine", *args], stdin=subprocess.DEVNULL, stdout=out,
                    stderr=subprocess.STDOUT, timeout=WINE_TOOL_TIMEOUT, check=False).returncode
            except subprocess.TimeoutExpired:
                self.kill_all()
                raise
            out.seek(0)
            return status, out.read().decode(encoding, "replace")

    # Registry of the current user.

    def delete_program_key(self):
        self.wine_tool("reg", "delete", REGISTRY_KEY, "/f")

    def set_program_value(self, name, text):
        status, output = self.wine_tool(
            "reg", "add", REGISTRY_KEY, "/v", name, "/t", "REG_SZ", "/d", text, "/f")
        if status != 0:
            raise AssertionError(f"reg add {name} failed: {output}")

    def program_values(self):
        """The values under the program's key as {name: (type, text)}; None without the key."""
        status, output = self.wine_tool("reg", "query", REGISTRY_KEY)
        if status != 0:
            return None
        values = {}
        for line in output.splitlines():
            match = re.match(r"^ {4}(\S+) {4}(REG_\w+)(?: {4}(.*))?$", line.rstrip("\r"))
            if match:
                values[match.group(1)] = (match.group(2), match.group(3) or "")
        return values

    # Capture queues.

    @property
    def queues(self):
        return (self.printer, self.printer2, self.unicode_printer)

    def capture_folder(self, queue):
        return self.captures / queue

    def clear_captures(self):
        for queue in self.queues:
            folder = self.capture_folder(queue)
            shutil.rmtree(folder, ignore_errors=True)
            folder.mkdir(parents=True)

    def wait_for_delivery(self):
        """Waits until CUPS has no job left for the capture queues."""
        deadline = time.monotonic() + DELIVERY_TIMEOUT
        while True:
            pending = subprocess.run(
                ["lpstat", "-o", *self.queues], capture_output=True, text=True,
                check=False).stdout.strip()
            if not pending:
                return
            if time.monotonic() > deadline:
                raise AssertionError(f"jobs not delivered within {DELIVERY_TIMEOUT} s:\n{pending}")
            time.sleep(0.1)

    def jobs(self, queue):
        """The jobs the queue's backend kept, in the order they were printed."""
        folder = self.capture_folder(queue)
        jobs = []
        for data_file in folder.glob("job-*.prn"):
            number = int(data_file.stem.split("-")[1])
            title = (folder / f"job-{number}.title").read_bytes().decode("latin-1")
            jobs.append(Job(number, title, data_file.read_bytes()))
        return sorted(jobs, key=lambda job: job.number)


class ProgramRun:
    """One start of morvane.exe that may still be running."""

    def __init__(self, session, exe, args, cwd):
        self.session = session
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["wine", str(exe), *args], cwd=cwd, stdin=subprocess.DEVNULL, stdout=self.output,
            stderr=subprocess.STDOUT)

    def wait(self, timeout=PROGRAM_TIMEOUT):
        """Waits for the program to end; kills the prefix and fails when it doesn't."""
        try:
            status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.stop()
            raise AssertionError(f"morvane.exe did not end within {timeout} s") from None
        self.output.close()
        return status

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
            self.session.kill_all()
        self.output.close()


class ProgramTestCase(unittest.TestCase):
    """A test of the program: a run folder of its own, no registry key, empty captures."""

    def setUp(self):
        self.wine = WineSession()
        self.run_dir = self.wine.drive_c / "morvane-e2e" / self.id().rsplit(".", 2)[-1]
        shutil.rmtree(self.run_dir, ignore_errors=True)
        # exist_ok: a mount point that a killed test left stays behind.
        self.run_dir.mkdir(parents=True, exist_ok=True)
        self.exe = self.run_dir / "morvane.exe"
        shutil.copy2(self.wine.program, self.exe)
        self.data_dir = self.wine.drive_c / "x"
        shutil.rmtree(self.data_dir, ignore_errors=True)
        self.data_dir.mkdir()
        self.wine.delete_program_key()
        self.wine.clear_captures()
        self.runs = []
        self.addCleanup(self._stop_runs)

    def _stop_runs(self):
        for run in self.runs:
            run.stop()

    def write_control_file(self, name, lines):
        path = self.run_dir / name
        path.write_bytes(control_file(lines))
        return path

    def windows_name(self, path):
        """The name the program sees for a path under drive C."""
        return "C:\\" + str(path.relative_to(self.wine.drive_c)).replace("/", "\\")

    def data_file(self, name, content):
        """A file in C:\\x; returns its Windows name."""
        (self.data_dir / name).write_bytes(content)
        return "C:\\x\\" + name

    def start(self, *args):
        run = ProgramRun(self.wine, self.exe, args, cwd=self.data_dir)
        self.runs.append(run)
        return run

    def run_program(self, *args):
        """Runs the program to its end and waits for CUPS to deliver what it sent."""
        self.start(*args).wait()
        self.wine.wait_for_delivery()

    def answer_box(self, caption, timeout_ms=20000, button="ok"):
        """Waits for the program's box with that caption, presses the button
        (ok, cancel, yes or no) and returns its text, its owner's caption and
        whether the owner was minimized."""
        status, output = self.wine.wine_tool(str(self.wine.answer_box_exe), caption,
                                             str(timeout_ms), button)
        self.assertEqual(status, 0, f"no box \"{caption}\" was answered: {output}")
        lines = [line.rstrip("\r") for line in output.split("\n")]
        self.assertGreaterEqual(len(lines), 3, f"unexpected answer_box output: {output!r}")
        return Box(text=lines[0], owner_caption=lines[1], owner_minimized=lines[2] == "minimized")

    def assertJobs(self, queue, expected):
        """The queue received exactly these (title, bytes) jobs, in this order."""
        got = [(job.title, job.data) for job in self.wine.jobs(queue)]
        self.assertEqual([title for title, _ in got], [title for title, _ in expected],
                         f"job titles at {queue}")
        for (title, data), (_, want) in zip(got, expected):
            self.assertEqual(len(data), len(want), f"size of job {title!r}")
            self.assertEqual(data, want, f"bytes of job {title!r}")
