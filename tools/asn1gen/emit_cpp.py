"""C++ header and source of one unit."""

import tags
from cpp_model import Holding, accept_test
from schema import EXTERNAL_HEADER, EXTERNAL_NAMESPACE, cap_name

HELPERS = r"""
// Writes identifier octets in front of the data; returns their number.
[[maybe_unused]] uint32_t putIdentifier(BerBuffer& buf, BerTag tag) {
    uint32_t count = 1;
    if ((tag >> 24 & 0x1F) == 0x1F) count = (tag >> 16 & 0x80) != 0 ? 3 : 2;
    for (uint32_t i = count; i > 0; --i) ASN_PutOctet(buf, static_cast<uint8_t>(tag >> (32 - 8 * i)));
    return count;
}

// Puts the length and the identifier in front of contents already written; returns the element's size.
[[maybe_unused]] uint32_t wrap(BerBuffer& buf, uint32_t contents, BerTag tag) {
    uint32_t size = contents + ASN_EncodeLength(buf, contents);
    return size + putIdentifier(buf, tag);
}

// Reads the components or elements of one value, counting the octets they take.
struct ContentsReader {
    BerBuffer& buf;
    BerLength length;
    BerDecodeContext& ctx;
    BerTag id = 0;
    uint32_t count = 0;

    void next() { id = ASN_DecodeTag(buf, count, ctx); }
    BerLength elementLength() { return ASN_DecodeLength(buf, count, ctx); }
    // An identifier 0 inside an indefinite length opens its end-of-contents; the second octet must be 0.
    bool endOfContents() {
        if (length >= 0 || id != 0) return false;
        uint8_t second = ASN_GetOctet(buf);
        ++count;
        if (second != 0 || buf.readFailed) ctx.raise(kBerBadEndOfContents);
        return true;
    }
    // Where only optional components remain: true when the value ends here.
    bool ends() {
        if (length >= 0 && count == static_cast<uint32_t>(length)) return true;
        next();
        return endOfContents();
    }
    // A list goes on until its definite length is reached or passed, or to its end-of-contents.
    bool more() const { return length < 0 || count < static_cast<uint32_t>(length); }
    // After the last component: the end-of-contents, or a definite length used up exactly.
    void finish(int lengthCode) {
        if (length < 0) {
            ASN_DecodeEndOfContents(buf, count, ctx);
        } else if (count != static_cast<uint32_t>(length)) {
            ctx.raise(lengthCode);
        }
    }
    void commit(uint32_t& counter) const { counter += count; }
};

// Prints the components of a SEQUENCE: separator, indentation and label.
struct ComponentPrinter {
    std::FILE* out;
    uint16_t indent;
    bool first = true;

    void label(const char* text) {
        if (!first) std::fputs(",\n", out);
        first = false;
        ASN_PrintIndent(out, indent);
        std::fputs(text, out);
    }
};

// Every generated list keeps one element pointer per node.
[[maybe_unused]] BerList* newList(BerDecodeContext& ctx) {
    auto* list = ctx.allocRecord<BerList>();
    list->elementSize = sizeof(void*);
    return list;
}

[[maybe_unused]] void prepareList(BerList* list) {
    if (list->elementSize == 0) list->elementSize = sizeof(void*);
}

template <typename T>
T*& slotOf(BerListNode* node) {
    return *static_cast<T**>(ASN_ListSlot(node));
}

template <typename T>
T*& appendSlot(BerList* list, BerDecodeContext& ctx) {
    void* slot = ASN_ListAppend(list);
    if (slot == nullptr) ctx.raise(kBerNoMemory);
    return *static_cast<T**>(slot);
}
"""


def indent_lines(lines, depth=1):
    pad = "    " * depth
    return [pad + line if line else line for line in lines]


def choice_constant(field):
    return "k" + cap_name(field.name if field.name else field.cname)


