"""Drives the program's windows from outside, as a user does: the window
tree read by tools/window_driver.c, mouse clicks by xdotool on the positions
of the real window rectangles, screenshots by ImageMagick.

All processes of the test prefix share Wine's virtual desktop, which fills
the X screen from its top-left corner, so screen coordinates under Wine are
X coordinates.
"""

import os
import subprocess
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

from harness import SLOWDOWN, setting, tool

FORM_CLASS = "MorvaneForm"
PANEL_CLASS = "MorvanePanel"
TOOL_BUTTON_CLASS = "MorvaneToolButton"
OPEN_DIALOG_CAPTION = "Selecteer bestand"
WINDOW_TIMEOUT_MS = 20000 * SLOWDOWN
X_TOOL_TIMEOUT = 10  # seconds for xdotool and import
DRIVER_START_TIMEOUT = 30 * SLOWDOWN  # seconds for a background driver to find its window
POLL_INTERVAL = 0.05  # seconds between looks at a background driver's output
WATCHING = b"watching"  # what a background driver prints once it looks
SCREENSHOT_DIR = Path(__file__).resolve().parents[2] / "build" / "screenshots"
ESCAPES = {"\\\\": "\\", "\\t": "\t", "\\r": "\r", "\\n": "\n"}


@dataclass
class Rect:
    left: int
    top: int
    right: int
    bottom: int

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def centre(self):
        return (self.left + self.right) // 2, (self.top + self.bottom) // 2

    def relative_to(self, origin):
        """This rectangle as left, top, width, height from origin's corner."""
        return (self.left - origin.left, self.top - origin.top, self.width, self.height)


@dataclass
class Window:
    """One window as the driver saw it."""

    handle: int
    parent: int
    class_name: str
    control_id: int
    enabled: bool
    visible: bool
    rect: Rect
    client: Rect
    text: str
    items: list  # a combo box's list entries


def unescape(text):
    out, i = [], 0
    while i < len(text):
        pair = text[i:i + 2]
        if pair in ESCAPES:
            out.append(ESCAPES[pair])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def parse_tree(output):
    windows = []
    for line in output.splitlines():
        fields = line.rstrip("\r").split("\t")
        if len(fields) == 4 and fields[0] == "item" and windows:
            windows[-1].items.append(unescape(fields[3]))
            continue
        if len(fields) != 16 or fields[0] != "window":
            continue
        numbers = [int(value) for value in fields[7:15]]
        windows.append(Window(
            handle=int(fields[1]), parent=int(fields[2]), class_name=fields[3],
            control_id=int(fields[4]), enabled=fields[5] == "1", visible=fields[6] == "1",
            rect=Rect(*numbers[:4]), client=Rect(*numbers[4:]), text=unescape(fields[15]),
            items=[]))
    return windows


class WindowTree:
    """A top-level window and every window inside it, at one moment."""

    def __init__(self, windows):
        self.top = windows[0]
        self.windows = windows

    def children(self, parent):
        return [w for w in self.windows if w.parent == parent.handle]

    def shown(self):
        """The windows inside that are visible (their parents included)."""
        return [w for w in self.windows[1:] if w.visible]

    def find(self, class_name, text):
        matches = [w for w in self.windows[1:] if w.class_name == class_name and w.text == text]
        if len(matches) != 1:
            raise AssertionError(f"{len(matches)} windows of class {class_name} read {text!r}")
        return matches[0]

    def button(self, text):
        return self.find("Button", text)

    def tool_buttons(self):
        """The flat tool buttons of the toolbar (the panel at the top of the
        client area), from left to right."""
        toolbars = [w for w in self.children(self.top)
                    if w.class_name == PANEL_CLASS and w.visible and w.rect.top == self.top.client.top
                    and any(c.class_name == TOOL_BUTTON_CLASS for c in self.children(w))]
        if len(toolbars) != 1:
            raise AssertionError(f"{len(toolbars)} toolbars found")
        buttons = [c for c in self.children(toolbars[0]) if c.class_name == TOOL_BUTTON_CLASS]
        return sorted(buttons, key=lambda b: b.rect.left)

    def client_size(self):
        return self.top.client.width, self.top.client.height


