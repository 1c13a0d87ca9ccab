"""The parsed form of a schema file: assignments, components, tags and annotations as written."""

# Builtin types held as BerOctets, with their universal tag numbers.
STRING_TYPES = {
    "OCTET STRING": 4,
    "ObjectDescriptor": 7,
    "UTF8String": 12,
    "NumericString": 18,
    "PrintableString": 19,
    "TeletexString": 20,
    "T61String": 20,
    "VideotexString": 21,
    "IA5String": 22,
    "UTCTime": 23,
    "GeneralizedTime": 24,
    "GraphicString": 25,
    "VisibleString": 26,
    "ISO646String": 26,
    "GeneralString": 27,
    "InternationalString": 27,
}

# Builtin types with a fixed representation, and their universal tag numbers.
SIMPLE_TYPES = {
    "BOOLEAN": 1,
    "INTEGER": 2,
    "BIT STRING": 3,
    "NULL": 5,
    "OBJECT IDENTIFIER": 6,
    "EXTERNAL": 8,
    "REAL": 9,
    "ENUMERATED": 10,
}

STRUCTURED = ("SEQUENCE", "SET", "CHOICE", "SEQUENCE OF", "SET OF")


class Tag:
    def __init__(self, cls, number, mode, where):
        self.cls = cls  # UNIVERSAL, APPLICATION, CONTEXT, PRIVATE
        self.number = number
        self.mode = mode  # None (module default), IMPLICIT or EXPLICIT
        self.where = where

    def __repr__(self):
        return f"[{self.cls} {self.number}] {self.mode or ''}"


class Annotation:
    def __init__(self, name, args, where):
        self.name = name
        self.args = args  # list of numbers, strings, names or (name, number) pairs
        self.where = where


class TypeNode:
    def __init__(self, where):
        self.where = where
        self.tag = None
        self.annotations = {}
        self.base = None  # a key of STRING_TYPES or SIMPLE_TYPES, a STRUCTURED kind, ANY or REF
        self.components = []  # SEQUENCE, SET, CHOICE
        self.element = None  # SEQUENCE OF, SET OF
        self.ref = None  # REF: the referenced type's name
        self.defined_by = None  # ANY DEFINED BY: the component that names the type
        # Filled by the resolver:
        self.record = None  # the Record a structured node defines

    def annotation(self, name):
        return self.annotations.get(name)


class Component:
    def __init__(self, name, type_node, optional, annotations, where):
        self.name = name  # None for an unnamed CHOICE alternative
        self.type = type_node
        self.optional = optional
        self.annotations = annotations
        self.where = where


class Assignment:
    def __init__(self, name, type_node, where):
        self.name = name
        self.type = type_node
        self.where = where


class WholeDirective:
    """whole NAME @code(...): whole-value routines for a type defined elsewhere (EXTERNAL)."""

    def __init__(self, name, annotations, where):
        self.name = name
        self.annotations = annotations
        self.where = where


class SchemaFile:
    def __init__(self, path):
        self.path = path
        self.namespace = None
        self.tags = None
        self.codes = None  # (first, last): first is the highest number, e.g. (-100, -266)
        self.unraised = []
        self.reserved = []
        self.incomplete = False
        self.imports = []  # (path as written, Where)
        self.includes = []
        self.wholes = []
        self.assignments = []
        self.directive_where = {}
