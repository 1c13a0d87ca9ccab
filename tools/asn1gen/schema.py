"""Loading schema units and resolving their types: records, fields, identifiers and checks."""

import os

import tags
from errors import SchemaError, Where
from parser import parse_path
from syntax import SIMPLE_TYPES, STRING_TYPES, STRUCTURED

CPP_KEYWORDS = {
    "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
    "char", "class", "compl", "concept", "const", "consteval", "constexpr", "constinit", "const_cast",
    "continue", "co_await", "co_return", "co_yield", "decltype", "default", "delete", "do", "double",
    "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for", "friend", "goto",
    "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq", "nullptr",
    "operator", "or", "or_eq", "private", "protected", "public", "register", "reinterpret_cast", "requires",
    "return", "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct", "switch",
    "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename", "union",
    "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq",
}

TYPE_ANNOTATIONS = {"code", "codes", "name", "whole"}
COMPONENT_ANNOTATIONS = {"label", "unlabelled", "constructed", "primitive", "pending", "raw"}

EXTERNAL_NAMESPACE = "codec::z3950"
EXTERNAL_HEADER = "toolkit/codec/z3950/external.h"

_SIMPLE_KINDS = {
    "BOOLEAN": "bool",
    "INTEGER": "int",
    "ENUMERATED": "int",
    "BIT STRING": "bits",
    "NULL": "null",
    "OBJECT IDENTIFIER": "oid",
    "EXTERNAL": "external",
    "REAL": "real",
}


def cap_name(name):
    """Holder-naming form of a component name: 'type-SQL' -> 'TypeSQL', 'rpnRpnOp' -> 'RpnRpnOp'."""
    return "".join(part[:1].upper() + part[1:] for part in name.split("-"))


def type_cname(name):
    """C++ name of an ASN.1 type name: hyphens dropped ('Explain-Record' -> 'ExplainRecord')."""
    return name.replace("-", "")


def field_cname(name):
    cname = name.replace("-", "_")
    return cname + "_" if cname in CPP_KEYWORDS else cname


def lower_camel(words):
    parts = words.replace("-", " ").split()
    text = "".join(part[:1].upper() + part[1:].lower() if part.isupper() else part[:1].upper() + part[1:]
                   for part in parts)
    return text[:1].lower() + text[1:]


class Use:
    """How a value stands at one place: its identifier, an EXPLICIT wrapper, and how it is held."""

    def __init__(self, kind, ident=None, record=None, string_forms=False, base_name=None):
        self.kind = kind  # int bool null real octets bits oid record external any pending
        self.ident = ident  # (class, number, constructed) of the element itself; None: untagged CHOICE, ANY
        self.explicit = None  # (class, number) of an EXPLICIT wrapper
        self.record = record
        self.string_forms = string_forms  # the constructed form is accepted too
        self.primitive_only = False
        self.base_name = base_name  # builtin type name, for naming unnamed alternatives
        self.defined_by = None

    def copy(self):
        other = Use(self.kind, self.ident, self.record, self.string_forms, self.base_name)
        other.explicit = self.explicit
        other.primitive_only = self.primitive_only
        other.defined_by = self.defined_by
        return other

    @property
    def is_list(self):
        return self.kind == "record" and self.record.is_list

    @property
    def is_choice(self):
        return self.kind == "record" and self.record.kind == "CHOICE"

    def ident_accepts(self):
        """Identifiers the element itself is taken with; None when it cannot be tested (ANY)."""
        if self.ident is None:
            if self.is_choice:
                return self.record.alternative_accepts()
            return None
        cls, number, constructed = self.ident
        values = [tags.tag_value(cls, number, constructed)]
        if self.string_forms and not self.primitive_only and not constructed:
            values.append(tags.tag_value(cls, number, True))
        return values

    def outer_accepts(self):
        if self.explicit is not None:
            return [tags.tag_value(self.explicit[0], self.explicit[1], True)]
        return self.ident_accepts()

    def ident_written(self):
        if self.ident is None:
            return None
        return tags.tag_value(*self.ident)

    def explicit_written(self):
        return tags.tag_value(self.explicit[0], self.explicit[1], True)

    @property
    def inner_checked(self):
        """An EXPLICIT wrapper whose inner identifier the holder tests."""
        return self.explicit is not None and self.ident is not None


