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


def carried_seeds():
    """EXTERNALs carrying a value of each registered record syntax and package under its identifier."""
    values = {
        "1.2.840.10003.5.102": "3035A10E06072A8648CE13050A8103616263A223A10E06072A8648CE13050A8103616263"
                               "A2118B025141B30B30098101FF860100870100",
        "1.2.840.10003.5.103": "30088102616282026364",
        "1.2.840.10003.5.105": "30253023A203820103A41CA61A30183016A203820102A40FA60D300B3009A203820101A4028300",
        "1.2.840.10003.5.111": "3023A010300EA00C300AA608300602010A020102A10F300D300BA10930073005A303020105",
        "1.2.840.10003.5.106": "301881072A8648CE130904890102AA05280306012AAB0306012A",
        "1.2.840.10003.7.1": "3019A113300681010182010A300981010882016483010282026F6B",
        "1.2.840.10003.7.2": "3011A10F300DA10481026B62A205810105A200",
        "1.2.840.10003.8.1": "A11B3009A105A1038101028500300EA10482027077A6061B01611B0162",
        "1.2.840.10003.9.4": "A104A2023000",
        "1.2.840.10003.9.5": "A10FA109300781010182026462A2023000",
        "1.2.840.10003.9.6": "A111A10D300BA103810100A204810231328200",
        "1.2.840.10003.9.7": "A118A10B3009A1048102706E820101A2093007810131A2028100",
        "1.2.840.10003.10.1": "300530038201FF",
        "1.2.840.10003.9.1000.70.1": "A12AA126A024A02230209F1F0161800101810105A208300681010A820102A00380014630"
                                     "0580036164728200",
        "1.2.840.10003.9.1000.70.2": "A20DA1093007810161300280008200",
        "1.2.840.10003.9.4.1000.70.1": "A011A00F300DA008300681010182010A810102",
        "1.2.840.10003.2.1000.99.1": "A20FA10D810107A2083006020101020102",
        "1.2.840.10003.9.1000.99.1": "A220A10A300881010BA40382011EA2123010A1031B0161A3093007A105A103810105",
        "1.2.840.10003.10.2": "A129A11EA2108106" "28D316010008" "8206" "28D316010002" "A30AA1080603" "2A0304"
                              "0601" "28" "A2041B02656E8301FF",
        "1.2.840.10003.15.3": "A10FA10AA208820628D3160100088301FF",
        "1.0.10163.10.2": "A232A129A127A225A0028100A103020103A21280011E81011F820120830121840122850123A306830101"
                          "840102820265" "6E830100",
        "1.0.10163.5.101": "1B03616263",
        "1.0.10163.7.2": "3000",
    }
    return {
        "carried_" + text.replace(".", "_"): external(tlv(0x06, oid_contents(text)),
                                                      tlv(0xA0, bytes.fromhex(value)))
        for text, value in values.items()
    }


def explain_seeds():
    """EXTERNALs carrying Explain records of several categories, on both identifier arcs."""
    def t(identifier, *contents):
        return tlv(bytes.fromhex(identifier), b"".join(contents))

    bib1 = tlv(0x80, oid_contents("1.2.840.10003.3.1"))
    access = t("B3", t("A0", t("A1", t("81", b"\xff"), t("82", b"\x00"))), t("AB", t("1B", b"metric")))
    records = {
        "target": t("A0", t("81", b"target"), t("84", b"\xff"), t("85", b"\x00"), access),
        "database": t("A1", t("81", b"db"), t("82"), t("85", b"\x00"), t("86", b"\xff"), t("AE", t("81", b"\x05"))),
        "schema": t("A2", t("81", oid_contents("1.2.840.10003.13.1")), t("82", b"gils"),
                    t("A5", t("30", t("81", b"title"), t("A2", t("30", t("81", b"\x02"), t("A2", t("82", b"\x04")))),
                                  t("A3", t("A1", t("30", t("81", b"sub"), t("A2"), t("84", b"\x00"), t("85", b"\x00")))),
                                  t("84", b"\x00"), t("85", b"\xff")))),
        "attribute_details": t("A8", t("81", b"db"), t("A3", bib1, t("A1", t("30", t("30", t("81", b"\x01"), t("83")))))),
        "category_list": t("BF64", t("A1", t("30", t("81", b"TargetInfo")))),
    }
    seeds = {}
    for arc, suffix in (("1.2.840.10003.5.100", ""), ("1.0.10163.5.100", "_iso")):
        for name, record in records.items():
            seeds[f"explain_{name}{suffix}"] = external(tlv(0x06, oid_contents(arc)), tlv(0xA0, record))
    return seeds
