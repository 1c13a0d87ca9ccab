#!/usr/bin/env python3
"""Writes the seed corpora fuzz/corpus/<target>/<seed>.ber from the valid encodings listed below.

Each target's folder ends up holding exactly its listed seeds. Run it again after changing a list and commit
the result.
"""

import math
import pathlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"


def length_octets(n):
    """Definite length in the fewest octets."""
    if n < 0x80:
        return bytes([n])
    body = n.to_bytes((n.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(body)]) + body


def tlv(identifier, contents=b""):
    """One element of definite length; identifier is an int (one octet) or the identifier octets."""
    if isinstance(identifier, int):
        identifier = bytes([identifier])
    return identifier + length_octets(len(contents)) + contents


def indefinite(identifier, contents=b""):
    """One constructed element of indefinite length, with its end-of-contents octets."""
    if isinstance(identifier, int):
        identifier = bytes([identifier])
    return identifier + b"\x80" + contents + b"\x00\x00"


def nested(identifier, inner, levels):
    """inner wrapped in levels constructed elements of indefinite length."""
    for _ in range(levels):
        inner = indefinite(identifier, inner)
    return inner


def integer_contents(value):
    """Two's complement in the fewest octets."""
    size = 1
    while not -(1 << (8 * size - 1)) <= value < (1 << (8 * size - 1)):
        size += 1
    return value.to_bytes(size, "big", signed=True)


def oid_contents(text):
    arcs = [int(arc) for arc in text.split(".")]
    out = b""
    for sub in [40 * arcs[0] + arcs[1]] + arcs[2:]:
        septets = [sub & 0x7F]
        sub >>= 7
        while sub:
            septets.append(0x80 | (sub & 0x7F))
            sub >>= 7
        out += bytes(reversed(septets))
    return out


def real_contents(value):
    """The binary form, base 2, as the runtime's encoder writes it."""
    if value == 0:
        return b""
    if math.isinf(value):
        return b"\x40" if value > 0 else b"\x41"
    fraction, exponent = math.frexp(abs(value))
    mantissa = []
    for _ in range(8):
        fraction *= 256
        digit = int(fraction)
        fraction -= digit
        mantissa.append(digit)
    while mantissa[-1] == 0:
        mantissa.pop()
    exp = integer_contents(exponent - 8 * len(mantissa))
    first = 0x80 | (0x40 if value < 0 else 0) | (len(exp) - 1)
    return bytes([first]) + exp + bytes(mantissa)


def external(*members):
    return tlv(0x28, b"".join(members))


SUTRS = tlv(0x06, oid_contents("1.2.840.10003.5.101"))
UNKNOWN = tlv(0x06, oid_contents("1.2.3.4"))
INNER = bytes.fromhex("3003020107")
CLOSE = bytes.fromhex("BF30059F81530100")

SEEDS = {
    "fuzz_ber_element_check": {
        "definite": bytes.fromhex("3003020105"),
        "indefinite": bytes.fromhex("30800201050000"),
        "nested_indefinite": indefinite(0x30, indefinite(0xA1, tlv(0x04, b"AB")) + tlv(0x02, b"\x07")),
        "nested_deep": nested(0x30, tlv(0x05), 250),
        "long_identifier": bytes.fromhex("BF814900"),
        "long_length": tlv(0x04, b"q" * 300),
        "header_only": bytes.fromhex("30820100"),
        "two_elements": bytes.fromhex("3003020105") + bytes.fromhex("0500"),
        "close_apdu": CLOSE,
        "external": external(UNKNOWN, tlv(0xA0, INNER)),
    },
    "fuzz_ber_primitives": {
        "boolean_true": tlv(0x01, b"\xff"),
        "boolean_false": tlv(0x01, b"\x00"),
        **{
            f"integer_{name}": tlv(0x02, integer_contents(value))
            for name, value in [
                ("0", 0),
                ("127", 127),
                ("128", 128),
                ("minus_1", -1),
                ("minus_129", -129),
                ("max", 2**31 - 1),
                ("min", -(2**31)),
            ]
        },
        "unsigned_max": tlv(0x02, b"\x00\xff\xff\xff\xff"),
        "bits_10": tlv(0x03, bytes.fromhex("06FFC0")),
        "bits_empty": tlv(0x03, b"\x00"),
        "bits_constructed": indefinite(
            0x23, tlv(0x03, bytes.fromhex("00FF")) + tlv(0x03, bytes.fromhex("04F0"))
        ),
        "octets": tlv(0x04, b"hello"),
        "octets_constructed_indefinite": indefinite(0x24, tlv(0x04, b"AB") + tlv(0x04, b"CD")),
        "octets_constructed_nested": tlv(0x24, tlv(0x24, tlv(0x04, b"AB")) + tlv(0x04, b"CD")),
        "octets_nested_deep": nested(0x24, tlv(0x04, b"deep"), 250),
        "null": tlv(0x05),
        "oid": SUTRS,
        **{
            f"real_{name}": tlv(0x09, real_contents(value))
            for name, value in [
                ("0", 0.0),
                ("1", 1.0),
                ("minus_2_5", -2.5),
                ("1e100", 1e100),
                ("smallest", 5e-324),
                ("largest", 1.7976931348623157e308),
                ("plus_infinity", math.inf),
                ("minus_infinity", -math.inf),
            ]
        },
        "real_base_16": tlv(0x09, bytes.fromhex("A0FF01")),
        "numeric": tlv(0x12, b"12345"),
        "printable": tlv(0x13, b"Quorvane"),
        "teletex": tlv(0x14, b"teletex"),
        "videotex": tlv(0x15, b"videotex"),
        "ia5": tlv(0x16, b"ia5"),
        "utc_time": tlv(0x17, b"991231120000Z"),
        "generalized_time": tlv(0x18, b"19991231120000Z"),
        "graphic": tlv(0x19, b"graphic"),
        "visible": tlv(0x1A, b"visible"),
        "general": tlv(0x1B, b"general"),
        "general_constructed": indefinite(0x3B, tlv(0x04, b"gen") + tlv(0x04, b"eral")),
    },
    "fuzz_external": {
        "sutrs": external(SUTRS, tlv(0xA0, tlv(0x1B, b"a record"))),
        "sutrs_constructed": indefinite(0x28, SUTRS + indefinite(0xA0, indefinite(0x3B, tlv(0x04, b"rec")))),
        "unknown_oid_raw": external(UNKNOWN, tlv(0xA0, INNER)),
        "indefinite": indefinite(0x28, UNKNOWN + indefinite(0xA0, INNER)),
        "direct_reference_only": external(SUTRS),
        "every_member": external(
            UNKNOWN,
            tlv(0x02, integer_contents(7)),
            tlv(0x07, b"descriptor"),
            tlv(0x81, b"aligned"),
            tlv(0x82, bytes.fromhex("06FFC0")),
        ),
        "constructed_members": indefinite(
            0x28,
            tlv(0x27, tlv(0x04, b"desc")) + indefinite(0xA1, tlv(0x04, b"al") + tlv(0x04, b"igned"))
            + indefinite(0xA2, tlv(0x03, bytes.fromhex("00FF")) + tlv(0x03, bytes.fromhex("04F0"))),
        ),
        "empty": external(),
    },
}


def main():
    for target, seeds in SEEDS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        wanted = {f"{name}.ber" for name in seeds}
        for stale in folder.iterdir():
            if stale.name not in wanted:
                stale.unlink()
        for name, octets in seeds.items():
            (folder / f"{name}.ber").write_bytes(octets)


if __name__ == "__main__":
    main()
