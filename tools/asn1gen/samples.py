"""Sample values of every type for the generic tests: their BER octets and printed text.

The octets are encoded here, independently of the generated encoders, by the rules the generated code
follows: definite lengths in their shortest form, strings primitive, INTEGERs in the fewest octets.
"""

import math

import tags

NULL = object()
MAX_DEPTH = 3
LONG_TEXT = bytes(range(0x41, 0x5B)) * 5  # 130 octets: a two-octet length
TEXT = b"Ab\ncD"
INTEGERS = [127, 128, -129, 2147483647, -2147483648, 16777216, -1]
SUTRS_OID = bytes([0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x65])  # 1.2.840.10003.5.101
OPAC_OID = bytes([0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x66])  # 1.2.840.10003.5.102


# Encoding.
def length_octets(count):
    if count < 0x80:
        return bytes([count])
    body = count.to_bytes((count.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(body)]) + body


def integer_octets(value):
    for count in range(1, 5):
        if -(1 << (8 * count - 1)) <= value < (1 << (8 * count - 1)):
            return value.to_bytes(count, "big", signed=True)
    raise ValueError(f"{value} does not fit 32 bits")


def real_octets(value):
    if value == 0:
        return b""
    if math.isinf(value):
        return b"\x40" if value > 0 else b"\x41"
    mantissa, exponent = math.frexp(abs(value))
    octets = []
    for _ in range(8):
        mantissa *= 256
        octet = int(mantissa)
        octets.append(octet)
        mantissa -= octet
    count = max(index for index, octet in enumerate(octets) if octet) + 1
    exponent_octets = integer_octets(exponent - 8 * count)
    first = 0x80 | (0x40 if value < 0 else 0) | min(len(exponent_octets) - 1, 3)
    prefix = bytes([first]) + (b"\x04" if len(exponent_octets) == 4 else b"")
    return prefix + exponent_octets + bytes(octets[:count])


def tlv(identifier, contents):
    return identifier + length_octets(len(contents)) + contents


def ident_octets(triple):
    return tags.identifier_octets(*triple)


def encode_element(use, value):
    contents = encode_contents(use, value)
    element = tlv(ident_octets(use.ident), contents) if use.ident is not None else contents
    if use.explicit is not None:
        element = tlv(tags.identifier_octets(use.explicit[0], use.explicit[1], True), element)
    return element


def encode_contents(use, value):
    kind = use.kind
    if kind == "int":
        return integer_octets(value)
    if kind == "bool":
        return b"\xff" if value else b"\x00"
    if kind == "null":
        return b""
    if kind == "real":
        return real_octets(value)
    if kind in ("octets", "oid"):
        return value
    if kind == "bits":
        count, octets = value
        return bytes([(8 - count % 8) % 8]) + octets
    if kind == "external":
        return external_contents(value)
    if kind == "record":
        return record_contents(use.record, value)
    raise ValueError(f"no sample for {kind}")


def record_contents(record, value):
    if record.is_list:
        return b"".join(encode_element(record.element.use, item) for item in value)
    if record.kind == "CHOICE":
        field, inner = value
        return encode_element(field.use, inner)
    return b"".join(encode_element(field.use, value[field.index]) for field in record.fields if field.index in value)


def external_contents(value):
    out = b""
    if "direct" in value:
        out += tlv(b"\x06", value["direct"])
    if "indirect" in value:
        out += tlv(b"\x02", integer_octets(value["indirect"]))
    if "descriptor" in value:
        out += tlv(b"\x07", value["descriptor"])
    if "octets" in value:
        out += tlv(b"\x81", value["octets"])
    if "bits" in value:
        count, octets = value["bits"]
        out += tlv(b"\x82", bytes([(8 - count % 8) % 8]) + octets)
    return out


# Printing, as the generated printers and the runtime printers write.
def print_octets(octets):
    text = "".join(chr(octet) if 0x20 <= octet <= 0x7E else "." for octet in octets)
    return "'" + octets.hex() + "'H  -- \"" + text + "\" --"


def print_oid(octets):
    arcs = []
    current = 0
    for octet in octets:
        current = (current << 7) | (octet & 0x7F)
        if not octet & 0x80:
            arcs.append(current)
            current = 0
    if not arcs:
        return "{}"
    first = arcs[0] // 40 if arcs[0] // 40 < 3 else 2
    numbers = [first, arcs[0] - 40 * first] + arcs[1:]
    return "{" + " ".join(str(number) for number in numbers) + "}"


