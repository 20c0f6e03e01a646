"""Printers named by their network address: morvane.exe under Wine sends to
listeners of the test's own on 127.0.0.1, which keep every connection's bytes
and bring about the faults of a printer on demand."""

import socket
import struct
import threading
import time
import unittest

from gui import Desktop
from harness import MAIN_CAPTION, SLOWDOWN, ProgramTestCase, twelve_lines

STAMP = r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d"
OUTPUT_CAPTION = "Bestand uitvoer"
LOOPBACK = "127.0.0.1"
ACCEPT_SECONDS = 0.2  # how often a listener looks whether it is to stop
PEER_TIMEOUT = 30 * SLOWDOWN  # seconds a connection may take before the test gives up
WATCH_TIMEOUT = 30 * SLOWDOWN
RUN_TIMEOUT = 120 * SLOWDOWN
APPLICATION_CLASS = "MorvaneApplication"
APPLICATION_TITLE = "Uitvoer van bestanden"
VK_ESCAPE = 0x1B
PROBE_MS = 1500
MAX_ANSWER_MS = 25
STOP_SECONDS = 5 * SLOWDOWN  # from the answer to the stop question to the program's end


def sample_bytes(size, seed):
    return bytes((i * 131 + seed + i // 256) & 0xFF for i in range(size))


class Listener:
    """A TCP listener on the loopback that serves each connection on a thread
    of its own with `serve(connection)` and keeps what it returns."""

    def __init__(self, test, serve):
        self.serve = serve
        self.sessions = []
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        self.socket = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.socket.bind((LOOPBACK, 0))
        self.socket.listen(16)
        self.socket.settimeout(ACCEPT_SECONDS)
        self.port = self.socket.getsockname()[1]
        self.thread = threading.Thread(target=self._accept, daemon=True)
        self.thread.start()
        test.addCleanup(self.stop)

    def _accept(self):
        workers = []
        while not self.stopping.is_set():
            try:
                connection, _ = self.socket.accept()
            except socket.timeout:
                continue
            except OSError:
                break
            connection.settimeout(PEER_TIMEOUT)
            worker = threading.Thread(target=self._serve, args=(connection,), daemon=True)
            worker.start()
            workers.append(worker)
        for worker in workers:
            worker.join(PEER_TIMEOUT)

    def _serve(self, connection):
        try:
            result = self.serve(connection)
        except OSError as error:
            result = error
        finally:
            connection.close()
        with self.lock:
            self.sessions.append(result)

    def taken(self):
        with self.lock:
            return list(self.sessions)

    def wait_sessions(self, count, timeout=PEER_TIMEOUT):
        deadline = time.monotonic() + timeout
        while len(self.taken()) < count and time.monotonic() < deadline:
            time.sleep(0.05)
        return self.taken()

    def stop(self):
        self.stopping.set()
        self.socket.close()
        self.thread.join(PEER_TIMEOUT)


def read_to_end(connection):
    """A raw-socket printer: takes every byte until the sender's half-close,
    then closes its end."""
    chunks = []
    while True:
        chunk = connection.recv(65536)
        if not chunk:
            return b"".join(chunks)
        chunks.append(chunk)


def reset_after(count):
    """A printer that takes `count` bytes and then breaks the connection off."""
    def serve(connection):
        taken = b""
        while len(taken) < count:
            chunk = connection.recv(count - len(taken))
            if not chunk:
                break
            taken += chunk
        connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        return taken
    return serve


def lpd_server():
    """An LPD server (RFC 1179) that checks every step of a job it receives:
    the queue, then each file's subcommand, its octets and the zero octet
    after them, acknowledging each with a zero octet. Returns the queue, the
    files as {name: octets} in arrival order and the steps it saw, or the
    fault it met."""
    def serve(connection):
        reader = connection.makefile("rb")
        line = reader.readline()
        if line[:1] != b"\x02" or not line.endswith(b"\n"):
            return f"bad receive-job command {line!r}"
        queue = line[1:-1].decode("ascii")
        connection.sendall(b"\0")
        files, steps = {}, ["job"]
        while True:
            line = reader.readline()
            if not line:
                break
            if line[:1] not in (b"\x02", b"\x03") or not line.endswith(b"\n"):
                return f"bad subcommand {line!r}"
            size, name = line[1:-1].decode("ascii").split(" ", 1)
            steps.append(("control" if line[:1] == b"\x02" else "data", name))
            connection.sendall(b"\0")
            content = reader.read(int(size))
            if len(content) != int(size) or reader.read(1) != b"\0":
                return f"file {name} not {size} octets and a zero"
            connection.sendall(b"\0")
            files[name] = content
        return {"queue": queue, "files": files, "steps": steps}
    return serve


def read_http_request(reader):
    """The head's lines and the body of one HTTP/1.1 request, chunked or not."""
    lines = []
    while True:
        line = reader.readline()
        if line in (b"\r\n", b""):
            break
        lines.append(line.decode("latin-1").rstrip("\r\n"))
    headers = {line.split(":", 1)[0].lower(): line.split(":", 1)[1].strip() for line in lines[1:]}
    if headers.get("transfer-encoding") == "chunked":
        body = b""
        while True:
            size = int(reader.readline().strip(), 16)
            if size == 0:
                reader.readline()
                return lines, body
            body += reader.read(size)
            reader.readline()
    return lines, reader.read(int(headers.get("content-length", "0")))


def ipp_attribute(tag, name, value):
    return bytes([tag]) + struct.pack(">H", len(name)) + name + struct.pack(">H", len(value)) + value


def ipp_answer(job_id, state, reasons=(), message=b""):
    body = struct.pack(">BBHI", 1, 1, 0, 1) + b"\x01"
    body += ipp_attribute(0x47, b"attributes-charset", b"utf-8")
    body += ipp_attribute(0x48, b"attributes-natural-language", b"en")
    body += b"\x02" + ipp_attribute(0x21, b"job-id", struct.pack(">i", job_id))
    body += ipp_attribute(0x23, b"job-state", struct.pack(">i", state))
    for i, reason in enumerate(reasons):
        body += ipp_attribute(0x44, b"job-state-reasons" if i == 0 else b"", reason)
    if message:
        body += ipp_attribute(0x41, b"job-state-message", message)
    body += b"\x03"
    return (b"HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
            str(len(body)).encode() + b"\r\n\r\n" + body)


def ipp_document(body):
    """The operation of an IPP request and what follows its attributes."""
    operation = struct.unpack(">H", body[2:4])[0]
    at = 8
    while body[at] != 0x03:
        if body[at] < 0x10:
            at += 1
            continue
        name_length = struct.unpack(">H", body[at + 1:at + 3])[0]
        at += 3 + name_length
        value_length = struct.unpack(">H", body[at:at + 2])[0]
        at += 2 + value_length
    return operation, body[at + 1:]


def aborting_ipp_printer(documents):
    """An IPP printer that takes each Print-Job as job 77 and, asked later,
    says that it aborted it for want of paper."""
    def serve(connection):
        reader = connection.makefile("rb")
        lines, body = read_http_request(reader)
        operation, document = ipp_document(body)
        if operation == 0x0002:
            documents.append(document)
            connection.sendall(ipp_answer(77, 3))
        else:
            connection.sendall(ipp_answer(77, 8, [b"media-empty-error"], b"Out of paper"))
        return (lines[0], operation)
    return serve


def stalled_until(release):
    """A printer that takes the connection and then reads nothing (a label
    printer out of labels), until `release` is set; then says whether the
    program broke the connection off."""
    def serve(connection):
        connection.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        release.wait(PEER_TIMEOUT)
        try:
            while connection.recv(65536):
                pass
        except ConnectionResetError:
            return "reset"
        return "closed"
    return serve


def free_port():
    """A loopback port on which nothing listens: connections are refused."""
    probe = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    probe.bind((LOOPBACK, 0))
    port = probe.getsockname()[1]
    probe.close()
    return port


class NetworkTestCase(ProgramTestCase):
    INIT = b"\x1b%-12345X"
    EXIT = b"\x0c\x1bE"

    def setUp(self):
        super().setUp()
        self.write_control_file("Morvane.ini", twelve_lines(self.INIT, self.EXIT, device=b"dev"))
        self.log = self.data_dir / "run.log"

    def log_lines(self):
        text = self.log.read_bytes().decode("utf-8") if self.log.exists() else ""
        return [line.split("\t")[1:] for line in text.split("\r\n") if line]


class SocketTest(NetworkTestCase):
    """tcp://: INIT, the file and EXIT on a connection of their own per copy."""

    def test_each_copy_arrives_whole_on_its_own_connection(self):
        printer = Listener(self, read_to_end)
        address = f"tcp://{LOOPBACK}:{printer.port}"
        big = sample_bytes(600000, 1)  # more than two of the program's blocks
        small = sample_bytes(10, 2)
        first = self.data_file("big.prn", big)
        second = self.data_file("small.prn", small)

        status = self.start("/WIN", "/QUIET", "/COPIES=2", f"/PRINTER={address}",
                            "/LOG=C:\\x\\run.log", first, second).wait(RUN_TIMEOUT)

        self.assertEqual(status, 0)
        framed = [self.INIT + data + self.EXIT for data in (big, big, small, small)]
        self.assertEqual(printer.wait_sessions(4), framed)
        self.assertEqual(self.log_lines(), [
            ["afgeleverd", address, first, str(len(big))],
            ["afgeleverd", address, first, str(len(big))],
            ["afgeleverd", address, second, str(len(small))],
            ["afgeleverd", address, second, str(len(small))],
        ])
        self.assertJobs(self.wine.printer, [])

        # The remembered printer may be an address: a run without the option
        # sends there.
        self.wine.set_program_value("LASTPRINTER", address)
        self.assertEqual(self.start("/WIN", "/QUIET", second).wait(RUN_TIMEOUT), 0)
        self.assertEqual(printer.wait_sessions(5)[4], self.INIT + small + self.EXIT)
        self.assertEqual(self.wine.program_values().get("LASTPRINTER"), ("REG_SZ", address))

    def test_refused_and_reset_fail_each_copy_and_the_run_goes_on(self):
        refused = f"tcp://{LOOPBACK}:{free_port()}"
        breaking = Listener(self, reset_after(1000))
        reset = f"tcp://{LOOPBACK}:{breaking.port}"
        # Far more than the loopback's buffers hold, so that the reset meets
        # the program while it still sends. (A reset after its last byte was
        # handed to the system Wine reports now and then as an orderly close.)
        size = 24 << 20
        name = self.data_file("a.prn", sample_bytes(size, 3))

        statuses = [
            self.start("/WIN", "/QUIET", f"/PRINTER={target}", "/LOG=C:\\x\\run.log",
                       name).wait(RUN_TIMEOUT) for target in (refused, reset)]

        self.assertEqual(statuses, [1, 1])
        lines = self.log_lines()
        self.assertEqual(lines[0], [
            f"mislukt: Fout bij uitvoer naar {refused}: de printer weigert de verbinding!",
            refused, name, "0"])
        # Wine tells a reset from an orderly close only by a look at the
        # socket, which now and then comes before the reset has arrived.
        self.assertIn(lines[1][0], [
            f"mislukt: Fout bij uitvoer naar {reset}: de printer verbrak de verbinding!",
            f"mislukt: Fout bij uitvoer naar {reset}: de printer sloot de verbinding voordat alles "
            "was verzonden!"])
        self.assertEqual(breaking.wait_sessions(1), [(self.INIT + sample_bytes(1000, 3))[:1000]])

    def test_a_bad_address_sends_nothing_and_says_which_option(self):
        name = self.data_file("a.prn", b"a")
        run = self.start("/WIN", "/printer=tcp://127.0.0.1:99999", name)
        box = self.answer_box(OUTPUT_CAPTION)
        self.assertEqual(run.wait(RUN_TIMEOUT), 1)
        self.assertEqual(box.text, "Ongeldige optie: /printer=tcp://127.0.0.1:99999")
        self.assertJobs(self.wine.printer, [])

    def test_a_watched_folder_sends_each_arrival_to_the_address(self):
        printer = Listener(self, read_to_end)
        address = f"tcp://{LOOPBACK}:{printer.port}"
        folder = self.data_dir / "labels"
        folder.mkdir()
        (folder / "one.prn").write_bytes(b"one")
        run = self.start("/WIN", "/QUIET", "/WATCH=C:\\x\\labels", f"/PRINTER={address}",
                         "/LOG=C:\\x\\run.log")
        (folder / "two.prn").write_bytes(b"two")
        deadline = time.monotonic() + WATCH_TIMEOUT
        sent = folder / "verzonden"
        while not (sent.is_dir() and len(list(sent.iterdir())) == 2):
            self.assertLess(time.monotonic(), deadline, f"not sent: {self.log_lines()}")
            time.sleep(0.1)
        # A close from outside ends a quiet watch, as taskkill without /F does.
        while run.process.poll() is None:
            self.assertLess(time.monotonic(), deadline, "the watch did not end at a close")
            Desktop(self.wine).drive("close", APPLICATION_CLASS, APPLICATION_TITLE)
            time.sleep(0.5)
        self.assertEqual(run.wait(), 0)

        self.assertEqual(sorted(printer.wait_sessions(2)),
                         [self.INIT + b"one" + self.EXIT, self.INIT + b"two" + self.EXIT])


class StalledPrinterTest(NetworkTestCase):
    """A printer that stops reading holds the copy as a stalled port does."""

    def test_esc_cuts_the_copy_off_and_the_window_answers_meanwhile(self):
        release = threading.Event()
        printer = Listener(self, stalled_until(release))
        self.addCleanup(release.set)
        address = f"tcp://{LOOPBACK}:{printer.port}"
        self.wine.set_program_value("LASTPRINTER", address)
        name = self.data_file("big.prn", bytes(range(256)) * (256 << 10))  # 64 MiB

        run = self.start("/WIN", "/LOG=C:\\x\\run.log", name)
        desktop = Desktop(self.wine)
        self.assertTrue(desktop.wait(MAIN_CAPTION))
        self.assertEqual(desktop.drive("restore", APPLICATION_CLASS, APPLICATION_TITLE)[0], 0)
        answers = desktop.start_probe(MAIN_CAPTION, "Win", PROBE_MS * 10, "Bezig",
                                      for_ms=PROBE_MS).result()
        self.assertLessEqual(answers.longest_ms, MAX_ANSWER_MS, answers)

        desktop.drive("key", "MorvaneForm", MAIN_CAPTION, str(VK_ESCAPE))
        self.assertEqual(self.answer_box(OUTPUT_CAPTION, button="yes").text, "Uitvoer afbreken?")
        answered = time.monotonic()
        self.assertEqual(run.wait(RUN_TIMEOUT), 1)
        self.assertLess(time.monotonic() - answered, STOP_SECONDS)
        release.set()
        self.assertEqual(printer.wait_sessions(1), ["reset"])
        self.assertEqual(self.log_lines()[0][0], "mislukt: afgebroken")


class LpdTest(NetworkTestCase):
    """lpd://: a job of its own per copy, each step acknowledged."""

    def jobs_of(self, session, document):
        """The job number of a session, after checking its steps and files."""
        self.assertIsInstance(session, dict, f"the server met a fault: {session}")
        self.assertEqual(session["queue"], "raw")
        self.assertEqual([kind for kind, _ in session["steps"][1:]], ["control", "data"])
        (control_name, control), (data_name, data) = session["files"].items()
        self.assertRegex(control_name, r"^cfA\d{3}")
        number, host = control_name[3:6], control_name[6:]
        self.assertEqual(data_name, f"dfA{number}{host}")
        lines = control.decode("ascii").split("\n")
        self.assertEqual(lines[-1], "", "the control file ends with a line end")
        self.assertEqual([line[0] for line in lines[:-1]], list("HPJlUN"))
        self.assertEqual(lines[0], "H" + host)
        self.assertEqual(lines[3:5], ["l" + data_name, "U" + data_name])
        self.assertEqual(data, document)
        return int(number)

    def test_each_copy_is_a_job_whose_number_goes_on_after_a_restart(self):
        server = Listener(self, lpd_server())
        address = f"lpd://{LOOPBACK}:{server.port}/raw"
        content = sample_bytes(300000, 4)
        name = self.data_file("a.prn", content)

        first = self.start("/WIN", "/QUIET", "/COPIES=2", f"/PRINTER={address}",
                           "/LOG=C:\\x\\run.log", name).wait(RUN_TIMEOUT)
        second = self.start("/WIN", "/QUIET", f"/PRINTER={address}", name).wait(RUN_TIMEOUT)

        self.assertEqual([first, second], [0, 0])
        document = self.INIT + content + self.EXIT
        numbers = [self.jobs_of(session, document) for session in server.wait_sessions(3)]
        self.assertEqual(numbers, [0, 1, 2])
        self.assertEqual(self.log_lines(), [["afgeleverd", address, name, str(len(content))]] * 2)


class IppTest(NetworkTestCase):
    """ipp://: a Print-Job per copy, against CUPS's own IPP endpoint."""

    def test_each_copy_is_a_print_job_named_by_the_path(self):
        address = f"ipp://localhost:631/printers/{self.wine.printer}"
        content = sample_bytes(400000, 5)
        name = self.data_file("a.prn", content)

        status = self.start("/WIN", "/QUIET", "/COPIES=2", f"/PRINTER={address}",
                            "/LOG=C:\\x\\run.log", name).wait(RUN_TIMEOUT)
        self.wine.wait_for_delivery()

        self.assertEqual(status, 0)
        document = self.INIT + content + self.EXIT
        self.assertJobs(self.wine.printer, [(name, document), (name, document)])
        # After the last copy the run asks CUPS what became of each job.
        self.assertEqual(self.log_lines(),
                         [["afgeleverd", address, name, str(len(content))]] * 2 +
                         [["afgedrukt", address, name, str(len(content))]] * 2)

    def test_a_queue_that_does_not_exist_fails_the_copy_with_the_printers_status(self):
        address = "ipp://localhost:631/printers/MorvaneNoSuchQueue"
        name = self.data_file("a.prn", b"a")

        status = self.start("/WIN", "/QUIET", f"/PRINTER={address}", "/LOG=C:\\x\\run.log",
                            name).wait(RUN_TIMEOUT)

        self.assertEqual(status, 1)
        self.assertRegex(self.log_lines()[0][0], "^mislukt: Fout bij uitvoer naar "
                         "ipp://localhost/printers/MorvaneNoSuchQueue"
                         r": de printer weigert de opdracht \(IPP-status 0x0406")


class IppWordTest(NetworkTestCase):
    """The printer's word after the run: an IPP printer of the test's own that
    aborts the job."""

    def test_a_job_the_printer_aborted_is_logged_with_its_reasons_and_counts(self):
        documents = []
        printer = Listener(self, aborting_ipp_printer(documents))
        address = f"ipp://{LOOPBACK}:{printer.port}/ipp/print"
        name = self.data_file("a.prn", b"label")

        status = self.start("/WIN", "/QUIET", f"/PRINTER={address}", "/LOG=C:\\x\\run.log",
                            name).wait(RUN_TIMEOUT)

        self.assertEqual(status, 1)
        self.assertEqual(self.log_lines(), [
            ["afgeleverd", address, name, "5"],
            ["mislukt: de printer meldt afgebroken: media-empty-error (Out of paper)", address,
             name, "5"]])
        self.assertEqual(documents, [self.INIT + b"label" + self.EXIT])
        self.assertEqual(printer.taken(), [("POST /ipp/print HTTP/1.1", 0x0002),
                                           ("POST /ipp/print HTTP/1.1", 0x0009)])


if __name__ == "__main__":
    unittest.main()
