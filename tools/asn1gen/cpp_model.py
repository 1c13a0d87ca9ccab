"""How each kind of value is held, encoded, decoded, printed and freed in generated C++."""

import tags
from schema import EXTERNAL_NAMESPACE

PRIMITIVE_CTYPES = {
    "int": "BerInteger",
    "bool": "BerBoolean",
    "real": "BerReal",
    "null": "uint8_t",
    "octets": "BerOctets",
    "bits": "BerBits",
    "oid": "BerOid",
    "any": "BerAny",
}

_DECODERS = {
    "int": "ASN_DecodeIntegerContent",
    "bool": "ASN_DecodeBooleanContent",
    "real": "ASN_DecodeRealContent",
    "octets": "ASN_DecodeOctetStringContent",
    "bits": "ASN_DecodeBitStringContent",
    "oid": "ASN_DecodeOidContent",
}
_VALUE_ENCODERS = {"int": "ASN_EncodeIntegerContent", "bool": "ASN_EncodeBooleanContent",
                   "real": "ASN_EncodeRealContent"}
_POINTER_ENCODERS = {"octets": "ASN_EncodeOctetStringContent", "bits": "ASN_EncodeBitStringContent",
                     "oid": "ASN_EncodeOidContent"}
_VALUE_PRINTERS = {"int": "ASN_PrintInteger", "bool": "ASN_PrintBoolean", "real": "ASN_PrintReal"}
_POINTER_PRINTERS = {"octets": "ASN_PrintOctetString", "bits": "ASN_PrintBitString", "oid": "ASN_PrintOid"}
_RELEASE = {"octets": "ASN_FreeOctetString", "bits": "ASN_FreeBitString", "oid": "ASN_FreeOid"}


def accept_test(values, variable):
    return " || ".join(f"{variable} == {tags.tag_literal(value)}" for value in values)