def print_value(use, value, indent):
    kind = use.kind
    if kind == "int":
        return str(value)
    if kind == "bool":
        return "TRUE" if value else "FALSE"
    if kind == "null":
        return "NULL"
    if kind == "real":
        return "%.17E" % value
    if kind == "octets":
        return print_octets(value)
    if kind == "oid":
        return print_oid(value)
    if kind == "bits":
        count, octets = value
        return "'" + octets[: (count + 7) // 8].hex() + "'H"
    if kind == "external":
        return print_external(value, indent)
    return print_record(use.record, value, indent)


def print_block(title, parts, indent):
    return title + ",\n".join(parts) + "\n" + " " * indent + "}"


def print_external(value, indent):
    pad = " " * (indent + 4)
    parts = []
    if "direct" in value:
        parts.append(pad + "direct-reference " + print_oid(value["direct"]))
    if "indirect" in value:
        parts.append(pad + "indirect-reference " + str(value["indirect"]))
    if "descriptor" in value:
        parts.append(pad + "data-value-descriptor " + print_octets(value["descriptor"]))
    if "octets" in value:
        parts.append(pad + "octet-aligned " + print_octets(value["octets"]))
    if "bits" in value:
        count, octets = value["bits"]
        parts.append(pad + "arbitrary '" + octets.hex() + "'H")
    return print_block("{ -- SEQUENCE --\n", parts, indent)


def print_record(record, value, indent):
    inner = indent + 4
    if record.is_list:
        title = "{ -- SET OF -- \n" if record.kind == "SET OF" else "{ -- SEQUENCE OF -- \n"
        parts = [" " * inner + print_value(record.element.use, item, inner) for item in value]
        return print_block(title, parts, indent)
    if record.kind == "CHOICE":
        field, alternative = value
        label = "" if field.unlabelled else field.label
        return label + print_value(field.use, alternative, inner)
    title = "{ -- SEQUENCE --\n"  # a SET prints as a SEQUENCE
    parts = []
    for field in record.fields:
        if field.index in value:
            label = "" if field.unlabelled else field.label
            parts.append(" " * inner + label + print_value(field.use, value[field.index], inner))
    return print_block(title, parts, indent)


# Values.
class SampleMaker:
    """Builds minimal and maximal values; every recursion ends in a minimal value of finite size."""

    def __init__(self, records):
        self.cost = self._costs(records)

    @staticmethod
    def _field_cost(field, cost):
        use = field.use
        if use.kind == "record" and not use.record.is_list:
            return cost.get(id(use.record), math.inf)
        return 1

    def _costs(self, records):
        cost = {}
        changed = True
        while changed:
            changed = False
            for record in records:
                if record.is_list:
                    value = 1
                elif record.kind == "CHOICE":
                    value = 1 + min((self._field_cost(field, cost) for field in record.fields if not field.pending),
                                    default=math.inf)
                else:
                    value = 1 + sum(self._field_cost(field, cost) for field in record.fields if not field.optional)
                if value < cost.get(id(record), math.inf):
                    cost[id(record)] = value
                    changed = True
        return cost

    def choice_minimum(self, record):
        candidates = sampled_alternatives(record)
        return min(candidates, key=lambda field: self._field_cost(field, self.cost))

    def primitive(self, use, large, seed, depth):
        kind = use.kind
        if kind == "int":
            return INTEGERS[seed % len(INTEGERS)] if large else 0
        if kind == "bool":
            return large
        if kind == "null":
            return NULL
        if kind == "real":
            return -2.5 if large else 0.0
        if kind == "octets":
            if not large:
                return b""
            return LONG_TEXT if depth == 0 else TEXT
        if kind == "bits":
            return (11, b"\xa5\xe0") if large else (0, b"")
        if kind == "oid":
            return OPAC_OID if large else b"\x2a"
        if kind == "external":
            if large:
                return {"direct": SUTRS_OID, "indirect": 300, "descriptor": b"desc", "bits": (12, b"\xf0\x0f")}
            return {"direct": SUTRS_OID, "octets": b"record"}
        raise ValueError(f"no sample for {kind}")

    def value(self, use, large, depth, seed=0):
        if use.kind == "record":
            return self.record_value(use.record, large, depth + 1)
        return self.primitive(use, large, seed, depth)

    def record_value(self, record, large, depth):
        large = large and depth <= MAX_DEPTH
        if record.is_list:
            count = (2 if depth <= 1 else 1) if large else 0
            return [self.value(record.element.use, large, depth, seed) for seed in range(count)]
        if record.kind == "CHOICE":
            if large:
                field = sampled_alternatives(record)[-1]
            else:
                field = self.choice_minimum(record)
            return (field, self.value(field.use, large, depth, field.index))
        value = {}
        for field in record.fields:
            if (large or not field.optional) and field_supported(field):
                value[field.index] = self.value(field.use, large, depth, field.index)
        return value


    def samples(self, record):
        """(name, value) pairs: minimal, maximal and, for a CHOICE, each alternative."""
        result = [("min", self.record_value(record, False, 0)), ("max", self.record_value(record, True, 0))]
        if record.kind == "CHOICE":
            for field in sampled_alternatives(record):
                label = field.name or field.cname
                result.append((f"alt {label}", (field, self.value(field.use, True, 1, field.index))))
        return result


def sample_octets(record, value):
    contents = record_contents(record, value)
    tag = record.test_tag
    if tag is None:
        return contents
    count = 1
    if (tag >> 24) & 0x1F == 0x1F:
        count = 3 if (tag >> 16) & 0x80 else 2
    identifier = bytes((tag >> (24 - 8 * index)) & 0xFF for index in range(count))
    return tlv(identifier, contents)


def supported(record, seen=None):
    """False when a sample cannot be built here: an ANY, or a type that needs one. Optional components and
    CHOICE alternatives that need one are left out of the samples instead."""
    seen = set() if seen is None else seen
    if id(record) in seen:
        return True
    seen.add(id(record))
    if record.is_list:
        return field_supported(record.element, seen)
    fields = [field for field in record.fields if not field.pending]
    if record.kind == "CHOICE":
        return any(field_supported(field, set(seen)) for field in fields)
    return all(field_supported(field, set(seen)) for field in fields if not field.optional)


def field_supported(field, seen=None):
    if field.use.kind == "any":
        return False
    return field.use.kind != "record" or supported(field.use.record, seen)


def sampled_alternatives(record):
    return [field for field in record.fields if not field.pending and field_supported(field)]