class UnitEmitter:
    def __init__(self, unit, schema_path):
        self.unit = unit
        self.schema_path = schema_path

    # Names.
    def value_type(self, record):
        return "BerList" if record.is_list else record.cname

    def holding(self, field, place_owner="value"):
        record = field.record
        if record.is_list:
            return Holding(self.unit, field.use, "element", False, "element")
        context = "slot" if record.kind == "CHOICE" else "member"
        return Holding(self.unit, field.use, context, field.optional, f"{place_owner}->{field.cname}")

    def prototypes(self, record):
        name, value = record.cname, self.value_type(record)
        lines = [
            f"uint32_t Encode{name}Content(BerBuffer& buf, {value}* value);",
            f"void Decode{name}Content(BerBuffer& buf, BerTag tag, BerLength length, {value}* value, "
            f"uint32_t& counter, BerDecodeContext& ctx);",
            f"void Print{name}(std::FILE* out, {value}* value, uint16_t indent);",
            f"void Free{name}({value}* value);",
        ]
        if record.whole:
            lines += [
                f"uint32_t Encode{name}(BerBuffer& buf, {value}* value);",
                f"void Decode{name}(BerBuffer& buf, {value}* value, uint32_t& counter, BerDecodeContext& ctx);",
            ]
        return lines

    def whole_value_ctype(self, item):
        if getattr(item, "use", None) is not None and item.cname != "EXTERNAL":
            return Holding(self.unit, item.use, "element", False, "value").value_ctype()
        return "EXTERNAL"

    # Header.
    def header(self):
        unit = self.unit
        lines = [
            "#pragma once",
            f"// Generated by tools/asn1gen from {self.schema_path}; do not edit.",
            "",
            "#include <cstdint>",
            "#include <cstdio>",
            "",
            '#include "toolkit/asn1/ber_any.h"',
            '#include "toolkit/asn1/ber_buffer.h"',
            '#include "toolkit/asn1/ber_decode_context.h"',
            '#include "toolkit/asn1/ber_list.h"',
            '#include "toolkit/asn1/ber_primitives.h"',
            "",
        ]
        foreign = self.foreign_records()
        for namespace in sorted(foreign):
            lines.append(f"namespace {namespace} {{")
            lines += [f"struct {name};" for name in sorted(foreign[namespace])]
            lines += [f"}}  // namespace {namespace}", ""]
        lines.append(f"namespace {unit.namespace} {{")
        lines.append("")
        structs = [record for record in unit.records if not record.is_list]
        lines += [f"struct {record.cname};" for record in structs]
        if structs:
            lines.append("")
        for record in unit.records:
            if record.is_list:
                lines.append(f"using {record.cname} = BerList;")
        for alias in unit.aliases:
            if alias.whole:
                lines.append(f"using {alias.cname} = {self.whole_value_ctype(alias)};")
        lines.append("")
        for record in structs:
            lines += self.struct(record) + [""]
        for record in unit.records:
            lines += self.prototypes(record) + [""]
        for alias in unit.aliases:
            if alias.whole:
                ctype = self.whole_value_ctype(alias)
                lines += [
                    f"uint32_t Encode{alias.cname}(BerBuffer& buf, {ctype}* value);",
                    f"void Decode{alias.cname}(BerBuffer& buf, {ctype}* value, uint32_t& counter, "
                    f"BerDecodeContext& ctx);",
                    "",
                ]
        for whole in unit.wholes:
            ext = unit.qualify("EXTERNAL", EXTERNAL_NAMESPACE)
            lines += [
                f"uint32_t EncodeEXTERNAL(BerBuffer& buf, {ext}* value);",
                f"void DecodeEXTERNAL(BerBuffer& buf, {ext}* value, uint32_t& counter, BerDecodeContext& ctx);",
                "",
            ]
        hooks = self.raw_hooks()
        if hooks:
            lines.append("// Written by hand: nonzero when the ANY defined by the key is kept as its raw element.")
            lines += [f"int {name}({key});" for name, key in hooks] + [""]
        registered = [record for record in unit.records if record.whole]
        if registered:
            lines.append("// The whole-value routines with the registry's signatures.")
            lines.append("namespace any {")
            for record in registered:
                name = record.cname
                lines += [
                    f"uint32_t Encode{name}(BerBuffer& buf, void* value);",
                    f"void Decode{name}(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx);",
                    f"void Free{name}(void* value);",
                    f"void Print{name}(std::FILE* out, void* value, uint16_t indent);",
                ]
            lines += ["}  // namespace any", ""]
        lines.append(f"}}  // namespace {unit.namespace}")
        return "\n".join(lines) + "\n"

    def raw_hooks(self):
        """(name, parameter) of every @raw predicate of the unit, each once, in schema order."""
        hooks = {}
        for record in self.unit.records:
            for field in record.fields:
                if getattr(field, "raw", None) is not None:
                    key = self.raw_key(record, field)
                    hooks.setdefault(field.raw, "BerInteger key" if key.use.kind == "int" else "const BerOid* key")
        return list(hooks.items())

    @staticmethod
    def raw_key(record, field):
        return next(other for other in record.fields if other.name == field.use.defined_by)

    def raw_rule(self, record, field, owner="value"):
        """(test, code) of a raw-kept ANY: the predicate call and the code of a malformed raw element."""
        if field.raw is None:
            return None
        key = self.raw_key(record, field)
        argument = f"{owner}->{key.cname}" if key.use.kind == "int" else f"&{owner}->{key.cname}"
        return f"{field.raw}({argument}) != 0", self.site_code(record, "length")

    def foreign_records(self):
        """Records of other units (and EXTERNAL) that this unit's records point to, by namespace."""
        foreign = {}
        for record in self.unit.records:
            fields = [record.element] if record.is_list else record.fields
            for field in fields:
                use = field.use
                if use.kind == "record" and not use.record.is_list and use.record.unit is not self.unit:
                    foreign.setdefault(use.record.unit.namespace, set()).add(use.record.cname)
        if any(self.uses_external()):
            foreign.setdefault(EXTERNAL_NAMESPACE, set()).add("EXTERNAL")
        return foreign

    def uses_external(self):
        for record in self.unit.records:
            fields = [record.element] if record.is_list else record.fields
            for field in fields:
                if field.use.kind == "external":
                    yield True
        if self.unit.wholes:
            yield True

    def struct(self, record):
        lines = [f"// {record.name or record.cname}: {record.kind}", f"struct {record.cname} {{"]
        if record.kind == "CHOICE":
            for index, field in enumerate(record.fields):
                lines.append(f"    static constexpr int32_t {choice_constant(field)} = {index};")
            lines.append(f"    static constexpr int32_t kAlternatives = {len(record.fields)};")
            lines.append("    int32_t choiceId;")
            lines.append("    union {")
            lines.append("        void* slot;")
            for field in record.fields:
                if field.pending:
                    lines.append(f"        void* {field.cname};  // not generated yet: never selected")
                    continue
                ctype = self.holding(field).member_ctype()
                if ctype is not None:
                    lines.append(f"        {ctype} {field.cname};")
            lines.append("    };")
        else:
            for field in record.fields:
                holding = self.holding(field)
                note = "optional" if field.optional else "mandatory"
                if holding.mode == "none":
                    note += " NULL, no value"
                lines.append(f"    {holding.member_ctype()} {field.cname};  // {note}")
        lines.append("};")
        return lines

    # Source.
    def source(self):
        unit = self.unit
        includes = [f'#include "{unit.header}"', "", "#include <cstdio>", ""]
        extra = {"toolkit/asn1/ber_tag_length.h", "toolkit/util/memory.h"}
        if any(self.uses_external()):
            extra.add(EXTERNAL_HEADER)
        for other in self.referenced_units():
            extra.add(other.header)
        includes += [f'#include "{path}"' for path in sorted(extra)]
        lines = [f"// Generated by tools/asn1gen from {self.schema_path}; do not edit."] + includes + [""]
        lines += [f"namespace {unit.namespace} {{", "namespace {"]
        lines += HELPERS.strip("\n").split("\n")
        lines += ["}  // namespace", ""]
        for record in unit.records:
            lines += self.encoder(record) + [""]
            lines += self.decoder(record) + [""]
            lines += self.printer(record) + [""]
            lines += self.freer(record) + [""]
            if record.whole:
                lines += self.whole_routines(record) + [""]
        for alias in unit.aliases:
            if alias.whole:
                lines += self.alias_whole(alias) + [""]
        for whole in unit.wholes:
            lines += self.external_whole(whole) + [""]
        registered = [record for record in unit.records if record.whole]
        if registered:
            lines.append("namespace any {")
            for record in registered:
                lines += self.any_thunks(record)
            lines += ["}  // namespace any", ""]
        lines.append(f"}}  // namespace {unit.namespace}")
        return "\n".join(lines) + "\n"

    def referenced_units(self):
        seen = {}
        for record in self.unit.records:
            fields = [record.element] if record.is_list else record.fields
            for field in fields:
                if field.use.kind == "record" and field.use.record.unit is not self.unit:
                    seen[field.use.record.unit.path] = field.use.record.unit
        return list(seen.values())

    def site_code(self, record, kind, field=None):
        for site in record.sites:
            if site.kind == kind and (field is None or site.field is field):
                return site.code
        raise AssertionError(f"{record.cname}: no {kind} site")

    # Encoders.
    def encoder(self, record):
        name, value = record.cname, self.value_type(record)
        lines = [f"uint32_t Encode{name}Content(BerBuffer& buf, {value}* value) {{",
                 "    if (value == nullptr) return 0;"]
        if record.is_list:
            holding = self.holding(record.element)
            lines += [
                "    uint32_t total = 0;",
                "    for (BerListNode* node = value->last; node != nullptr; node = node->prev) {",
                f"        auto* element = slotOf<{holding.value_ctype()}>(node);",
                "        if (element == nullptr) break;",
                f"        total += {holding.element_encoder()};",
                "    }",
                "    return total;",
            ]
        elif record.kind == "CHOICE":
            lines.append("    switch (value->choiceId) {")
            for field in record.fields:
                if field.pending:
                    continue
                holding = self.holding(field)
                lines += [f"        case {name}::{choice_constant(field)}:",
                          f"            return {holding.element_encoder()};"]
            lines += ["        default:", "            return 0;", "    }"]
        else:
            lines.append("    uint32_t total = 0;")
            for field in reversed(record.fields):
                holding = self.holding(field)
                present = field.optional and holding.mode == "pointer"
                # A raw-kept ANY is written as it is held: bound through its entry, raw as its octets.
                bind = None if field.raw is not None else self.any_binding(record, field)
                statement = f"total += {holding.element_encoder(bind, present)};"
                if field.optional:
                    lines.append(f"    if ({holding.presence()}) {statement}")
                else:
                    lines.append(f"    {statement}")
            lines.append("    return total;")
        lines.append("}")
        return lines

    def any_binding(self, record, field, owner="value"):
        if field.use.kind != "any":
            return None
        source = next(other for other in record.fields if other.name == field.use.defined_by)
        if source.use.kind == "oid":
            return f"ASN_BindAnyByOid(&{owner}->{field.cname}, &{owner}->{source.cname})"
        return f"ASN_BindAnyByInt(&{owner}->{field.cname}, {owner}->{source.cname})"

    # Decoders.
    def decoder_head(self, record, uses_tag):
        value = self.value_type(record)
        tag = "tag" if uses_tag else "/*tag*/"
        return [f"void Decode{record.cname}Content(BerBuffer& buf, BerTag {tag}, BerLength length, {value}* value, "
                f"uint32_t& counter, BerDecodeContext& ctx) {{"]

    def decoder(self, record):
        if record.is_list:
            return self.list_decoder(record)
        if record.kind == "CHOICE":
            return self.choice_decoder(record)
        return self.sequence_decoder(record)

    def list_decoder(self, record):
        holding = self.holding(record.element)
        lines = self.decoder_head(record, False)
        lines += [
            "    BerNestingGuard nesting(ctx);",
            "    prepareList(value);",
            "    ContentsReader in{buf, length, ctx};",
            "    while (in.more()) {",
            "        in.next();",
            "        if (in.endOfContents()) break;",
        ]
        accepts = holding.use.ident_accepts()
        if holding.use.ident is not None:
            code = self.site_code(record, "element")
            lines.append(f"        if (!({accept_test(accepts, 'in.id')})) ctx.raise({code});")
        lines += [
            "        BerLength itemLength = in.elementLength();",
            f"        auto*& element = appendSlot<{holding.value_ctype()}>(value, ctx);",
        ]
        lines += indent_lines(holding.decode_contents("in.id", "itemLength", "in.count"), 2)
        lines += ["    }", "    in.commit(counter);", "}"]
        return lines

    def choice_decoder(self, record):
        name = record.cname
        lines = self.decoder_head(record, True)
        lines.append("    switch (tag) {")
        for field in record.fields:
            if field.pending:
                continue
            holding = self.holding(field)
            for value in holding.use.outer_accepts():
                lines.append(f"        case {tags.tag_literal(value)}:")
            inner_code = self.site_code(record, "inner", field) if field.use.inner_checked else None
            body = [f"value->choiceId = {name}::{choice_constant(field)};"]
            body += holding.decode_element("tag", "length", "counter", inner_code)
            body.append("return;")
            lines += indent_lines(body, 3)
        lines += [
            "        default:",
            f"            value->choiceId = {name}::kAlternatives;",
            f"            ctx.raise({self.site_code(record, 'unknown')});",
            "    }",
            "}",
        ]
        return lines

    def sequence_decoder(self, record):
        fields = record.fields
        lines = self.decoder_head(record, False)
        lines += ["    BerNestingGuard nesting(ctx);", "    ContentsReader in{buf, length, ctx};"]
        if all(field.optional for field in fields):
            lines.append("    if (in.ends()) return in.commit(counter);")
        else:
            lines.append("    in.next();")
        last = len(fields) - 1
        for index, field in enumerate(fields):
            holding = self.holding(field)
            test = accept_test(field.use.outer_accepts(), "in.id")
            inner_code = self.site_code(record, "inner", field) if field.use.inner_checked else None
            body = ["BerLength itemLength = in.elementLength();"]
            body += holding.decode_element("in.id", "itemLength", "in.count", inner_code,
                                           self.any_binding(record, field), self.raw_rule(record, field))
            if index == last:
                body += [f"in.finish({self.site_code(record, 'length')});", "return in.commit(counter);"]
            elif all(later.optional for later in fields[index + 1:]):
                body.append("if (in.ends()) return in.commit(counter);")
            else:
                body.append("in.next();")
            lines.append(f"    // {field.name}")
            if field.optional:
                lines.append(f"    if ({test}) {{")
            else:
                lines.append(f"    if (!({test})) ctx.raise({self.site_code(record, 'missing', field)});")
                lines.append("    {")
            lines += indent_lines(body, 2) + ["    }"]
        if fields[-1].optional:
            lines.append(f"    ctx.raise({self.site_code(record, 'end')});")
        lines.append("}")
        return lines

    # Printers.
    def printer(self, record):
        name, value = record.cname, self.value_type(record)
        head = f"void Print{name}(std::FILE* out, {value}* value, uint16_t indent) {{"
        lines = [head, "    if (value == nullptr) return;"]
        if record.is_list:
            holding = self.holding(record.element)
            title = "SET OF" if record.kind == "SET OF" else "SEQUENCE OF"
            lines += [
                "    const auto inner = static_cast<uint16_t>(indent + kBerIndentStep);",
                f'    std::fputs("{{ -- {title} -- \\n", out);',
                "    bool first = true;",
                "    for (BerListNode* node = value->first; node != nullptr; node = node->next) {",
                f"        auto* element = slotOf<{holding.value_ctype()}>(node);",
                "        if (element == nullptr) break;",
                '        if (!first) std::fputs(",\\n", out);',
                "        first = false;",
                "        ASN_PrintIndent(out, inner);",
                f"        {holding.print_value('inner')}",
                "    }",
            ]
        elif record.kind == "CHOICE":
            body = []
            needs_inner = False
            for field in record.fields:
                if field.pending:
                    continue
                holding = self.holding(field)
                statement = holding.print_value("inner")
                needs_inner |= ", inner)" in statement
                body.append(f"        case {name}::{choice_constant(field)}:")
                if not field.unlabelled:
                    body.append(f'            std::fputs("{field.label}", out);')
                body += [f"            {statement}", "            break;"]
            if needs_inner:
                lines.append("    const auto inner = static_cast<uint16_t>(indent + kBerIndentStep);")
            else:
                lines[0] = head.replace("uint16_t indent", "uint16_t /*indent*/")
            lines += ["    switch (value->choiceId) {"] + body + ["        default:", "            break;", "    }", "}"]
            return lines
        else:
            lines += ["    ComponentPrinter printer{out, static_cast<uint16_t>(indent + kBerIndentStep)};",
                      '    std::fputs("{ -- SEQUENCE --\\n", out);']
            for field in record.fields:
                holding = self.holding(field)
                label = "" if field.unlabelled else field.label
                checked = field.optional or holding.mode == "pointer"
                statements = [f'printer.label("{label}");', holding.print_value("printer.indent", checked)]
                if checked:
                    lines.append(f"    if ({holding.presence()}) {{")
                    lines += indent_lines(statements, 2) + ["    }"]
                else:
                    lines += indent_lines(statements, 1)
        lines += ['    std::fputs("\\n", out);', "    ASN_PrintIndent(out, indent);", '    std::fputs("}", out);', "}"]
        return lines

    # Free routines.
    def freer(self, record):
        name, value = record.cname, self.value_type(record)
        if record.is_list:
            holding = self.holding(record.element)
            return [
                f"void Free{name}({value}* value) {{",
                "    if (value == nullptr) return;",
                "    BerListNode* node = value->first;",
                "    while (node != nullptr) {",
                "        BerListNode* next = node->next;",
                f"        auto*& element = slotOf<{holding.value_ctype()}>(node);",
            ] + indent_lines(holding.release(), 2) + [
                "        MemFree(node);",
                "        node = next;",
                "    }",
                "    value->first = nullptr;",
                "    value->last = nullptr;",
                "    value->current = nullptr;",
                "    value->count = 0;",
                "}",
            ]
        if record.kind == "CHOICE":
            body = []
            for field in record.fields:
                if field.pending:
                    continue
                release = self.holding(field).release()
                if release:
                    body += [f"        case {name}::{choice_constant(field)}:"]
                    body += indent_lines(release, 3) + ["            break;"]
            if not body:
                return [f"void Free{name}({value}* /*value*/) {{}}"]
            return [f"void Free{name}({value}* value) {{", "    if (value == nullptr) return;",
                    "    switch (value->choiceId) {"] + body + [
                "        default:", "            break;", "    }", "}"]
        body = []
        for field in record.fields:
            body += self.holding(field).release()
        if not body:
            return [f"void Free{name}({value}* /*value*/) {{}}"]
        return [f"void Free{name}({value}* value) {{", "    if (value == nullptr) return;"] + indent_lines(body) + ["}"]

    # Whole-value routines.
    def whole_routines(self, record):
        name, value = record.cname, self.value_type(record)
        ident = record.own_use.ident
        if ident is None:
            return [
                f"uint32_t Encode{name}(BerBuffer& buf, {value}* value) {{ return Encode{name}Content(buf, value); }}",
                "",
                f"void Decode{name}(BerBuffer& buf, {value}* value, uint32_t& counter, BerDecodeContext& ctx) {{",
                "    BerTag tag = ASN_DecodeTag(buf, counter, ctx);",
                "    BerLength length = ASN_DecodeLength(buf, counter, ctx);",
                f"    Decode{name}Content(buf, tag, length, value, counter, ctx);",
                "}",
            ]
        written = tags.tag_literal(record.own_use.ident_written())
        return [
            f"uint32_t Encode{name}(BerBuffer& buf, {value}* value) {{",
            f"    return wrap(buf, Encode{name}Content(buf, value), {written});",
            "}",
            "",
        ] + self.checked_decoder(name, value, record.own_use.ident_accepts(), self.site_code(record, "whole"),
                                 f"Decode{name}Content(buf, tag, length, value, counter, ctx);")

    def checked_decoder(self, name, value, accepts, code, call):
        return [
            f"void Decode{name}(BerBuffer& buf, {value}* value, uint32_t& counter, BerDecodeContext& ctx) {{",
            "    BerTag tag = ASN_DecodeTag(buf, counter, ctx);",
            f"    if (!({accept_test(accepts, 'tag')})) ctx.raise({code});",
            "    BerLength length = ASN_DecodeLength(buf, counter, ctx);",
            f"    {call}",
            "}",
        ]

    def alias_whole(self, alias):
        holding = Holding(self.unit, alias.use, "element", False, "value")
        ctype = holding.value_ctype()
        name = alias.cname
        lines = [
            f"uint32_t Encode{name}(BerBuffer& buf, {ctype}* value) {{",
            f"    return {holding.element_encoder()};",
            "}",
            "",
        ]
        decode = [line for line in holding.decode_contents("tag", "length", "counter") if "allocRecord" not in line
                  and "newList" not in line]
        return lines + self.checked_decoder(name, ctype, alias.use.ident_accepts(), alias.sites[0].code,
                                            decode[0])

    def external_whole(self, whole):
        ext = self.unit.qualify("EXTERNAL", EXTERNAL_NAMESPACE)
        written = tags.tag_literal(tags.tag_value("UNIVERSAL", 8, True))
        return [
            f"uint32_t EncodeEXTERNAL(BerBuffer& buf, {ext}* value) {{",
            f"    return wrap(buf, value != nullptr ? EncodeEXTERNALContent(buf, value) : 0, {written});",
            "}",
            "",
        ] + self.checked_decoder("EXTERNAL", ext, [tags.tag_value("UNIVERSAL", 8, True)], whole.sites[0].code,
                                 "DecodeEXTERNALContent(buf, tag, length, value, counter, ctx);")

    def any_thunks(self, record):
        name, value = record.cname, self.value_type(record)
        scope = f"::{self.unit.namespace}"
        return [
            f"uint32_t Encode{name}(BerBuffer& buf, void* value) {{",
            f"    return {scope}::Encode{name}(buf, static_cast<{value}*>(value));",
            "}",
            f"void Decode{name}(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx) {{",
            f"    {scope}::Decode{name}(buf, static_cast<{value}*>(value), counter, ctx);",
            "}",
            f"void Free{name}(void* value) {{ {scope}::Free{name}(static_cast<{value}*>(value)); }}",
            f"void Print{name}(std::FILE* out, void* value, uint16_t indent) {{",
            f"    {scope}::Print{name}(out, static_cast<{value}*>(value), indent);",
            "}",
        ]
