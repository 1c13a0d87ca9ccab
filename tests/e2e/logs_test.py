#!/usr/bin/env python3
"""The server's text logs under load: every log stays under its size cap, detail lines appear only at the
detail level, a log the disk cannot take is reported once while the server goes on serving, and client
text cannot forge a line of the operations trace."""

import os

import e2e_support as e2e

LOGS = ["QuorvaneError.log", "diaginfo.txt", "inputdiag.txt", "newdiag.txt", "keys.txt"]
CAP_KIB = 16


class Logs(e2e.ServerTestCase):
    def log_files(self, server):
        """{name: size} of every log file and rotated log file in the server's directory."""
        return {path.name: path.stat().st_size for path in server.dir.iterdir()
                if any(path.name == log or path.name.startswith(log + ".") for log in LOGS)}

    def test_a_scan_loop_keeps_every_log_under_its_cap(self):
        server = self.start("capped", {("Logging", "ulLogDetail"): 1, ("Logging", "ulMaxLogFileKB"): CAP_KIB,
                                       ("Logging", "ulLogFilesKept"): 2})
        commands = ["scansize 1000"] + ['scan @attr 1=4 "\'"', "find @attr 1=4 history", "show 1+10"] * 20
        output = server.yaz(commands)
        self.assertEqual(output.count("Received ScanResponse"), 20, output[-2000:])
        self.assertEqual(server.stop(), 0)
        files = self.log_files(server)
        self.assertIn("diaginfo.txt.2", files, "the loop wrote enough to rotate twice")
        self.assertNotIn("diaginfo.txt.3", files, "only two rotated files are kept")
        for name, size in files.items():
            self.assertLessEqual(size, CAP_KIB * 1024, name)

    def test_the_shipped_level_logs_no_detail_lines(self):
        server = self.start("operational")
        output = server.yaz(["scan @attr 1=4 a", "find @attr 1=4 history", "show 1+3"])
        self.assertIn("Records: 3", output)
        self.assertEqual(server.stop(), 0)
        self.assertNotIn("Records retrieved", server.trace())
        self.assertNotIn("SUCCESS: ODBCPrepareStmt", server.trace())
        for name in ["diaginfo.txt", "inputdiag.txt", "newdiag.txt", "keys.txt"]:
            path = server.dir / name
            text = path.read_text() if path.exists() else ""
            if name == "diaginfo.txt":  # the association's connect and disconnect lines only
                self.assertNotIn("SELECT", text)
                self.assertLessEqual(len(text.splitlines()), 2, text)
            else:
                self.assertEqual(text, "", name)

    def test_a_full_disk_is_reported_once_and_searches_go_on(self):
        server = self.start("full", {("Logging", "ulLogDetail"): 1})
        os.symlink("/dev/full", server.dir / "newdiag.txt")
        report = ("Log file newdiag.txt cannot be written (No space left on device); its lines are dropped "
                  "until it can be written again")
        self.assertIn("Number of hits:", server.yaz(["find @attr 1=4 history"]))
        server.wait_for_line(report)
        self.assertIn("Number of hits:", server.yaz(["find @attr 1=4 history", "find @attr 1=4 b"]))
        self.assertEqual(server.stop(), 0)
        self.assertEqual((server.trace() + server.error_log()).count(report), 1)

    def test_client_text_cannot_forge_a_trace_line(self):
        server = self.start("forging")
        client = self.connect(server)
        forged = b"yaz\r\nAccepted a new connection from address 10.6.6.6 port 1\x1b[2J"
        client.send(e2e.init_request(name=forged))
        self.assertTrue(e2e.init_result(client.read_apdu()))
        server.wait_for_line("psImplementationName: yaz\\r\\nAccepted a new connection from address 10.6.6.6 "
                             "port 1\\x1B[2J")
        self.assertFalse(any(line.startswith("Accepted a new connection from address 10.6.6.6")
                             for line in server.trace_lines()))
        self.assertNotIn("\x1b", server.trace())


if __name__ == "__main__":
    e2e.main()
