#!/usr/bin/env python3
"""The server out of memory: once sixteen associations have searched, the process's address space is capped a
little above what it uses, and every association asks for 1000 USMARC records at once, several times. Every
request is answered (records, a diagnostic or a Close), the server stays up, and once the load is gone a new
client is served. A server capped tightly before its first connection stays up too."""

import resource
import select
import unittest

import e2e_support as e2e
from e2e_support import tlv, ber_int

CLIENTS = 16
ROUNDS = 4
HEADROOM = 16 * 1024 * 1024  # octets of address space above what the server uses before the Presents
TIGHT_HEADROOM = 4 * 1024 * 1024  # less than one thread's stack
USMARC = bytes([0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x0A])  # 1.2.840.10003.5.10
BIB1 = bytes([0x2A, 0x86, 0x48, 0xCE, 0x13, 0x03, 0x01])  # 1.2.840.10003.3.1
SEARCH_RESPONSE, PRESENT_RESPONSE = 0xB7, 0xB9


def search_request(text):
    """A SearchRequest for the personal names that hold the text (use 1004) in database SAMPLE, result set
    "default": most records, so that the Presents are large."""
    attribute = tlv([0x30], tlv([0x9F, 0x78], ber_int(1)) + tlv([0x9F, 0x79], ber_int(1004)))
    term = tlv([0xBF, 0x66], tlv([0xBF, 0x2C], attribute) + tlv([0x9F, 0x2D], text))
    query = tlv([0xB5], tlv([0xA1], tlv([0x06], BIB1) + tlv([0xA0], term)))
    body = (tlv([0x8D], ber_int(0)) + tlv([0x8E], ber_int(1)) + tlv([0x8F], ber_int(0)) + tlv([0x90], b"\xff")
            + tlv([0x91], b"default") + tlv([0xB2], tlv([0x9F, 0x69], b"SAMPLE")) + query)
    return tlv([0xB6], body)


def present_request(start, count):
    body = (tlv([0x9F, 0x1F], b"default") + tlv([0x9E], ber_int(start)) + tlv([0x9D], ber_int(count))
            + tlv([0x9F, 0x68], USMARC))
    return tlv([0xB8], body)


def vm_size(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmSize:"):
                return int(line.split()[1]) * 1024
    raise AssertionError("no VmSize")


class OutOfMemory(e2e.ServerTestCase):
    def associate(self, server):
        client = self.connect(server)
        client.send(e2e.init_request())
        self.assertTrue(e2e.init_result(client.read_apdu()))
        client.send(search_request(b"a"))
        self.assertEqual(client.read_apdu()[0], SEARCH_RESPONSE)
        return client

    @unittest.skipIf(e2e.CONFIG, "it generates a 3000-record catalogue of its own: the SQLite sample only")
    def test_large_presents_beyond_the_memory_cap_are_answered_and_the_server_stays_up(self):
        e2e.SAMPLE_RECORDS = 3000
        # A fixed mmap threshold: a Present's large buffers are mapped anew under the cap, instead of coming
        # from heap space that glibc's growing threshold and its per-thread arenas reserved before it was set.
        server = self.start("memory", {("Present", "ulMaximumRequestRecords"): 1000},
                            environment={"MALLOC_MMAP_THRESHOLD_": "131072"})
        clients = [self.associate(server) for _ in range(CLIENTS)]
        used = vm_size(server.process.pid)
        if used > 1 << 40:
            self.skipTest("a sanitizer build reserves more address space than any cap")
        resource.prlimit(server.process.pid, resource.RLIMIT_AS, (used + HEADROOM, resource.RLIM_INFINITY))

        answers = {"records": 0, "refused": 0}
        open_clients = clients
        for _ in range(ROUNDS):
            for client in open_clients:
                client.send(present_request(1, 1000))
            still_open = []
            for client in open_clients:
                apdu = client.read_apdu()
                if apdu and apdu[0] == PRESENT_RESPONSE:
                    answers["records" if has_records(apdu) else "refused"] += 1
                    still_open.append(client)
                else:  # a Close, or the connection closed
                    answers["refused"] += 1
            open_clients = still_open
        self.assertIsNone(server.process.poll(), "the server is still running")
        self.assertGreater(answers["records"] + answers["refused"], CLIENTS, answers)

        for client in clients:
            client.close()
        e2e.wait_until(lambda: "Connections left =     0" in server.trace(), "every connection to end")
        resource.prlimit(server.process.pid, resource.RLIMIT_AS, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))
        client = self.associate(server)
        client.send(present_request(1, 10))
        self.assertTrue(has_records(client.read_apdu()))
        if answers["refused"] == 0:
            self.skipTest(f"every Present fitted under the cap, which was never reached: {answers}")

    def test_a_server_capped_tightly_before_its_first_connection_stays_up(self):
        # The worker threads start with the server: the first connection under the cap needs none started.
        server = self.start("capped_at_start")
        used = vm_size(server.process.pid)
        if used > 1 << 40:
            self.skipTest("a sanitizer build reserves more address space than any cap")
        resource.prlimit(server.process.pid, resource.RLIMIT_AS, (used + TIGHT_HEADROOM, resource.RLIM_INFINITY))
        client = self.connect(server)
        client.send(e2e.init_request())
        client.read_apdu()  # an answer or the end of the connection
        self.assertIsNone(server.process.poll(), "the server is still running")

        resource.prlimit(server.process.pid, resource.RLIMIT_AS, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))
        client = self.associate(server)
        client.send(present_request(1, 3))
        self.assertTrue(has_records(client.read_apdu()))

def has_records(apdu):
    """Whether a PresentResponse carries response records ([28] constructed)."""
    return any(tag == b"\xbc" for tag, _ in e2e.children(apdu))


if __name__ == "__main__":
    e2e.main()
