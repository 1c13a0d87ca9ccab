"""Tokens of the schema notation."""

import re

from errors import SchemaError, Where

_TOKEN = re.compile(
    r"""
    (?P<space>[ \t\r]+)
  | (?P<newline>\n)
  | (?P<comment>--[^\n]*)
  | (?P<assign>::=)
  | (?P<scope>::)
  | (?P<number>-?[0-9]+)
  | (?P<name>[A-Za-z][A-Za-z0-9]*(?:-[A-Za-z0-9]+)*)
  | (?P<annotation>@[A-Za-z][A-Za-z0-9]*)
  | (?P<string>"[^"\n]*")
  | (?P<punct>[{}\[\](),=])
    """,
    re.VERBOSE,
)


class Token:
    def __init__(self, kind, text, where):
        self.kind = kind  # name, number, string, annotation, punct, assign, scope, end
        self.text = text
        self.where = where

    @property
    def value(self):
        if self.kind == "number":
            return int(self.text)
        if self.kind == "string":
            return self.text[1:-1]
        if self.kind == "annotation":
            return self.text[1:]
        return self.text

    def __repr__(self):
        return f"Token({self.kind}, {self.text!r}, {self.where})"


def tokenize(text, path):
    tokens = []
    line = 1
    pos = 0
    while pos < len(text):
        match = _TOKEN.match(text, pos)
        if match is None:
            raise SchemaError(Where(path, line), f"unexpected character {text[pos]!r}")
        kind = match.lastgroup
        if kind == "newline":
            line += 1
        elif kind not in ("space", "comment"):
            tokens.append(Token(kind, match.group(), Where(path, line)))
        pos = match.end()
    tokens.append(Token("end", "", Where(path, line)))
    return tokens
