"""Parser of the schema notation (see README.md)."""

from errors import SchemaError
from lexer import tokenize
from syntax import (
    STRING_TYPES,
    SIMPLE_TYPES,
    Annotation,
    Assignment,
    Component,
    SchemaFile,
    Tag,
    TypeNode,
    WholeDirective,
)

_TWO_WORD = {("OCTET", "STRING"), ("BIT", "STRING"), ("OBJECT", "IDENTIFIER")}
_DIRECTIVES = {"namespace", "tags", "codes", "unraised", "reserved", "incomplete", "import", "include", "whole"}


class Parser:
    def __init__(self, text, path):
        self.path = path
        self.tokens = tokenize(text, path)
        self.pos = 0

    # Token access.
    def peek(self, offset=0):
        return self.tokens[min(self.pos + offset, len(self.tokens) - 1)]

    def take(self):
        token = self.tokens[self.pos]
        self.pos += 1
        return token

    def at(self, text, offset=0):
        token = self.peek(offset)
        return token.kind in ("punct", "name", "assign", "scope") and token.text == text

    def expect(self, text):
        token = self.take()
        if token.text != text or token.kind == "string":
            raise SchemaError(token.where, f"expected {text!r}, found {token.text or 'end of file'!r}")
        return token

    def expect_kind(self, kind, what):
        token = self.take()
        if token.kind != kind:
            raise SchemaError(token.where, f"expected {what}, found {token.text or 'end of file'!r}")
        return token

    # File level.
    def parse_file(self):
        result = SchemaFile(self.path)
        while self.peek().kind != "end":
            token = self.peek()
            if token.kind == "name" and self.at("::=", 1):
                name = self.take()
                self.take()
                result.assignments.append(Assignment(name.text, self.parse_type(), name.where))
            elif token.kind == "name" and token.text in _DIRECTIVES:
                self.parse_directive(result)
            else:
                raise SchemaError(token.where, f"expected a type assignment or a directive, found {token.text!r}")
        return result

    def parse_directive(self, result):
        token = self.take()
        word = token.text
        if word in result.directive_where and word not in ("import", "include", "whole"):
            raise SchemaError(token.where, f"'{word}' given twice (first at {result.directive_where[word]})")
        result.directive_where[word] = token.where
        if word == "namespace":
            parts = [self.expect_kind("name", "a namespace name").text]
            while self.peek().kind == "scope":
                self.take()
                parts.append(self.expect_kind("name", "a namespace name").text)
            result.namespace = "::".join(parts)
        elif word == "tags":
            mode = self.expect_kind("name", "EXPLICIT or IMPLICIT")
            if mode.text not in ("EXPLICIT", "IMPLICIT"):
                raise SchemaError(mode.where, "tags must be EXPLICIT or IMPLICIT")
            result.tags = mode.text
        elif word == "codes":
            first = self.expect_kind("number", "the first code").value
            self.expect("to")
            last = self.expect_kind("number", "the last code").value
            if not first < 0 or not last <= first:
                raise SchemaError(token.where, "codes must run downwards from a negative number, e.g. -100 to -147")
            result.codes = (first, last)
        elif word in ("unraised", "reserved"):
            numbers = []
            while self.peek().kind == "number":
                numbers.append(self.take().value)
            if not numbers:
                raise SchemaError(token.where, f"'{word}' needs at least one code")
            setattr(result, word, numbers)
        elif word == "incomplete":
            result.incomplete = True
        elif word in ("import", "include"):
            target = self.expect_kind("string", "a schema file name in double quotes")
            getattr(result, word + "s").append((target.value, target.where))
        elif word == "whole":
            name = self.expect_kind("name", "a type name")
            result.wholes.append(WholeDirective(name.text, self.parse_annotations(), name.where))

    # Types.
    def parse_annotations(self):
        annotations = {}
        while self.peek().kind == "annotation":
            token = self.take()
            args = []
            if self.at("("):
                self.take()
                while not self.at(")"):
                    arg = self.take()
                    if arg.kind == "name" and self.at("="):
                        self.take()
                        args.append((arg.text, self.expect_kind("number", "a code").value))
                    elif arg.kind in ("number", "string", "name"):
                        args.append(arg.value)
                    else:
                        raise SchemaError(arg.where, f"unexpected {arg.text!r} in @{token.value}(...)")
                    if not self.at(")"):
                        self.expect(",")
                self.take()
            if token.value in annotations:
                raise SchemaError(token.where, f"@{token.value} given twice")
            annotations[token.value] = Annotation(token.value, args, token.where)
        return annotations

    def parse_tag(self):
        start = self.expect("[")
        cls = "CONTEXT"
        if self.peek().kind == "name" and self.peek().text in ("UNIVERSAL", "APPLICATION", "PRIVATE"):
            cls = self.take().text
        number = self.expect_kind("number", "a tag number").value
        if number < 0:
            raise SchemaError(start.where, "a tag number cannot be negative")
        self.expect("]")
        mode = None
        if self.peek().kind == "name" and self.peek().text in ("IMPLICIT", "EXPLICIT"):
            mode = self.take().text
        return Tag(cls, number, mode, start.where)

    def skip_named_numbers(self):
        if not self.at("{"):
            return
        depth = 0
        while True:
            token = self.take()
            if token.kind == "end":
                raise SchemaError(token.where, "unterminated { ... }")
            if token.text == "{":
                depth += 1
            elif token.text == "}":
                depth -= 1
                if depth == 0:
                    return

    def parse_type(self):
        node = TypeNode(self.peek().where)
        if self.at("["):
            node.tag = self.parse_tag()
        node.annotations = self.parse_annotations()
        token = self.expect_kind("name", "a type")
        word = token.text
        if (word, self.peek().text) in _TWO_WORD:
            self.take()
            word = f"{word} {self.peek(-1).text}"
        if word in ("SEQUENCE", "SET"):
            if self.at("OF"):
                self.take()
                node.base = f"{word} OF"
                node.element = self.parse_type()
            else:
                node.base = word
                node.components = self.parse_components(allow_unnamed=False)
        elif word == "CHOICE":
            node.base = word
            node.components = self.parse_components(allow_unnamed=True)
        elif word == "ANY":
            node.base = "ANY"
            if self.at("DEFINED"):
                self.take()
                self.expect("BY")
                node.defined_by = self.expect_kind("name", "a component name").text
        elif word in STRING_TYPES or word in SIMPLE_TYPES:
            node.base = word
            if word in ("INTEGER", "ENUMERATED", "BIT STRING"):
                self.skip_named_numbers()
        elif word[0].isupper():
            node.base = "REF"
            node.ref = word
        else:
            raise SchemaError(token.where, f"expected a type, found {word!r}")
        return node

    def parse_components(self, allow_unnamed):
        self.expect("{")
        components = []
        while not self.at("}"):
            token = self.peek()
            name = None
            if token.kind == "name" and token.text[0].islower():
                name = self.take().text
            elif not allow_unnamed:
                raise SchemaError(token.where, f"expected a component name, found {token.text!r}")
            type_node = self.parse_type()
            optional = False
            if self.at("OPTIONAL"):
                self.take()
                optional = True
            components.append(Component(name, type_node, optional, self.parse_annotations(), token.where))
            if not self.at("}"):
                self.expect(",")
        self.take()
        if not components:
            raise SchemaError(self.peek(-1).where, "a SEQUENCE, SET or CHOICE needs at least one component")
        return components


def parse_text(text, path):
    return Parser(text, path).parse_file()


def parse_path(path):
    with open(path, encoding="utf-8") as handle:
        return parse_text(handle.read(), path)