class Holding:
    """A value of a Use held at one place of a record: a SEQUENCE member, a CHOICE slot or a list element."""

    def __init__(self, unit, use, context, optional, place):
        self.unit = unit
        self.use = use
        self.context = context  # member, slot, element
        self.optional = optional
        self.place = place  # the C++ lvalue of the member, slot or element pointer
        kind = use.kind
        if context == "element":
            self.mode = "pointer"
        elif kind in ("record", "external"):
            self.mode = "pointer"
        elif kind == "null":
            self.mode = "pointer" if (context == "member" and optional) else "none"
        elif context == "slot":
            self.mode = "inline" if kind in ("int", "bool") else "pointer"
        elif kind in ("int", "bool", "real"):
            self.mode = "pointer" if optional else "inline"
        else:
            self.mode = "inline"

    # Types.
    def value_ctype(self):
        """The C++ type of the value itself (without the pointer)."""
        use = self.use
        if use.kind == "record":
            return "BerList" if use.record.is_list else self.record_name(use.record)
        if use.kind == "external":
            return self.unit.qualify("EXTERNAL", EXTERNAL_NAMESPACE)
        return PRIMITIVE_CTYPES[use.kind]

    def record_name(self, record):
        return self.unit.qualify(record.cname, record.unit.namespace)

    def routine(self, prefix, record, suffix=""):
        return self.unit.qualify(f"{prefix}{record.cname}{suffix}", record.unit.namespace)

    def member_ctype(self):
        if self.mode == "none":
            return "int32_t" if self.context == "member" else None
        ctype = self.value_ctype()
        return ctype + "*" if self.mode == "pointer" else ctype

    # Expressions.
    def address(self):
        return self.place if self.mode == "pointer" else f"&{self.place}"

    def presence(self):
        """Test for an optional member's presence."""
        if self.mode == "pointer":
            return f"{self.place} != nullptr"
        if self.use.kind == "any":
            return f"{self.place}.value != nullptr"
        return f"{self.place}.octets != nullptr"

    def contents_encoder(self, present=False):
        """Expression writing the contents octets; 0 for a pointer that is null (unless known present)."""
        use, kind = self.use, self.use.kind
        if kind == "null":
            return "0"
        if kind in _VALUE_ENCODERS:
            value = f"*{self.place}" if self.mode == "pointer" else self.place
            call = f"{_VALUE_ENCODERS[kind]}(buf, {value})"
        elif kind in _POINTER_ENCODERS:
            call = f"{_POINTER_ENCODERS[kind]}(buf, {self.address()})"
        elif kind == "record":
            return f"{self.routine('Encode', use.record, 'Content')}(buf, {self.place})"
        elif kind == "external":
            call = f"{self.unit.qualify('EncodeEXTERNALContent', EXTERNAL_NAMESPACE)}(buf, {self.place})"
        else:
            raise AssertionError(kind)
        if self.mode == "pointer" and not present:
            return f"({self.place} != nullptr ? {call} : 0)"
        return call

    def element_encoder(self, bind=None, present=False):
        """Expression writing the whole element: contents, length and identifiers."""
        use = self.use
        if use.kind == "any":
            text = f"ASN_EncodeAny(buf, {self.address()})"
            if bind:
                text = f"({bind}, {text})"
        else:
            text = self.contents_encoder(present)
            if use.ident is not None:
                text = f"wrap(buf, {text}, {tags.tag_literal(use.ident_written())})"
        if use.explicit is not None:
            text = f"wrap(buf, {text}, {tags.tag_literal(use.explicit_written())})"
        return text

    def decode_contents(self, ident, length, counter):
        """Statements decoding the contents into the held place (allocating it first)."""
        use, kind = self.use, self.use.kind
        lines = []
        if self.mode == "pointer":
            if use.kind == "record" and use.record.is_list:
                lines.append(f"{self.place} = newList(ctx);")
            else:
                lines.append(f"{self.place} = ctx.allocRecord<{self.value_ctype()}>();")
        if kind == "null":
            lines.append(f"ASN_DecodeNullContent(buf, {ident}, {length}, {counter}, ctx);")
        elif kind in _DECODERS:
            lines.append(f"{_DECODERS[kind]}(buf, {ident}, {length}, {self.address()}, {counter}, ctx);")
        elif kind == "record":
            routine = self.routine("Decode", use.record, "Content")
            lines.append(f"{routine}(buf, {ident}, {length}, {self.place}, {counter}, ctx);")
        elif kind == "external":
            routine = self.unit.qualify("DecodeEXTERNALContent", EXTERNAL_NAMESPACE)
            lines.append(f"{routine}(buf, {ident}, {length}, {self.place}, {counter}, ctx);")
        else:
            raise AssertionError(kind)
        return lines

    def decode_element(self, ident, length, counter, inner_code=None, bind=None, raw=None):
        """Statements decoding the element whose identifier and length were read (EXPLICIT wrapper handled).

        raw: (test, code) of an ANY kept as its raw element where test holds; code for a malformed one."""
        use = self.use
        if use.explicit is None:
            return self.decode_contents(ident, length, counter)
        lines = ["BerNestingGuard wrapper(ctx);"]
        if raw is not None:
            test, code = raw
            lines += [
                f"if ({test}) {{",
                f"    ASN_DecodeRawAny(buf, {self.address()}, {length}, {counter}, ctx, {code});",
                "} else {",
                f"    {bind};",
                f"    ASN_DecodeAny(buf, {self.address()}, {counter}, ctx);",
                "}",
            ]
        elif use.kind == "any":
            if bind:
                lines.append(f"{bind};")
            lines.append(f"ASN_DecodeAny(buf, {self.address()}, {counter}, ctx);")
        else:
            lines.append(f"BerTag inner = ASN_DecodeTag(buf, {counter}, ctx);")
            if use.inner_checked:
                lines.append(f"if (!({accept_test(use.ident_accepts(), 'inner')})) ctx.raise({inner_code});")
            lines.append(f"BerLength innerLength = ASN_DecodeLength(buf, {counter}, ctx);")
            lines.extend(self.decode_contents("inner", "innerLength", counter))
        lines.append(f"if ({length} < 0) ASN_DecodeEndOfContents(buf, {counter}, ctx);")
        return ["{"] + ["    " + line for line in lines] + ["}"]

    def print_value(self, indent, present=False):
        """Statement printing the value (after its label); a null pointer prints nothing."""
        use, kind = self.use, self.use.kind
        if kind == "null":
            return "ASN_PrintNull(out);"
        if kind in _VALUE_PRINTERS:
            value = f"*{self.place}" if self.mode == "pointer" else self.place
            call = f"{_VALUE_PRINTERS[kind]}(out, {value});"
        elif kind in _POINTER_PRINTERS:
            call = f"{_POINTER_PRINTERS[kind]}(out, {self.address()});"
        elif kind == "record":
            return f"{self.routine('Print', use.record)}(out, {self.place}, {indent});"
        elif kind == "external":
            call = f"{self.unit.qualify('PrintEXTERNAL', EXTERNAL_NAMESPACE)}(out, {self.place}, {indent});"
        elif kind == "any":
            call = f"ASN_PrintAny(out, {self.address()}, {indent});"
        else:
            raise AssertionError(kind)
        if self.mode == "pointer" and not present:
            return f"if ({self.place} != nullptr) {call}"
        return call

    def release(self):
        """Statements releasing what the place owns and clearing it."""
        use, kind, place = self.use, self.use.kind, self.place
        if self.mode == "none":
            return []
        if self.mode == "inline":
            if kind in _RELEASE:
                return [f"{_RELEASE[kind]}(&{place});"]
            if kind == "any":
                return [f"ASN_FreeAny(&{place});"]
            return []
        if kind == "record":
            return [f"{self.routine('Free', use.record)}({place});", f"MemFree({place});", f"{place} = nullptr;"]
        if kind == "external":
            free = self.unit.qualify("FreeEXTERNAL", EXTERNAL_NAMESPACE)
            return [f"{free}({place});", f"MemFree({place});", f"{place} = nullptr;"]
        if kind in _RELEASE:
            return [f"{_RELEASE[kind]}({place});", f"MemFree({place});", f"{place} = nullptr;"]
        if kind == "any":
            return [f"if ({place} != nullptr) ASN_FreeAny({place});", f"MemFree({place});", f"{place} = nullptr;"]
        return [f"MemFree({place});", f"{place} = nullptr;"]
