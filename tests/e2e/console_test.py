#!/usr/bin/env python3
"""The console: commands typed on a terminal (status, new, save, exit), and the headless server's clean end
on Ctrl-C."""

import os
import pty
import random
import re
import signal
import socket
from pathlib import Path

import e2e_support as e2e


def free_console_port():
    """A port the New Port command accepts (210..30000) that nothing listens on now."""
    for _ in range(200):
        port = random.randint(20000, 30000)
        with socket.socket() as probe:
            try:
                probe.bind(("0.0.0.0", port))
                return port
            except OSError:
                continue
    raise AssertionError("no free port between 20000 and 30000")


class Console(e2e.ServerTestCase):
    def test_commands_typed_on_the_terminal(self):
        controller, terminal = pty.openpty()
        self.addCleanup(os.close, controller)
        server = self.start("console", {("Start", "ulWantWindow"): 1}, stdin=terminal)
        os.close(terminal)

        def type_line(line):
            os.write(controller, (line + "\n").encode())

        type_line("status")
        server.wait_for_line(" Connections : 0")
        self.assertIn("Connection accepted by v3 target.", server.yaz(["close"]))

        type_line("new 209")
        server.wait_for_line("New Listen Port : Please enter an integer between 210 and 30000.")
        with socket.socket() as taken:
            taken.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
            taken.bind(("0.0.0.0", free_console_port()))
            taken.listen()
            busy_port = taken.getsockname()[1]
            type_line(f"new {busy_port}")
            server.wait_for_line(f"Error - accept port failure for port {busy_port} (probably already in use). "
                                 "Change port with [File|New]")
        port = free_console_port()
        type_line(f"new {port}")
        server.wait_for_line(f"Server listen port set to {port:10d} (use [File|New] to change port)")
        server.port = port
        self.assertIn("Connection accepted by v3 target.", server.yaz(["close"]))

        type_line("save kept-trace.txt")
        server.wait_for_line("Trace saved to kept-trace.txt")
        kept = (server.dir / "kept-trace.txt").read_text()
        self.assertTrue(kept.startswith("Quorvane Operations Trace\n"), "the new port emptied the trace")
        self.assertNotIn(" Connections : 0", kept, "command answers are not kept")

        type_line("exit")
        self.assertEqual(server.process.wait(timeout=e2e.DEADLINE), 0)

    def test_ctrl_c_ends_a_headless_server_cleanly(self):
        server = e2e.Server("headless")
        client = server.connect()
        self.addCleanup(client.close)
        client.send(e2e.init_request())
        self.assertIs(e2e.init_result(client.read_apdu()), True)
        # Only the first thread takes the signal: one taken by a worker could stay unhandled.
        pid = server.process.pid
        for thread in sorted(os.listdir(f"/proc/{pid}/task"), key=int)[1:]:
            blocked = int(re.search(r"^SigBlk:\s*([0-9a-f]+)", Path(f"/proc/{pid}/task/{thread}/status").read_text(),
                                    re.M).group(1), 16)
            for sig in (signal.SIGTERM, signal.SIGINT):
                self.assertTrue(blocked >> (sig - 1) & 1, f"thread {thread} takes signal {sig}")
        self.assertEqual(server.stop(signal.SIGINT), 0)
        self.assertTrue(client.closed_by_server())


if __name__ == "__main__":
    e2e.main()
