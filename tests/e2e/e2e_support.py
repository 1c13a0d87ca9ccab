"""Support for the end-to-end tests: a real quorvane server on a free loopback port, started on a copy of
conf/ whose sample catalogue is freshly generated, and a minimal Z39.50 client over raw sockets for what
yaz-client cannot do (many connections at once, APDUs a well-behaved client never sends).

Each test script is run by CTest as

    <script> --server PATH --work DIR

The catalogue back end comes from the environment, so the same tests run against each:
    QUORVANE_E2E_CONFIG      the configuration directory under conf/ that the server is started on
                             (for example "postgres"); none: conf/ itself, on the SQLite sample
    QUORVANE_E2E_CONNECTION  "key=value;..." pairs that replace those of every ODBC connection string of
                             that configuration (for example the Servername and Port of a test cluster)
The SQLite sample is generated for every server all the same: the tests work out what to expect from it,
and a PostgreSQL catalogue loaded from the same generator and seed holds the same records.

Every wait has a generous deadline; no test depends on how fast the server is.
"""

import argparse
import os
import re
import select
import shutil
import signal
import socket
import subprocess
import sys
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CONF = ROOT / "conf"
DEADLINE = 30.0  # seconds any single wait may take
SAMPLE_RECORDS = 30

CONFIG = os.environ.get("QUORVANE_E2E_CONFIG", "")
CONNECTION = os.environ.get("QUORVANE_E2E_CONNECTION", "")

SERVER = None  # set by main()
WORK = None