def ill_seeds():
    """EXTERNALs carrying ILL APDUs: a request whose extensions hold an 800 item (decoded through the integer
    registry) and a raw 799 item, and a Status-Or-Error-Report with both of its reports."""
    def ill_string(text):
        return tlv(0x1A, text)

    lead = (tlv(0x80, b"\x02")
            + tlv(0xA1, tlv(0xA1, ill_string(b"group")) + tlv(0xA2, ill_string(b"42")))
            + tlv(0xA2, tlv(0xA0, tlv(0x80, b"20261210") + tlv(0x81, b"120000"))))
    system_id = tlv(0xA0, tlv(0xA1, ill_string(b"LIB")))
    billing = tlv(0xA2, tlv(0x81, b"VISA") + tlv(0x82, b"4111") + tlv(0x84, b"1230"))
    add_info = (tlv(0x81, b"\xff") + tlv(0xA2, tlv(0x81, b"\x03") + tlv(0x82, b"a@b.c"))
                + tlv(0xA3, tlv(0x81, b"\x01") + tlv(0x83, b"door") + tlv(0x85, b"\x00")) + tlv(0xA4, billing))
    extension_800 = tlv(0x30, tlv(0x80, integer_contents(800)) + tlv(0x81, b"\x00") + tlv(0xA2, tlv(0xE1, add_info)))
    extension_799 = tlv(0x30, tlv(0x80, integer_contents(799)) + tlv(0xA2, tlv(0x81, b"launch")))
    request = (lead + tlv(0xA3, system_id) + tlv(0x85, b"\x01") + tlv(0xA9, tlv(0x0A, b"\x01"))
               + tlv(0xAB, tlv(0x80, b"\xff") + tlv(0x81, b"\x00") + tlv(0x82, b"\x02") + tlv(0x83, b"\x01"))
               + tlv(0xB0, tlv(0xA4, ill_string(b"Title")) + tlv(0xB2, ill_string(b"0-19")))
               + tlv(b"\xBF\x2E", ill_string(b"note")) + tlv(b"\xBF\x31", extension_800 + extension_799))
    history = (tlv(0x85, b"20261201") + tlv(0x86, b"\x01") + tlv(0x87, b"20261202") + tlv(0xA8, system_id))
    report = (lead + tlv(b"\xBF\x2C", tlv(0xA0, history) + tlv(0x81, b"\x05"))
              + tlv(b"\xBF\x2D", tlv(0xA0, ill_string(b"corr")) + tlv(0x81, b"\x01")
                    + tlv(0xA3, tlv(0xA2, tlv(0x80, b"\x01") + tlv(0x81, b"\x02")))))
    ill = tlv(0x06, oid_contents("1.2.10161.2.1"))
    return {
        "ill_request_extensions_800_799": external(ill, tlv(0xA0, tlv(0x61, tlv(0x30, request)))),
        "ill_status_or_error_report": external(ill, tlv(0xA0, tlv(0x73, tlv(0x30, report)))),
    }


