#!/usr/bin/env python3
"""Concurrent Scans against a running server: each of N connections sends Init, then the same Scan R times,
one after another, and the latency of every Scan (send to whole response) is recorded. Prints the latency
percentiles and the scan statuses and diagnostics met.

    bench/scan_load.py [--port 2100] [--connections 8] [--rounds 3] [--terms 1000] [--use 4] [--term "'"]
                       [--position 1] [--database Default]
"""

import argparse
import statistics
import sys
import threading
import time
from collections import Counter
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import e2e_support as z  # noqa: E402  (the raw-socket origin of the end-to-end tests)

SCAN_RESPONSE = 0xBF
BIB1 = bytes([0x06, 0x07, 0x2A, 0x86, 0x48, 0xCE, 0x13, 0x04, 0x01])


def scan_request(database, use, term, terms, position):
    attribute = z.tlv([0x30], z.tlv([0x9F, 0x78], z.ber_int(1)) + z.tlv([0x9F, 0x79], z.ber_int(use)))
    start_point = z.tlv([0xBF, 0x66], z.tlv([0xBF, 0x2C], attribute) + z.tlv([0x9F, 0x2D], term.encode()))
    body = (z.tlv([0xA3], z.tlv([0x9F, 0x69], database.encode())) + start_point
            + z.tlv([0x86], z.ber_int(terms)) + z.tlv([0x87], z.ber_int(position)))
    return z.tlv([0xBF, 0x23], body)


def scan_outcome(apdu):
    """"entries N" for a Scan answered with terms, "diagnostic C" for a bib-1 diagnostic."""
    if not apdu.startswith(b"\xBF\x24"):
        return "no Scan response"
    fields = dict(z.children(apdu))
    status = int.from_bytes(fields.get(b"\x84", b"\x00"), "big")
    at = apdu.find(BIB1)
    if status == 6 and at >= 0 and apdu[at + len(BIB1)] == 0x02:
        length = apdu[at + len(BIB1) + 1]
        start = at + len(BIB1) + 2
        return "diagnostic " + str(int.from_bytes(apdu[start:start + length], "big"))
    return "entries " + str(int.from_bytes(fields.get(b"\x85", b"\x00"), "big"))


def run_connection(options, request, latencies, outcomes, lock, ready):
    client = z.Client(options.port)
    client.send(z.init_request(name=b"scan_load"))
    if z.init_result(client.read_apdu()) is not True:
        raise SystemExit("Init rejected")
    ready.wait()
    for _ in range(options.rounds):
        start = time.monotonic()
        client.send(request)
        outcome = scan_outcome(client.read_apdu())
        elapsed = time.monotonic() - start
        with lock:
            latencies.append(elapsed)
            outcomes[outcome] += 1
    client.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=2100)
    parser.add_argument("--connections", type=int, default=8)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--terms", type=int, default=1000)
    parser.add_argument("--use", type=int, default=4)
    parser.add_argument("--term", default="'")
    parser.add_argument("--position", type=int, default=1)
    parser.add_argument("--database", default="Default")
    options = parser.parse_args()
    z.DEADLINE = 600.0

    request = scan_request(options.database, options.use, options.term, options.terms, options.position)
    latencies, outcomes, lock = [], Counter(), threading.Lock()
    ready = threading.Barrier(options.connections)
    threads = [threading.Thread(target=run_connection, args=(options, request, latencies, outcomes, lock, ready))
               for _ in range(options.connections)]
    wall = time.monotonic()
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    wall = time.monotonic() - wall

    latencies.sort()
    def at(share):
        return latencies[min(len(latencies) - 1, int(share * len(latencies)))]
    print(f"{len(latencies)} scans on {options.connections} connections in {wall:.2f} s")
    print(f"latency s: mean {statistics.mean(latencies):.3f} p50 {at(0.5):.3f} p90 {at(0.9):.3f} "
          f"max {latencies[-1]:.3f}")
    for outcome, count in sorted(outcomes.items()):
        print(f"  {outcome}: {count}")


if __name__ == "__main__":
    main()
