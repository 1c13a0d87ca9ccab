#!/usr/bin/env python3
"""PostgreSQL restarted under a running server (QUORVANE_E2E_CONFIG=postgres, run by scripts/test_postgres,
alone, since every server of the run loses its connections): the association that searched before gets an
answer to its next request and finds the records again with the one after, a new association finds records,
and the server stays up."""

import os
import shlex
import subprocess
import unittest

import e2e_support as e2e

RESTART = os.environ.get("QUORVANE_E2E_POSTGRES_RESTART", "")


@unittest.skipUnless(e2e.CONFIG == "postgres" and RESTART, "needs the cluster of scripts/test_postgres")
class PostgresRestart(e2e.ServerTestCase):
    def test_requests_after_a_restart_are_answered_and_new_associations_served(self):
        server = self.start("restart")
        before = subprocess.Popen(["yaz-client", server.address()], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT, text=True)
        self.addCleanup(before.kill)
        before.stdin.write("find @attr 1=4 history\n")
        before.stdin.flush()
        e2e.wait_until(lambda: "Sent SearchResponse PDU" in server.trace(), "the first search")

        subprocess.run(shlex.split(RESTART), check=True, stdout=subprocess.DEVNULL, cwd="/")
        output, _ = before.communicate("find @attr 1=4 history\nfind @attr 1=4 history\nquit\n",
                                       timeout=e2e.DEADLINE)
        answers = e2e.searches(output)
        self.assertEqual(len(answers), 3, output)
        self.assertGreater(answers[0], ("hits", 0))
        self.assertIn(answers[1][0], ("hits", "diagnostic"), "answered with records or a diagnostic")
        self.assertEqual(answers[2], answers[0], "the same association reconnects and finds the records again")

        self.assertGreater(e2e.searches(server.yaz(["find @attr 1=4 history"])), [("hits", 0)])
        self.assertIsNone(server.process.poll(), "the server is still running")


if __name__ == "__main__":
    e2e.main()
