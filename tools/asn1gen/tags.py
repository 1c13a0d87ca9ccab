"""Identifier octets and the left-aligned 32-bit BerTag values the runtime compares."""

CLASS_BITS = {"UNIVERSAL": 0x00, "APPLICATION": 0x40, "CONTEXT": 0x80, "PRIVATE": 0xC0}
CONSTRUCTED = 0x20
# The runtime reads at most two continuation octets, so 16383 is the largest tag number.
MAX_TAG_NUMBER = 16383


def identifier_octets(cls, number, constructed):
    """The identifier octets of a tag, as X.690 writes them."""
    if not 0 <= number <= MAX_TAG_NUMBER:
        raise ValueError(f"tag number {number} is outside 0 to {MAX_TAG_NUMBER}")
    first = CLASS_BITS[cls] | (CONSTRUCTED if constructed else 0)
    if number < 31:
        return bytes([first | number])
    if number < 128:
        return bytes([first | 0x1F, number])
    return bytes([first | 0x1F, 0x80 | (number >> 7), number & 0x7F])


def ber_tag(octets):
    """The value ASN_DecodeTag returns for these identifier octets."""
    value = 0
    for index, octet in enumerate(octets):
        value |= octet << (24 - 8 * index)
    return value


def tag_value(cls, number, constructed):
    return ber_tag(identifier_octets(cls, number, constructed))


def tag_literal(value):
    return f"0x{value:08X}u"


def tag_text(value):
    """Identifier octets of a BerTag as hexadecimal text, e.g. 'BF 81 53'."""
    octets = [(value >> shift) & 0xFF for shift in (24, 16, 8)]
    count = 1
    if octets[0] & 0x1F == 0x1F:
        count = 3 if octets[1] & 0x80 else 2
    return " ".join(f"{octet:02X}" for octet in octets[:count])
