#!/usr/bin/env python3
"""The idle timeout with a one-second idle tick: idle associations are closed, silent connections too,
and an association that keeps sending requests stays."""

import time

import e2e_support as e2e

TICK_SECONDS = 1
TIME_OUT_TICKS = 3


class IdleTimeout(e2e.ServerTestCase):
    def test_idle_and_silent_associations_are_closed_and_busy_ones_kept(self):
        server = self.start("idle_timeout", {
            ("Start", "ulTimeOut"): TIME_OUT_TICKS,
            ("Start", "ulIdleTickSeconds"): TICK_SECONDS,
            ("Start", "ulInitTimeOutSeconds"): 0,  # the silent connection is left to the idle timeout
        })
        silent = self.connect(server)  # never sends an Init
        idle = self.connect(server)
        idle.send(e2e.init_request())
        self.assertIs(e2e.init_result(idle.read_apdu()), True)
        active = self.connect(server)

        # The active association sends requests far more often than a tick (Init and Close, again and again),
        # so it never stays idle through TIME_OUT_TICKS ticks.
        end = time.monotonic() + e2e.DEADLINE
        while time.monotonic() < end and not (silent.closed_by_server_now() and idle.closed_by_server_now()):
            active.send(e2e.init_request())
            self.assertIs(e2e.init_result(active.read_apdu()), True)
            active.send(e2e.close_request())
            self.assertEqual(active.read_apdu()[:1], bytes([e2e.CLOSE]))
            time.sleep(TICK_SECONDS / 5)
        self.assertTrue(silent.closed_by_server())
        self.assertTrue(idle.closed_by_server())

        active.send(e2e.init_request())
        self.assertIs(e2e.init_result(active.read_apdu()), True, "the active association was kept")
        lines = server.trace_lines()
        for assoc_id in (1, 2):
            self.assertTrue(any(line.startswith(f"Forced connection close of association {assoc_id} because of "
                                                "timeout. Connections left = ") for line in lines), assoc_id)
        self.assertFalse(any("association 3 because of timeout" in line for line in lines))


if __name__ == "__main__":
    e2e.main()