class Field:
    """A component of a SEQUENCE or SET, an alternative of a CHOICE, or the element of a list."""

    def __init__(self, record, component, index):
        self.record = record
        self.component = component
        self.index = index
        self.name = component.name if component is not None else None
        self.optional = component.optional if component is not None else False
        self.where = component.where if component is not None else record.where
        annotations = component.annotations if component is not None else {}
        for name, annotation in annotations.items():
            if name not in COMPONENT_ANNOTATIONS:
                raise SchemaError(annotation.where, f"@{name} does not apply to a component")
        self.pending = "pending" in annotations
        self.unlabelled = "unlabelled" in annotations or (component is not None and component.name is None)
        self.label = None
        if "label" in annotations:
            args = annotations["label"].args
            if len(args) != 1 or not isinstance(args[0], str):
                raise SchemaError(annotations["label"].where, '@label takes one text, e.g. @label("datbaseSpecific ")')
            self.label = args[0]
        elif self.name is not None:
            self.label = self.name + " "
        self.constructed = "constructed" in annotations
        self.primitive = "primitive" in annotations
        self.raw = None  # @raw(predicate): the ANY is kept raw where predicate(key) is nonzero
        if "raw" in annotations:
            args = annotations["raw"].args
            if len(args) != 1 or not isinstance(args[0], str) or not args[0].isidentifier():
                raise SchemaError(annotations["raw"].where, "@raw takes one routine name, e.g. @raw(KeepsRaw)")
            self.raw = args[0]
        self.use = None
        self.cname = None


class Record:
    """A structured type that gets a record and the four routines."""

    def __init__(self, name, cname, node, unit, holder):
        self.name = name
        self.cname = cname
        self.node = node
        self.kind = node.base
        self.unit = unit
        self.holder = holder
        self.where = node.where
        self.fields = []
        self.element = None
        self.whole = "whole" in node.annotations
        self.sites = []
        self.own_use = None

    @property
    def is_list(self):
        return self.kind in ("SEQUENCE OF", "SET OF")

    def bare_ident(self):
        if self.kind in ("SEQUENCE", "SEQUENCE OF"):
            return ("UNIVERSAL", 16, True)
        if self.kind in ("SET", "SET OF"):
            return ("UNIVERSAL", 17, True)
        return None

    def alternative_accepts(self):
        values = []
        for field in self.fields:
            if not field.pending:
                values.extend(field.use.outer_accepts() or [])
        return values

    @property
    def test_tag(self):
        """Identifier a value of the type stands under by itself; None for an untagged CHOICE."""
        return self.own_use.ident_written() if self.own_use.ident is not None else None


class Alias:
    """A named type that is not structured: a builtin, a tagged builtin or another name."""

    def __init__(self, name, node, unit, where):
        self.name = name
        self.node = node
        self.unit = unit
        self.where = where
        self.whole = "whole" in node.annotations
        self.cname = type_cname(name)
        self.sites = []
        self.use = None


class WholeExternal:
    """Whole-value routines of the hand-written EXTERNAL, generated into a unit."""

    def __init__(self, directive, unit):
        self.name = directive.name
        self.cname = "EXTERNAL"
        self.where = directive.where
        self.annotations = directive.annotations
        self.unit = unit
        self.sites = []


class Unit:
    """One generated file: a schema file with the files it includes."""

    def __init__(self, schema, path):
        self.schema = schema
        self.path = path
        self.stem = os.path.splitext(os.path.basename(path))[0]
        self.files = []
        self.namespace = None
        self.tags = None
        self.codes = None
        self.unraised = []
        self.reserved = []
        self.incomplete = False
        self.imports = []
        self.records = []
        self.aliases = []
        self.wholes = []
        self.names = {}
        self.where = Where(path, 1)

    @property
    def header(self):
        return self.schema.include_path(self.path, ".h")

    def qualify(self, cname, namespace):
        return cname if namespace == self.namespace else f"{namespace}::{cname}"


