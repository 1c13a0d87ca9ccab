#!/usr/bin/env python3
"""Init and Close with yaz-client: acceptance, refusal by authentication, the Close exchange, the operations
trace and the per-association protocol trace file."""

import e2e_support as e2e


class InitAndClose(e2e.ServerTestCase):
    def test_init_is_accepted_and_close_answered_with_the_operations_trace(self):
        server = self.start("init_close")
        output = server.yaz(["close"])
        self.assertIn("Connection accepted by v3 target.", output)
        self.assertIn("Name   : Quorvane Z39.50 Server", output)
        self.assertIn("Target has closed the association.", output)
        self.assertIn("Reason: finished", output)
        self.wait_for_lines(server, [
            "Quorvane Operations Trace",
            f"Server listen port set to {server.port:10d} (use [File|New] to change port)",
            "Listening for client connections.....",
            "Accepted a new connection from address 127.0.0.1 Current number of connections =     1",
            "Received InitRequest PDU : Association 1",
            "psReferenceId: NULL",
            "Sent Initialize Response PDU : Association 1",
            " ",
            "Received CloseRequest PDU : Association 1",
            "eCloseReason: CR_Finished",
            "Sent Close Response PDU : Association 1",
        ])
        server.wait_for_line("A connection has been lost. Connections left =     0")

    def test_wrong_password_is_refused_and_the_right_one_accepted(self):
        server = self.start("authentication", {
            ("InitializeRequest", "ulAuthentication"): 1,
            ("Authentication", "alice"): "secret",
        })
        self.assertIn("Connection rejected by v3 target.", server.yaz([], auth="alice/guess"))
        self.assertIn("Connection accepted by v3 target.", server.yaz([], auth="alice/secret"))
        self.wait_for_lines(server, ["Authentication Error: Incorrect Password supplied for User-ID (alice)",
                                     "Sent Initialize Response PDU : Association 1"])
        self.wait_for_lines(server, ["Authentication Success: Correct User-ID and Password supplied (alice)",
                                     "Sent Initialize Response PDU : Association 2"])

    def test_a_traced_association_writes_its_trace_file(self):
        server = self.start("tracing", {("Tracing", "trace"): 1, ("Tracing", "tracefile"): "./assoc-%d.trc"})
        self.assertIn("Connection accepted by v3 target.", server.yaz(["close"]))
        trace_file = server.dir / "assoc-1.trc"
        e2e.wait_until(lambda: "Ending current trace." in trace_file.read_text(errors="replace"),
                       "the association's trace to end")
        trace = trace_file.read_text(errors="replace")
        self.assertIn("Beginning trace for Association:1", trace)
        self.assertIn("**Entering function:KIVInitializeResponse", trace)
        self.assertIn("**Entering function:KIVCloseResponse", trace)
        self.assertEqual((server.dir / "Count.txt").read_text(), "1")


if __name__ == "__main__":
    e2e.main()