def apdu_seeds():
    """Valid APDUs of every type, some with indefinite lengths, constructed strings and carried records."""

    def t(identifier, *contents):
        return tlv(bytes.fromhex(identifier), b"".join(contents))

    def ind(identifier, *contents):
        return indefinite(bytes.fromhex(identifier), b"".join(contents))

    def num(identifier, value):
        return t(identifier, integer_contents(value))

    def oid(identifier, text):
        return t(identifier, oid_contents(text))

    bib1, usmarc, resource1 = "1.2.840.10003.3.1", "1.2.840.10003.5.10", "1.2.840.10003.7.1"
    reference = t("82", b"ref-1")
    other_info = t(
        "BF8149",
        t("30", t("A1", oid("81", "1.2.840.10003.10.1"), num("82", 3)), t("82", b"info")),
        t("30", oid("85", "1.2.3")),
    )
    diag = t("30", oid("06", "1.2.840.10003.4.1"), num("02", 114), t("1B", b"title"))
    diag1 = external(tlv(0x06, b"\x29"), t("A0", bytes.fromhex("300F300DA10BA10906012A0201011B0161")))
    report = external(oid("06", resource1), t("81", b"report"))
    attributes = t("BF2C", t("30", num("9F78", 1), num("9F79", 4)), t("30", num("9F78", 2), num("9F79", 3)))

    def operand(use, term):
        return t("A0", t("BF66", t("BF2C", t("30", num("9F78", 1), num("9F79", use))), t("9F2D", term)))

    def node(rpn1, rpn2, operator):
        return t("A1", rpn1, rpn2, t("BF2E", operator))

    prox = t("A3", t("81", b"\x00"), num("82", 3), t("83", b"\xff"), num("84", 2), t("A5", num("81", 2)))
    rpn = node(
        node(node(operand(4, b"rivers"), operand(1003, b"smith"), t("80")), operand(21, b"maps"), t("81")),
        node(t("A0", t("9F1F", b"previous")), operand(31, b"1999"), t("82")),
        prox,
    )

    def record(contents):
        return t("30", t("80", b"Default"), t("A1", contents))

    records = t(
        "BC",
        record(t("A1", external(SUTRS, t("A0", t("1B", b"a record of text"))))),
        record(t("A1", external(UNKNOWN, t("81", bytes(range(64)))))),
        t("30", t("A1", t("A2", diag))),
        t("30", t("A1", t("A2", diag1))),
        t("30", t("A1", t("A3", t("04", b"fragment")))),
    )
    statuses = t("30", t("9F1F", b"default"), num("9F21", 0))
    term_info = t(
        "A1",
        t("9F2D", b"cat"),
        t("80", b"Cat"),
        attributes,
        t("A4", t("BF66", attributes, t("9F2D", b"kitten"))),
        num("82", 12),
        t("A3", t("30", t("A1", attributes), t("A2", num("02", 5)))),
    )
    sort_keys = t(
        "A5",
        t("30", t("A1", t("80", b"title")), num("81", 0), num("82", 1), t("A3", t("83", b"zzz"))),
        t("30", t("A2", t("30", t("9F69", b"Default"), t("A2", oid("06", bib1), attributes))), num("81", 1),
          num("82", 0), t("A3", t("81"))),
        t("30", t("A1", t("A1", oid("81", "1.2.840.10003.13.1"))), num("81", 0), num("82", 0)),
    )
    unit = t("A2", t("A1", t("1B", b"ISO")), t("A2", num("82", 1)), t("A3", t("81", b"day")), num("84", 0))
    return {
        "init_request": t(
            "B4", reference, t("83", b"\x05\xe0"), t("84", b"\x00\xe0\x00"), num("85", 1048576),
            num("86", 1048576), t("A7", t("30", t("80", b"group"), t("81", b"user"), t("82", b"secret"))),
            t("9F6E", b"81"), t("9F6F", b"Quorvane seed"), t("9F70", b"1.0"),
            t("AB", external(UNKNOWN, t("81", b"user information"))), other_info,
        ),
        "init_request_indefinite": ind(
            "B4", ind("A3", t("03", b"\x00\xc0"), t("03", b"\x05\x80")), t("84", b"\x00\xe0\x00"),
            num("85", 65536), num("86", 65536), ind("A7", t("1A", b"open-id")),
            ind("BF6F", t("04", b"Quor"), t("04", b"vane")),
        ),
        "init_request_anonymous": t("B4", t("83", b"\x05\xe0"), t("84", b"\x00\xe0\x00"), num("85", 4096),
                                    num("86", 4096), t("A7", t("05"))),
        "init_response": t(
            "B5", reference, t("83", b"\x05\xe0"), t("84", b"\x00\xe0\x00"), num("85", 65536), num("86", 65536),
            t("8C", b"\xff"), t("9F6E", b"Q"), t("9F6F", b"Quorvane"), t("9F70", b"1"),
            t("AB", external(SUTRS, t("A0", t("1B", b"welcome")))), other_info,
        ),
        "search_request": t(
            "B6", reference, num("8D", 0), num("8E", 1), num("8F", 0), t("90", b"\xff"), t("91", b"default"),
            t("B2", t("9F69", b"Default"), t("9F69", b"Books")), t("BF64", t("80", b"B")),
            t("BF65", t("A1", t("30", t("9F69", b"Default"), t("9F67", b"F")))), oid("9F68", usmarc),
            t("B5", t("A1", oid("06", bib1), rpn)), t("BF814B", t("30", t("82", b"search info"))), other_info,
        ),
        "search_request_indefinite": ind(
            "B6", num("8D", 0), num("8E", 1), num("8F", 0), t("90", b"\x00"),
            ind("B1", t("04", b"def"), t("04", b"ault")),
            ind("B2", t("9F69", b"Default")), ind("B5", ind("A1", oid("06", bib1), operand(4, b"rivers"))),
        ),
        "search_request_sql": t(
            "B6", num("8D", 0), num("8E", 1), num("8F", 0), t("90", b"\xff"), t("91", b"default"),
            t("B2", t("9F69", b"Default")), t("B5", t("BF67", t("A0", t("01", b"\xff")), t("81", b"select 1"))),
        ),
        "search_response": t(
            "B7", reference, num("97", 120), num("98", 5), num("99", 6), t("96", b"\xff"), num("9A", 1),
            num("9B", 0), records, other_info,
        ),
        "present_request": t(
            "B8", reference, t("9F1F", b"default"), num("9E", 1), num("9D", 10),
            t("BF8154", t("30", num("81", 11), num("82", 5)), t("30", num("81", 20), num("82", 1))),
            t("B3", t("80", b"F")), oid("9F68", usmarc), num("9F814C", 2), num("9F814E", 100000),
            num("9F814F", 50000), other_info,
        ),
        "present_request_comp_spec": ind(
            "B8", t("9F1F", b"default"), num("9E", 1), num("9D", 2),
            t("BF8151", t("81", b"\xff"), t("A2", oid("81", "1.2.840.10003.13.1"), t("A2", t("81", b"B"))),
              t("A3", t("30", ind("A1", t("9F69", b"Default")), t("A2", t("A2", t("81", b"F"))))),
              t("A4", oid("06", usmarc), SUTRS)),
        ),
        "present_response": t("B9", reference, num("98", 5), num("99", 6), num("9B", 0), records, other_info),
        "present_response_diagnostic": t("B9", num("98", 0), num("99", 1), num("9B", 5), t("BF8102", diag[2:])),
        "delete_request": t(
            "BA", reference, num("9F20", 0),
            t("30", t("9F1F", b"default"), ind("BF1F", t("04", b"sec"), t("04", b"ond"))),
            other_info,
        ),
        "delete_response": t(
            "BB", reference, num("80", 0), t("A1", statuses), num("9F22", 0), t("BF23", statuses, statuses),
            t("9F24", b"done"), other_info,
        ),
        "access_control_request": t("BC", reference, t("9F25", b"challenge"), other_info),
        "access_control_request_external": t("BC", t("A0", external(UNKNOWN, t("A0", INNER)))),
        "access_control_response": t("BD", reference, t("9F26", b"response"), t("BF815F", diag), other_info),
        "resource_control_request": t(
            "BE", reference, t("9F27", b"\x00"), t("BF28", report), num("9F29", 2), t("9F2A", b"\xff"),
            t("9F2B", b"\x00"), other_info,
        ),
        "resource_control_response": t("BF1F", reference, t("9F2C", b"\xff"), t("9F2D", b"\x00"), other_info),
        "trigger_resource_control_request": t(
            "BF20", reference, num("9F2E", 1), oid("9F2F", "1.2.840.10003.7.2"), t("9F30", b"\xff"), other_info
        ),
        "resource_report_request": t("BF21", reference, t("9F8152", b"op-1"), oid("9F31", resource1), other_info),
        "resource_report_response": t("BF22", reference, num("9F32", 0), t("BF33", report), other_info),
        "scan_request": t(
            "BF23", reference, t("A3", t("9F69", b"Default")), oid("06", bib1),
            t("BF66", attributes, t("9F2D", b"cat")),
            num("85", 0), num("86", 20), num("87", 1), other_info,
        ),
        "scan_response": t(
            "BF24", reference, num("83", 1), num("84", 0), num("85", 2), num("86", 1),
            t("A7", t("A1", term_info, t("A2", diag)), t("A2", diag)), oid("88", bib1), other_info,
        ),
        "sort_request": t(
            "BF2B", reference, t("A3", t("1B", b"default"), ind("3B", t("04", b"sec"), t("04", b"ond"))),
            t("84", b"sorted"), sort_keys, other_info,
        ),
        "sort_response": t(
            "BF2C", reference, num("83", 0), num("84", 1), t("A5", diag, external(UNKNOWN, t("81", b"x"))),
            other_info,
        ),
        "segment": t("BF2D", reference, num("98", 1), t("A0", record(t("A1", report))), other_info),
        "extended_services_request": t(
            "BF2E", reference, num("83", 1), oid("84", "1.2.840.10003.9.4"), t("85", b"pkg"), t("86", b"user"),
            t("A7", num("81", 30), unit), t("A8", t("30", t("81", b"user"), t("A2", num("02", 1), num("02", 2)))),
            t("89", b"description"), t("AA", UNKNOWN, t("81", b"parameters")), num("8B", 1), t("9F67", b"F"),
            other_info,
        ),
        "extended_services_response": t(
            "BF2F", reference, num("83", 1), t("A4", diag, diag1), t("A5", UNKNOWN, t("81", b"package")),
            other_info,
        ),
        "close": CLOSE,
        "close_every_component": t(
            "BF30", reference, num("9F8153", 4), t("83", b"bye"), oid("84", resource1), t("A5", report), other_info
        ),
        "unknown_apdu": bytes.fromhex("BF3100"),
    }

SEEDS = {
    "fuzz_apdu": apdu_seeds(),
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
    # Two control octets (cap choice, small cap) and then a stream of APDUs.
    "fuzz_apdu_assembler": {
        "stream": b"\x00\x00" + bytes.fromhex("3003020105") + indefinite(0xB6, indefinite(0x30, tlv(0x04, b"AB")))
        + CLOSE,
        "small_cap": b"\x01\x10" + indefinite(0xB6, tlv(0x04, b"q" * 20)) + tlv(0x04, b"q" * 8),
        "deep": b"\x00\x00" + nested(0x30, tlv(0x05), 250),
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
        **carried_seeds(),
        **explain_seeds(),
        **ill_seeds(),
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