class Schema:
    """Every unit reachable from the requested one, parsed once."""

    def __init__(self, root):
        self.root = os.path.abspath(root)
        self.units = {}

    def include_path(self, path, extension):
        relative = os.path.relpath(os.path.abspath(path), self.root)
        return os.path.splitext(relative)[0].replace(os.sep, "/") + extension

    def read_files(self):
        return sorted({schema_file.path for unit in self.units.values() for schema_file in unit.files})

    def load(self, path):
        key = os.path.abspath(path)
        if key in self.units:
            return self.units[key]
        unit = Unit(self, path)
        self.units[key] = unit
        main = parse_path(path)
        unit.files.append(main)
        self._collect_includes(unit, main, {key})
        if main.namespace is None:
            raise SchemaError(Where(path, 1), "the schema needs a 'namespace' line")
        if main.tags is None:
            raise SchemaError(Where(path, 1), "the schema needs a 'tags EXPLICIT' or 'tags IMPLICIT' line")
        unit.namespace = main.namespace
        unit.tags = main.tags
        unit.codes = main.codes
        unit.unraised = main.unraised
        unit.reserved = main.reserved
        unit.incomplete = main.incomplete
        unit.where = main.directive_where.get("codes", Where(path, 1))
        unit.unraised_where = main.directive_where.get("unraised", unit.where)
        for schema_file in unit.files:
            for target, where in schema_file.imports:
                target_path = os.path.join(os.path.dirname(schema_file.path), target)
                if not os.path.exists(target_path):
                    raise SchemaError(where, f"no schema file {target!r}")
                unit.imports.append(self.load(target_path))
        for schema_file in unit.files:
            for assignment in schema_file.assignments:
                self._define(unit, assignment)
            for directive in schema_file.wholes:
                if directive.name != "EXTERNAL":
                    raise SchemaError(directive.where, "'whole' applies to EXTERNAL only; annotate other types")
                unit.wholes.append(WholeExternal(directive, unit))
        return unit

    def _collect_includes(self, unit, schema_file, seen):
        for target, where in schema_file.includes:
            target_path = os.path.join(os.path.dirname(schema_file.path), target)
            key = os.path.abspath(target_path)
            if key in seen:
                raise SchemaError(where, f"{target!r} is included twice")
            if not os.path.exists(target_path):
                raise SchemaError(where, f"no schema file {target!r}")
            seen.add(key)
            included = parse_path(target_path)
            for word, word_where in included.directive_where.items():
                if word not in ("import", "include"):
                    raise SchemaError(word_where, f"'{word}' belongs in the unit's main schema file")
            unit.files.append(included)
            self._collect_includes(unit, included, seen)

    # Definitions.
    def _define(self, unit, assignment):
        if assignment.name in unit.names:
            first = unit.names[assignment.name]
            raise SchemaError(assignment.where, f"{assignment.name} is defined twice (first at {first.where})")
        node = assignment.type
        if node.base in STRUCTURED:
            record = self._new_record(unit, assignment.name, type_cname(assignment.name), node, None)
            unit.names[assignment.name] = record
        else:
            for name, annotation in node.annotations.items():
                if name not in ("whole", "code", "codes"):
                    raise SchemaError(annotation.where, f"@{name} does not apply to {assignment.name}")
            node.unit = unit
            alias = Alias(assignment.name, node, unit, assignment.where)
            unit.names[assignment.name] = alias
            unit.aliases.append(alias)

    def _new_record(self, unit, name, cname, node, holder):
        for annotation_name, annotation in node.annotations.items():
            if annotation_name not in TYPE_ANNOTATIONS:
                raise SchemaError(annotation.where, f"@{annotation_name} does not apply to a type")
        if "name" in node.annotations:
            annotation = node.annotations["name"]
            if holder is None:
                raise SchemaError(annotation.where, "@name applies to inline types; a named type keeps its name")
            if len(annotation.args) != 1 or not isinstance(annotation.args[0], str):
                raise SchemaError(annotation.where, "@name takes one type name, e.g. @name(DiagFormatTooMany)")
            cname = annotation.args[0]
        if holder is not None and "whole" in node.annotations:
            raise SchemaError(node.annotations["whole"].where, "@whole applies to named types only")
        record = Record(name, cname, node, unit, holder)
        node.record = record
        node.unit = unit
        unit.records.append(record)
        if record.is_list:
            record.element = Field(record, None, 0)
            record.element.node = node.element
            self._define_inline(unit, record, node.element, cname + "Item")
        else:
            names = set()
            for index, component in enumerate(node.components):
                field = Field(record, component, index)
                field.node = component.type
                if component.name is not None:
                    if component.name in names:
                        raise SchemaError(component.where, f"component {component.name} given twice")
                    names.add(component.name)
                if field.pending:
                    if record.kind != "CHOICE":
                        raise SchemaError(component.where, "@pending applies to CHOICE alternatives only")
                else:
                    inline = cname + cap_name(component.name) if component.name else None
                    self._define_inline(unit, record, component.type, inline)
                record.fields.append(field)
        return record

    def _define_inline(self, unit, holder, node, default_name):
        node.unit = unit
        if node.base in STRUCTURED:
            if default_name is None and "name" not in node.annotations:
                raise SchemaError(node.where, "an unnamed inline type needs @name(...)")
            self._new_record(unit, None, default_name, node, holder)
        elif node.base == "REF" or node.base == "ANY" or node.base in STRING_TYPES or node.base in SIMPLE_TYPES:
            for name, annotation in node.annotations.items():
                raise SchemaError(annotation.where, f"@{name} applies to SEQUENCE, SET, CHOICE and list types")

    # Lookup and resolution.
    def lookup(self, unit, name, where):
        if name in unit.names:
            return unit.names[name]
        found = [other.names[name] for other in unit.imports if name in other.names]
        if not found:
            raise SchemaError(where, f"unknown type {name}")
        if len({id(item) for item in found}) > 1:
            raise SchemaError(where, f"{name} is defined in more than one imported schema")
        return found[0]

    def use_of(self, node, visiting=()):
        cached = getattr(node, "use_cache", None)
        if cached is not None:
            return cached
        unit = node.unit
        if node.base in STRUCTURED:
            inner = Use("record", node.record.bare_ident(), node.record)
        elif node.base in STRING_TYPES:
            inner = Use("octets", ("UNIVERSAL", STRING_TYPES[node.base], False), string_forms=True,
                        base_name=node.base)
        elif node.base in SIMPLE_TYPES:
            kind = _SIMPLE_KINDS[node.base]
            constructed = kind == "external"
            inner = Use(kind, ("UNIVERSAL", SIMPLE_TYPES[node.base], constructed), string_forms=kind == "bits",
                        base_name=node.base)
        elif node.base == "ANY":
            inner = Use("any", base_name="ANY")
            inner.defined_by = node.defined_by
        else:
            target = self.lookup(unit, node.ref, node.where)
            if id(target) in visiting:
                raise SchemaError(node.where, f"{node.ref} is defined through itself")
            inner = self.use_of(target.node, visiting + (id(target),)).copy()
        use = self._apply_tag(node, inner)
        node.use_cache = use
        return use

    def _apply_tag(self, node, inner):
        tag = node.tag
        if tag is None:
            return inner
        if tag.number > tags.MAX_TAG_NUMBER:
            raise SchemaError(tag.where, f"tag number {tag.number} is above {tags.MAX_TAG_NUMBER}")
        mode = tag.mode or node.unit.tags
        if inner.ident is None:
            if tag.mode == "IMPLICIT":
                raise SchemaError(tag.where, "a CHOICE or ANY cannot be tagged IMPLICIT")
            mode = "EXPLICIT"
        use = inner.copy()
        if mode == "IMPLICIT":
            if inner.explicit is not None:
                use.explicit = (tag.cls, tag.number)
            else:
                use.ident = (tag.cls, tag.number, inner.ident[2])
        else:
            if inner.explicit is not None:
                raise SchemaError(tag.where, "an EXPLICIT tag around an EXPLICIT tag is not supported")
            use.explicit = (tag.cls, tag.number)
        return use

    # Whole-schema checks and field resolution.
    def resolve(self):
        """Resolves every loaded unit, then checks them; imported units are checked like the main one."""
        for unit in self.units.values():
            self._resolve_unit(unit)
        for unit in self.units.values():
            for record in unit.records:
                if record.kind == "CHOICE":
                    self._check_choice(record)
                elif not record.is_list:
                    self._check_sequence(record)
        self._check_names()

    def _resolve_unit(self, unit):
        for alias in unit.aliases:
            alias.use = self.use_of(alias.node)
            if alias.whole and (alias.use.explicit is not None or alias.use.ident is None):
                raise SchemaError(alias.where, "@whole needs a type with one identifier of its own")
        for record in unit.records:
            record.own_use = self.use_of(record.node)
            if record.whole and record.own_use.explicit is not None:
                raise SchemaError(record.where, "@whole on an EXPLICIT-tagged type is not supported")
            fields = [record.element] if record.is_list else record.fields
            for field in fields:
                self._resolve_field(record, field)

    def _resolve_field(self, record, field):
        if field.pending:
            field.use = Use("pending")
            field.cname = field_cname(field.name)
            return
        use = self.use_of(field.node).copy()
        if field.constructed:
            use.string_forms = True
        if field.primitive:
            use.primitive_only = True
        field.use = use
        if record.is_list:
            if use.explicit is not None:
                raise SchemaError(field.where, "an EXPLICIT tag on a list element is not supported")
            if use.kind in ("null", "any", "pending"):
                raise SchemaError(field.where, f"a list of {use.base_name} is not supported")
            return
        if field.name is not None:
            field.cname = field_cname(field.name)
        else:
            field.cname = lower_camel(use.base_name or use.record.cname)
        if use.kind == "any":
            self._check_any(record, field)
        elif field.raw is not None:
            raise SchemaError(field.where, "@raw applies to an ANY")

    def _check_any(self, record, field):
        use = field.use
        if use.defined_by is None:
            raise SchemaError(field.where, "an ANY needs DEFINED BY the component that names its type")
        if record.kind not in ("SEQUENCE", "SET"):
            raise SchemaError(field.where, "ANY DEFINED BY stands in a SEQUENCE or SET")
        earlier = {other.name: other for other in record.fields[: field.index]}
        source = earlier.get(use.defined_by)
        # A raw-kept ANY may follow an optional OBJECT IDENTIFIER: an absent one is its predicate's case.
        optional_allowed = field.raw is not None and source is not None and source.use.kind == "oid"
        if source is None or source.use.kind not in ("oid", "int") or (source.optional and not optional_allowed):
            raise SchemaError(field.where,
                              f"{use.defined_by} must be an earlier mandatory OBJECT IDENTIFIER or INTEGER")
        if field.raw is not None and use.explicit is None:
            raise SchemaError(field.where, "@raw needs the ANY tagged, so that its raw element has a bound")

    def _check_choice(self, record):
        seen = {}
        for field in record.fields:
            if field.pending:
                continue
            accepts = field.use.outer_accepts()
            if accepts is None:
                raise SchemaError(field.where, "an untagged ANY cannot be a CHOICE alternative")
            for value in accepts:
                if value in seen:
                    raise SchemaError(field.where, f"identifier {tags.tag_text(value)} also selects "
                                                   f"{seen[value].name or seen[value].cname}")
                seen[value] = field

    def _check_sequence(self, record):
        fields = record.fields
        for index, field in enumerate(fields):
            accepts = field.use.outer_accepts()
            if accepts is None:
                if field.use.explicit is None:
                    raise SchemaError(field.where, "an untagged ANY cannot be told from its neighbours")
                continue
            if not field.optional:
                continue
            for later in fields[index + 1:]:
                clash = set(accepts) & set(later.use.outer_accepts() or [])
                if clash:
                    raise SchemaError(later.where, f"identifier {tags.tag_text(min(clash))} is taken by the "
                                                   f"optional {field.name} before {later.name}")
                if not later.optional:
                    break

    def _check_names(self):
        seen = {}
        for unit in self.units.values():
            for item in list(unit.records) + [alias for alias in unit.aliases if alias.whole]:
                key = (unit.namespace, item.cname)
                if key in seen and seen[key] is not item:
                    raise SchemaError(item.where, f"{unit.namespace}::{item.cname} is also defined at "
                                                  f"{seen[key].where}")
                seen[key] = item