def main():
    """Parses the arguments and runs the calling script's tests."""
    global SERVER, WORK
    parser = argparse.ArgumentParser()
    parser.add_argument("--server", required=True, type=Path)
    parser.add_argument("--work", required=True, type=Path)
    args, rest = parser.parse_known_args()
    SERVER = args.server.resolve()
    WORK = args.work.resolve()
    shutil.rmtree(WORK, ignore_errors=True)
    WORK.mkdir(parents=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


def wait_until(condition, what, deadline=DEADLINE):
    """Polls condition() until it answers true; fails after the deadline."""
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        if condition():
            return
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def set_ini(text, section, key, value):
    """The INI text with [section] key set to value (None removes the key)."""
    lines = text.splitlines()
    out, in_section, done = [], False, False
    for line in lines:
        header = re.match(r"\s*\[(.*)\]\s*$", line)
        if header:
            if in_section and not done and value is not None:
                out.append(f"{key}={value}")
                done = True
            in_section = header.group(1).lower() == section.lower()
        elif in_section and re.match(rf"\s*{re.escape(key)}\s*=", line, re.IGNORECASE):
            if value is not None and not done:
                out.append(f"{key}={value}")
            done = True
            continue
        out.append(line)
    if not done and value is not None:
        if not in_section:
            out.append(f"[{section}]")
        out.append(f"{key}={value}")
    return "\n".join(out) + "\n"


def set_connections(text, pairs):
    """The INI text with each key=value of pairs put in place of that key's value in every ODBC connection
    string (a connection string holds a Driver= pair)."""
    def replace(line):
        if "Driver=" not in line or line.lstrip().startswith(";"):
            return line
        for pair in filter(None, pairs.split(";")):
            key, _, value = pair.partition("=")
            line = re.sub(rf"(?<=[=;]){re.escape(key)}=[^;]*", lambda _: f"{key}={value}", line, flags=re.I)
        return line
    return "\n".join(replace(line) for line in text.splitlines()) + "\n"


class Server:
    """A quorvane process on a copy of conf/ in its own directory. dir is the configuration directory the
    server runs in (the copy of conf/, or of its QUORVANE_E2E_CONFIG directory), sample the generated
    SQLite sample and control the control files.

    settings: {(section, key): value} applied to the configuration's Quorvane.INI (None removes a key).
    environment: variables set for the server process besides the inherited ones.
    config: the configuration directory under conf/ in place of QUORVANE_E2E_CONFIG ("" for conf/ itself).
    connection: "key=value;..." pairs put in the connection strings after those of QUORVANE_E2E_CONNECTION.
    """

    def __init__(self, name, settings=None, stdin=subprocess.DEVNULL, environment=None, config=None,
                 connection=""):
        root = WORK / name
        shutil.rmtree(root, ignore_errors=True)
        shutil.copytree(CONF, root, ignore=shutil.ignore_patterns("sample", "*.log", "*.txt"))
        self.dir = root / (CONFIG if config is None else config)
        self.sample = root / "sample"
        self.control = root / "control"
        subprocess.run([sys.executable, str(ROOT / "data" / "generate.py"), "--records", str(SAMPLE_RECORDS),
                        "--out", str(self.sample), "--control", str(self.control)],
                       check=True, stdout=subprocess.DEVNULL)
        ini = set_connections((self.dir / "Quorvane.INI").read_text(), CONNECTION + ";" + connection)
        base = {("Start", "ulPortNumber"): 0, ("Start", "ulWantWindow"): 0}
        for (section, key), value in {**base, **(settings or {})}.items():
            ini = set_ini(ini, section, key, value)
        (self.dir / "Quorvane.INI").write_text(ini)
        self.trace_path = self.dir / "operations-trace.out"
        self.trace_file = open(self.trace_path, "wb")
        self.process = subprocess.Popen([str(SERVER), "--config", str(self.dir)], stdin=stdin,
                                        stdout=self.trace_file, stderr=subprocess.STDOUT,
                                        env={**os.environ, **(environment or {})})
        wait_until(lambda: "Listening for client connections" in self.trace() or self.process.poll() is not None,
                   "the server to listen")
        found = re.search(r"Server listen port set to +(\d+) ", self.trace())
        if found is None:
            self.stop()
            raise AssertionError("the server did not start:\n" + self.trace())
        self.port = int(found.group(1))

    def trace(self):
        """The operations trace written so far."""
        return self.trace_path.read_text(errors="replace")

    def trace_lines(self):
        return self.trace().splitlines()

    def wait_for_line(self, line):
        wait_until(lambda: line in self.trace_lines(), "the trace line " + repr(line))

    def error_log(self):
        path = self.dir / "QuorvaneError.log"
        return path.read_text(errors="replace") if path.exists() else ""

    def stop(self, sig=signal.SIGTERM):
        """Ends the server with the signal; answers its exit status."""
        if self.process.poll() is None:
            self.process.send_signal(sig)
        try:
            status = self.process.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            self.process.kill()
            status = self.process.wait()
        self.trace_file.close()
        return status

    def yaz(self, commands, auth=None, connect=True):
        """Runs yaz-client against the server with the commands; answers its output. Without connect, yaz-client
        starts unconnected and the commands open the connection (self.address)."""
        args = ["yaz-client"]
        if auth is not None:
            args += ["-u", auth]
        if connect:
            args.append(self.address())
        done = subprocess.run(args, input="".join(c + "\n" for c in commands + ["quit"]), text=True,
                              capture_output=True, timeout=DEADLINE)
        return done.stdout + done.stderr

    def address(self):
        return f"tcp:127.0.0.1:{self.port}"

    def connect(self, source="127.0.0.1"):
        return Client(self.port, source)


class ServerTestCase(unittest.TestCase):
    """Stops every server a test started and checks that it ended cleanly."""

    def start(self, name, settings=None, **options):
        server = Server(name, settings, **options)
        self.addCleanup(self.assert_clean_end, server)
        return server

    def connect(self, server, source="127.0.0.1"):
        """A raw connection to the server from the loopback source address, closed after the test."""
        client = server.connect(source)
        self.addCleanup(client.close)
        return client

    def assert_clean_end(self, server):
        status = server.stop()
        self.assertEqual(status, 0, "the server did not end cleanly:\n" + server.trace()[-3000:])

    def assert_in_order(self, lines, expected):
        """Every expected line appears in lines, in this order."""
        if not in_order(lines, expected):
            self.fail("missing (in this order):\n" + "\n".join(expected) + "\nin:\n" + "\n".join(lines))

    def wait_for_lines(self, server, expected):
        """Waits until the trace holds every expected line, in this order."""
        try:
            wait_until(lambda: in_order(server.trace_lines(), expected), "the trace lines " + repr(expected))
        except AssertionError:
            self.assert_in_order(server.trace_lines(), expected)


def in_order(lines, expected):
    at = 0
    for line in expected:
        try:
            at = lines.index(line, at) + 1
        except ValueError:
            return False
    return True


# What yaz-client answered.

def searches(output):
    """Per search of a yaz-client run: ("hits", n), or ("diagnostic", condition) for a failed search."""
    answers = []
    for part in output.split("Sent searchRequest.")[1:]:
        if "Search was a success." in part:
            answers.append(("hits", int(re.search(r"Number of hits: (\d+)", part).group(1))))
        else:
            found = re.search(r"^\s*\[(\d+)\]", part, re.M)
            answers.append(("diagnostic", int(found.group(1)) if found else None))
    return answers


def answers(output, marker, answer):
    """Per request of a yaz-client run (its output from the marker to the next prompt): ("diagnostic",
    condition) for a failed one, answer(that output) for the others."""
    found = []
    for part in output.split(marker)[1:]:
        part = part.split("Z> ")[0]
        failed = re.search(r"^\s*\[(\d+)\]", part, re.M)
        found.append(("diagnostic", int(failed.group(1))) if failed else answer(part))
    return found


def scans(output):
    """Per scan of a yaz-client run: (position, [(display term, count)]), or ("diagnostic", condition)."""
    def scan(part):
        position = re.search(r"position=(\d+)", part)
        entries = [(m.group(1), int(m.group(2))) for m in re.finditer(r"^[* ] (.*) \((\d+)\)$", part, re.M)]
        return int(position.group(1)) if position else None, entries
    return answers(output, "Received ScanResponse", scan)


# A minimal Z39.50 origin: BER encoding of the few APDUs the tests send.

def ber_length(n):
    if n < 0x80:
        return bytes([n])
    body = n.to_bytes((n.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(body)]) + body


def tlv(tag, content):
    return bytes(tag) + ber_length(len(content)) + content


def ber_int(value):
    return value.to_bytes(max(1, (value.bit_length() + 8) // 8), "big", signed=True)


def init_request(reference_id=b"", open_auth=None, name=b"e2e raw client"):
    """InitializeRequest: versions 1-3, search and present, 64 KiB message sizes, the implementation name."""
    body = b""
    if reference_id:
        body += tlv([0x82], reference_id)
    body += tlv([0x83], b"\x05\xe0") + tlv([0x84], b"\x06\xc0")
    body += tlv([0x85], ber_int(65536)) + tlv([0x86], ber_int(65536))
    if open_auth is not None:
        body += tlv([0xA7], tlv([0x1A], open_auth.encode()))
    body += tlv([0x9F, 0x6F], name)
    return tlv([0xB4], body)


def close_request(reason=0):
    return tlv([0xBF, 0x30], tlv([0x9F, 0x81, 0x53], ber_int(reason)))


def delete_result_set_request():
    return tlv([0xBA], tlv([0x9F, 0x20], ber_int(1)))


INIT_RESPONSE = 0xB5
CLOSE = 0xBF


class Client:
    """One raw connection to the server."""

    def __init__(self, port, source="127.0.0.1"):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=DEADLINE, source_address=(source, 0))

    def send(self, octets):
        self.sock.sendall(octets)

    def read_apdu(self):
        """The next APDU's octets; b"" when the server closed the connection first."""
        head = self._read(2)
        if len(head) < 2:
            return b""
        if head[0] & 0x1F == 0x1F:  # a high tag number: its octets up to the last without bit 8
            while head[-1] & 0x80:
                more = self._read(1)
                if not more:
                    return b""
                head += more
            head += self._read(1)
        first = head[-1]
        if first & 0x80:
            count = first & 0x7F
            length_octets = self._read(count)
            head += length_octets
            length = int.from_bytes(length_octets, "big")
        else:
            length = first
        return head + self._read(length)

    def closed_by_server(self):
        """Whether the server has closed the connection (waiting for it); octets still sent count as not."""
        try:
            return self.sock.recv(1) == b""
        except ConnectionResetError:
            return True

    def ended_in_good_order(self):
        """Whether the server ended the stream with an end of stream rather than a reset (waiting for it)."""
        try:
            return self.sock.recv(1) == b""
        except ConnectionResetError:
            return False

    def closed_by_server_now(self):
        """Whether the server has closed the connection already, without waiting."""
        ready, _, _ = select.select([self.sock], [], [], 0)
        return bool(ready) and self.closed_by_server()

    def _read(self, count):
        data = b""
        while len(data) < count:
            try:
                more = self.sock.recv(count - len(data))
            except ConnectionResetError:
                return data
            if not more:
                return data
            data += more
        return data

    def close(self):
        self.sock.close()


def children(apdu):
    """The (identifier octets, contents) of the elements inside a constructed APDU of definite length."""
    def header(octets, at):
        start = at
        if octets[at] & 0x1F == 0x1F:
            at += 1
            while octets[at] & 0x80:
                at += 1
        at += 1
        tag = octets[start:at]
        first = octets[at]
        at += 1
        if first & 0x80:
            count = first & 0x7F
            length = int.from_bytes(octets[at:at + count], "big")
            at += count
        else:
            length = first
        return tag, at, length

    _, at, length = header(apdu, 0)
    end, found = at + length, []
    while at < end:
        tag, at, length = header(apdu, at)
        found.append((tag, apdu[at:at + length]))
        at += length
    return found


def init_result(apdu):
    """The result flag of an InitializeResponse's octets, None when they are no InitializeResponse."""
    if not apdu or apdu[0] != INIT_RESPONSE:
        return None
    for tag, content in children(apdu):
        if tag == b"\x8c":
            return content != b"\x00"
    return None