class Desktop:
    """The shared desktop of the test prefix."""

    def __init__(self, session):
        self.session = session
        self.driver = tool("MORVANE_WINDOW_DRIVER")

    def drive(self, *args):
        # The driver reads the windows' texts as wide texts and prints them in UTF-8.
        return self.session.wine_tool(self.driver, *map(str, args))

    def tree(self, caption, class_name=FORM_CLASS, timeout_ms=WINDOW_TIMEOUT_MS):
        status, output = self.drive("tree", class_name, caption, timeout_ms)
        if status != 0:
            raise AssertionError(f"no window {caption!r} (driver status {status}): {output}")
        windows = parse_tree(output)
        if not windows:
            raise AssertionError(f"unreadable window tree: {output!r}")
        return WindowTree(windows)

    def wait(self, caption, class_name=FORM_CLASS, timeout_ms=WINDOW_TIMEOUT_MS):
        return self.drive("wait", class_name, caption, timeout_ms)[0] == 0

    def wait_gone(self, caption, class_name=FORM_CLASS, timeout_ms=WINDOW_TIMEOUT_MS):
        return self.drive("wait-gone", class_name, caption, timeout_ms)[0] == 0

    def is_shown(self, caption, class_name=FORM_CLASS):
        return self.drive("wait", class_name, caption, 0)[0] == 0

    def choose_file(self, path, timeout_ms=WINDOW_TIMEOUT_MS):
        """Types path into the open dialog's file name box and presses OK."""
        status, output = self.drive("choose-file", OPEN_DIALOG_CAPTION, timeout_ms, path)
        if status != 0:
            raise AssertionError(f"choosing {path} in the open dialog failed: {output}")

    def type_name(self, path, timeout_ms=WINDOW_TIMEOUT_MS):
        """Types path into the open dialog's file name box and presses OK,
        without waiting for the dialog to go."""
        status, output = self.drive("type-name", OPEN_DIALOG_CAPTION, timeout_ms, path)
        if status != 0:
            raise AssertionError(f"typing {path} into the open dialog failed: {output}")

    def press(self, caption, button_text, class_name=FORM_CLASS):
        status, output = self.drive("press", class_name, caption, button_text, WINDOW_TIMEOUT_MS)
        if status != 0:
            raise AssertionError(f"pressing {button_text!r} in {caption!r} failed: {output}")

    def start_probe(self, caption, button_text, timeout_ms, watched_prefix,
                    class_name=FORM_CLASS, for_ms=None):
        """Starts timing how promptly the window answers during the run that
        disables the button (or, given for_ms, during that long of it), and
        watching, without asking the program, for a child window text that
        begins with the prefix."""
        extra = [] if for_ms is None else [str(for_ms)]
        return DuringRun(self.driver, "probe", class_name, caption, button_text, timeout_ms,
                         watched_prefix, *extra)

    def start_close_in_run(self, caption, button_text, timeout_ms, class_name=FORM_CLASS):
        """Closes the window as soon as the run that disables the button has begun."""
        return DuringRun(self.driver, "close-in-run", class_name, caption, button_text,
                         timeout_ms)

    def set_edit_text(self, caption, index, text, class_name=FORM_CLASS):
        status, output = self.drive("set-text", class_name, caption, index, text)
        if status != 0:
            raise AssertionError(f"setting edit {index} of {caption!r} failed: {output}")

    def click(self, window):
        """A left click in the middle of the window, as the mouse gives it."""
        x, y = window.rect.centre
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True,
                       timeout=X_TOOL_TIMEOUT, env=self._x_environment())

    def screenshot(self, name):
        SCREENSHOT_DIR.mkdir(parents=True, exist_ok=True)
        path = SCREENSHOT_DIR / f"{name}.png"
        subprocess.run(["import", "-window", "root", str(path)], check=True,
                       timeout=X_TOOL_TIMEOUT, env=self._x_environment())
        return path

    @staticmethod
    def _x_environment():
        return {**os.environ, "DISPLAY": setting("DISPLAY")}


@dataclass(frozen=True)
class ProbeResult:
    probes: int
    longest_ms: float
    longest_at_ms: int  # since the run began
    slow_answers: int  # answers that took over 10 ms
    seen_text: str  # the first watched text, or empty


class DuringRun:
    """A driver command in the background that acts once a run has begun,
    which the disabling of a target button shows."""

    def __init__(self, driver, command, class_name, caption, button_text, timeout_ms, *extra):
        self.command = command
        self.timeout = timeout_ms / 1000 + X_TOOL_TIMEOUT
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["wine", driver, command, class_name, caption, button_text, str(timeout_ms), *extra],
            stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT)
        self._wait_watching()

    def _wait_watching(self):
        """Returns once the driver has found the button, so that the run the
        caller starts next cannot begin (or even end) before it looks."""
        deadline = time.monotonic() + DRIVER_START_TIMEOUT
        while self.process.poll() is None:  # once it has ended, result() tells why
            self.output.seek(0)
            if WATCHING in self.output.read().splitlines():
                return
            if time.monotonic() > deadline:
                raise AssertionError(f"{self.command} did not find its button in time")
            time.sleep(POLL_INTERVAL)

    def result(self):
        """For a probe, its ProbeResult."""
        status = self.process.wait(timeout=self.timeout)
        self.output.seek(0)
        text = self.output.read().decode("utf-8", "replace")
        self.output.close()
        if status != 0:
            raise AssertionError(f"{self.command} failed: {text}")
        if self.command != "probe":
            return None
        figures = dict(line.split(" ", 1) for line in text.splitlines() if " " in line)
        return ProbeResult(int(figures["probes"]), int(figures["longest-wait-us"]) / 1000,
                           int(figures["longest-at-ms"]), int(figures["slow-answers"]),
                           figures.get("seen-text", ""))


class PortOutput:
    """What a collected test port receives from the moment this is made."""

    def __init__(self, port):
        self.path = Path(setting("MORVANE_TEST_PORTS")) / f"{port}-received.bin"
        self.start = self.path.stat().st_size

    def received(self, expected_size, timeout=20.0, settle=0.3):
        """Waits for expected_size bytes (then settle seconds for a surplus)
        and returns what arrived."""
        deadline = time.monotonic() + timeout
        while self.path.stat().st_size - self.start < expected_size and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(settle)
        with self.path.open("rb") as stream:
            stream.seek(self.start)
            return stream.read()
