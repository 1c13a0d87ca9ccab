#!/usr/bin/env python3
"""Many connections at once: 100 associations, clean refusals of the rest, a freed slot taken again, and
floods of idle connections that never lock another address out."""

import e2e_support as e2e

CONNECTIONS = 150
SLOTS = 100
NO_CAPS = {("Start", "ulMaxConnectionsPerAddress"): 0, ("Start", "ulInitTimeOutSeconds"): 0}


def allow_second_address(server):
    """Lets 127.0.0.2 connect too: the shipped allow-list names 127.0.0.1 alone."""
    allow_list = server.control / "address.tblx"
    allow_list.write_text(allow_list.read_text() + '"127.0.0.2";\n')


def accepted_from(server, address):
    return sum(line.startswith(f"Accepted a new connection from address {address} ") for line in server.trace_lines())


class ManyConnections(e2e.ServerTestCase):
    def test_150_connections_get_100_associations_and_clean_refusals(self):
        server = self.start("connections", NO_CAPS)
        allow_second_address(server)
        clients = [self.connect(server) for _ in range(CONNECTIONS)]
        for client in clients:
            client.send(e2e.init_request())
        answers = [e2e.init_result(client.read_apdu()) for client in clients]
        accepted = [client for client, answer in zip(clients, answers) if answer is True]
        refused = [client for client, answer in zip(clients, answers) if answer is None]
        self.assertEqual(len(accepted), SLOTS)
        self.assertEqual(len(refused), CONNECTIONS - SLOTS, "a refusal closes the connection unanswered")

        # Every slot is held by an association that has sent its Init: a newcomer is refused in good order.
        newcomer = self.connect(server, "127.0.0.2")
        self.assertTrue(newcomer.ended_in_good_order())
        server.wait_for_line("Refused a connection from address 127.0.0.2: every association slot is taken")

        # The refusals disturbed none of the associations: each still answers a Close.
        for client in accepted:
            client.send(e2e.close_request())
        self.assertTrue(all(client.read_apdu()[:1] == bytes([e2e.CLOSE]) for client in accepted))

        # Once an association has ended its slot is taken by the next connection.
        accepted[0].close()
        server.wait_for_line(f"A connection has been lost. Connections left = {SLOTS - 1:5d}")
        self.assertIn("Connection accepted by v3 target.", server.yaz(["close"]))

        for client in clients:
            client.close()
        server.wait_for_line("A connection has been lost. Connections left =     0")
        self.assertEqual(accepted_from(server, "127.0.0.1"), CONNECTIONS + 1)
        self.assertEqual(sum(line.startswith("Sent Initialize Response PDU") for line in server.trace_lines()),
                         SLOTS + 1)

    def test_an_idle_flood_from_one_address_never_locks_another_out(self):
        cases = {
            "the shipped caps": {},
            "no per-address cap: idle connections give way, oldest first": NO_CAPS,
        }
        for name, settings in cases.items():
            with self.subTest(name):
                server = self.start("flood_" + str(len(settings)), settings)
                allow_second_address(server)
                flood = [self.connect(server) for _ in range(CONNECTIONS)]
                # The whole flood has been accepted (and admitted or refused) before the legitimate client comes.
                e2e.wait_until(lambda: accepted_from(server, "127.0.0.1") == CONNECTIONS, "the flood's accepts")
                legitimate = self.connect(server, "127.0.0.2")
                legitimate.send(e2e.init_request())
                self.assertIs(e2e.init_result(legitimate.read_apdu()), True)
                if settings:
                    self.assertTrue(flood[0].closed_by_server(), "the oldest idle connection gave way")
                    self.assertFalse(flood[-1].closed_by_server_now())
                else:
                    self.assertTrue(flood[-1].ended_in_good_order(), "over the per-address cap")
                for client in flood:
                    client.close()

    def test_a_connection_without_an_init_is_closed_at_the_init_deadline(self):
        server = self.start("init_deadline", {("Start", "ulInitTimeOutSeconds"): 1})
        initialised = self.connect(server)
        initialised.send(e2e.init_request())
        self.assertIs(e2e.init_result(initialised.read_apdu()), True)
        silent = self.connect(server)
        self.assertTrue(silent.ended_in_good_order())
        server.wait_for_line("Forced connection close of association 2 because no Init arrived in time. "
                             "Connections left =     1")
        self.assertFalse(initialised.closed_by_server_now(), "an association that sent its Init is kept")


if __name__ == "__main__":
    e2e.main()
