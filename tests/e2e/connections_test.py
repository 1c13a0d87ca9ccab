#!/usr/bin/env python3
"""Many connections at once: 100 associations, clean refusals of the rest, and a freed slot taken again."""

import e2e_support as e2e

CONNECTIONS = 150
SLOTS = 100


class ManyConnections(e2e.ServerTestCase):
    def test_150_connections_get_100_associations_and_clean_refusals(self):
        server = self.start("connections")
        clients = [self.connect(server) for _ in range(CONNECTIONS)]
        for client in clients:
            client.send(e2e.init_request())
        answers = [e2e.init_result(client.read_apdu()) for client in clients]
        accepted = [client for client, answer in zip(clients, answers) if answer is True]
        refused = [client for client, answer in zip(clients, answers) if answer is None]
        self.assertEqual(len(accepted), SLOTS)
        self.assertEqual(len(refused), CONNECTIONS - SLOTS, "a refusal closes the connection unanswered")

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
        lines = server.trace_lines()
        self.assertEqual(sum(line.startswith("Accepted a new connection from address 127.0.0.1 ")
                             for line in lines), CONNECTIONS + 1)
        self.assertEqual(sum(line.startswith("Sent Initialize Response PDU") for line in lines), SLOTS + 1)


if __name__ == "__main__":
    e2e.main()
