#!/usr/bin/env python3
"""Clients that break the rules: APDUs without a handler, undecodable or oversized ones, requests out of
turn, and a configuration error met while an association is set up. Each ends only its own association."""

import socket
import time

import e2e_support as e2e

FORCED_CLOSE = "Forced connection close because PDU received not allowed. Connections left = "


class ProtocolFaults(e2e.ServerTestCase):
    def test_each_fault_closes_only_its_own_connection(self):
        server = self.start("protocol_faults")
        bystander = self.connect(server)
        bystander.send(e2e.init_request())
        self.assertIs(e2e.init_result(bystander.read_apdu()), True)

        faults = {
            "a request type without a handler": e2e.delete_result_set_request(),
            "five length octets": bytes([0xB4, 0x85, 0, 0, 0, 1, 0]),
            "a declared length beyond the cap": bytes([0xB4, 0x84, 0x7F, 0xFF, 0xFF, 0xFF]),
            "contents that do not decode": bytes([0xB4, 0x03, 0x01, 0x02, 0x03]),
            "a Close response before any Init": e2e.close_request(),
        }
        for assoc_id, (what, octets) in enumerate(faults.items(), start=2):
            with self.subTest(what):
                client = self.connect(server)
                if what == "a request type without a handler":
                    client.send(e2e.init_request())
                    self.assertIs(e2e.init_result(client.read_apdu()), True)
                client.send(octets)
                self.assertTrue(client.closed_by_server(), what)
                self.wait_for_lines(server, [f"Association {assoc_id} exited", FORCED_CLOSE + "    1"])
        bystander.send(e2e.close_request())
        self.assertEqual(bystander.read_apdu()[:1], bytes([e2e.CLOSE]), "the first association was undisturbed")

    def test_a_2_mib_indefinite_length_apdu_in_4_octet_sends_is_answered_or_refused(self):
        # Without an Init deadline: the APDU takes the client longer to send than the shipped deadline allows.
        server = self.start("indefinite_dribble", {("Start", "ulInitTimeOutSeconds"): 0})
        # An InitializeRequest of indefinite length whose reference id is a constructed OCTET STRING of
        # indefinite length made of four-octet segments: 2 MiB in all, the cap before an Init.
        tail = bytes.fromhex("830205E0840206C0850240008602400000" "00")
        head = bytes.fromhex("B480A280")
        segments = (2 * 1024 * 1024 - len(head) - 2 - len(tail)) // 4
        apdu = head + b"\x04\x02qv" * segments + b"\x00\x00" + tail
        client = self.connect(server)
        client.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        for at in range(0, len(apdu), 4):
            client.sock.sendall(apdu[at:at + 4])
        answer = client.read_apdu()
        self.assertTrue(answer == b"" or e2e.init_result(answer) is not None, answer[:16].hex())

        bystander = self.connect(server)
        bystander.send(e2e.init_request())
        self.assertIs(e2e.init_result(bystander.read_apdu()), True, "the server still serves")

    def test_a_configuration_error_at_set_up_stops_new_associations_and_requests(self):
        server = self.start("configuration_error")
        open_before = self.connect(server)
        open_before.send(e2e.init_request())
        self.assertIs(e2e.init_result(open_before.read_apdu()), True)

        ini = server.dir / "Quorvane.INI"
        ini.write_text(e2e.set_ini(ini.read_text(), "InitializeResponse", "pcImplementationName", None))
        # The server compares its INI file with the disk at most once a second.
        time.sleep(1.2)
        failing = self.connect(server)
        failing.send(e2e.init_request())
        self.assertTrue(failing.closed_by_server(), "the association met the error and was refused")
        self.assertIn("No entry for item pcImplementationName in section InitializeResponse in Quorvane.INI",
                      server.error_log())

        open_before.send(e2e.close_request())
        server.wait_for_line("No further PDUs accepted due to configuration file error!!")
        later = self.connect(server)
        self.assertTrue(later.closed_by_server())
        server.wait_for_line("No further connections accepted due to configuration file error!!")
        self.assertFalse(open_before.closed_by_server_now(), "the open connection stays, unanswered")


if __name__ == "__main__":
    e2e.main()
