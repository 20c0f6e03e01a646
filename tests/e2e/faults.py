"""Faults a test can bring about around a running program: a port whose
reader stops and resumes, a file another program holds, a folder that
can't be written to or is full, CUPS queues that reject or hold jobs."""

import fcntl
import os
import select
import subprocess
import termios
import threading
import time
from pathlib import Path

from harness import SLOWDOWN, setting, tool

READ_CHUNK = 65536
POLL_SECONDS = 0.05
HOLD_START_TIMEOUT = 20 * SLOWDOWN  # seconds for hold_file to open its file


def point_port(test, port, target):
    """Points a port of the test prefix at target (a device such as /dev/null)
    for this test; the port's link is put back at its end."""
    link = Path(setting("WINEPREFIX")) / "dosdevices" / port
    saved = os.readlink(link) if link.is_symlink() else None

    def restore():
        link.unlink(missing_ok=True)
        if saved is not None:
            link.symlink_to(saved)

    link.unlink(missing_ok=True)
    link.symlink_to(target)
    test.addCleanup(restore)


class StoppablePort:
    """A port of the test prefix on a FIFO of this test's own, read by a
    thread that the test can stop, so that the program's writes block once
    the pipe is full, and resume. The port's link is put back at the end."""

    def __init__(self, test, port):
        folder = Path(setting("MORVANE_TEST_ENV")) / "stoppable-ports"
        folder.mkdir(exist_ok=True)
        self.fifo = folder / f"{port}.fifo"
        if not self.fifo.exists():
            os.mkfifo(self.fifo)
        self.link = Path(setting("WINEPREFIX")) / "dosdevices" / port
        self.saved_target = os.readlink(self.link) if self.link.is_symlink() else None
        # Held open for reading and writing, so that the program's closes
        # don't end the stream.
        self.fd = os.open(self.fifo, os.O_RDWR | os.O_NONBLOCK)
        self.data = bytearray()
        self.lock = threading.Lock()
        self.reading = threading.Event()
        self.reading.set()
        self.closing = False
        self.thread = threading.Thread(target=self._collect, daemon=True)
        self.thread.start()
        self._point_link(str(self.fifo))
        test.addCleanup(self.close)

    def _point_link(self, target):
        if self.link.is_symlink() or self.link.exists():
            self.link.unlink()
        if target is not None:
            self.link.symlink_to(target)

    def _collect(self):
        while not self.closing:
            if not self.reading.wait(POLL_SECONDS):
                continue
            ready, _, _ = select.select([self.fd], [], [], POLL_SECONDS)
            if not ready or not self.reading.is_set():
                continue
            try:
                chunk = os.read(self.fd, READ_CHUNK)
            except BlockingIOError:
                continue
            with self.lock:
                self.data += chunk

    def stop(self):
        self.reading.clear()

    def resume(self):
        self.reading.set()

    def waiting(self):
        """How many bytes the program has written that no one has read yet."""
        count = bytearray(4)
        fcntl.ioctl(self.fd, termios.FIONREAD, count)
        return int.from_bytes(count, "little")

    def wait_until_blocked(self, timeout=20.0, pipe_full=60000, still_seconds=0.3):
        """Waits until the stopped reader has let the pipe fill and the program
        has stopped writing, its next write blocked."""
        deadline = time.monotonic() + timeout
        level = self.waiting()
        while True:
            time.sleep(still_seconds)
            previous, level = level, self.waiting()
            if level >= pipe_full and level == previous:
                return
            if time.monotonic() > deadline:
                raise AssertionError(f"the program wrote {level} bytes and did not block")

    def size(self):
        with self.lock:
            return len(self.data)

    def received(self, expected_size, timeout=30.0, settle=0.3):
        """Waits for expected_size bytes (then settle seconds for a surplus)
        and returns all that arrived."""
        deadline = time.monotonic() + timeout
        while self.size() < expected_size and time.monotonic() < deadline:
            time.sleep(POLL_SECONDS)
        time.sleep(settle)
        with self.lock:
            return bytes(self.data)

    def close(self):
        self._point_link(self.saved_target)
        self.resume()
        self.closing = True
        self.thread.join()
        os.close(self.fd)


class HeldFile:
    """A file held open by another Windows process, sharing nothing; or, given
    write=(first, rest), created and written by it, first at once and the rest
    after the seconds, others free to read it meanwhile."""

    def __init__(self, test, windows_path, seconds, write=None):
        self.output = test.run_dir / f"hold_file-{len(list(test.run_dir.glob('hold_file*')))}.out"
        pieces = ["write", *write] if write else []
        with self.output.open("wb") as out:
            self.process = subprocess.Popen(
                ["wine", tool("MORVANE_HOLD_FILE"), windows_path, str(int(seconds * 1000)),
                 *pieces],
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT)
        test.addCleanup(self.release)
        deadline = time.monotonic() + HOLD_START_TIMEOUT
        while b"held" not in self.output.read_bytes():
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise AssertionError(f"hold_file did not hold {windows_path}: "
                                     f"{self.output.read_bytes()!r}")
            time.sleep(POLL_SECONDS)

    def release(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def make_immutable(test, folder):
    """Makes a folder unwritable even for root (tests run as root, which
    ignores mode bits) until the test ends."""
    subprocess.run(["chattr", "+i", str(folder)], check=True)
    test.addCleanup(subprocess.run, ["chattr", "-i", str(folder)], check=True)


def mount_small_folder(test, folder, size):
    """Mounts a tmpfs of that size on folder, unmounted at the end of the test."""
    if os.path.ismount(folder):  # left over from a test that was killed
        subprocess.run(["umount", "-l", str(folder)], check=True)
    folder.mkdir(parents=True, exist_ok=True)
    subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size}", "tmpfs", str(folder)],
                   check=True)
    test.addCleanup(subprocess.run, ["umount", "-l", str(folder)], check=False)


def fill_folder(folder):
    """Writes a file into folder until its file system is full."""
    block = b"\0" * 4096
    with (folder / "filler.bin").open("wb", buffering=0) as filler:
        try:
            while True:
                filler.write(block)
        except OSError:
            pass
        try:
            while True:
                filler.write(b"\0")
        except OSError:
            pass


def queue_state(test, queue, rejecting=False, disabled=False):
    """Makes a CUPS queue reject new jobs or hold them, until the test ends."""
    if rejecting:
        subprocess.run(["cupsreject", queue], check=True)
        test.addCleanup(subprocess.run, ["cupsaccept", queue], check=True)
    if disabled:
        subprocess.run(["cupsdisable", queue], check=True)
        test.addCleanup(subprocess.run, ["cupsenable", queue], check=True)


def pending_jobs(queue):
    output = subprocess.run(["lpstat", "-o", queue], capture_output=True, text=True,
                            check=False).stdout
    return [line for line in output.splitlines() if line.strip()]
