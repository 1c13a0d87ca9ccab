"""A small reader of the table-file format of the control files.

A record is values separated by ',' and ended by ';'. A value is a quoted string ("" stands for one
double quote), a word (from an ASCII letter up to, not including, the next ',' or ';'), a signed integer,
a real (digits, '.', digits) or '*'. A '/' where a token may begin opens a comment that runs to the first
"*/" after the octet that follows the '/'. Reading stops at the first empty or malformed record, as the
server's readers do.
"""

from dataclasses import dataclass


@dataclass(frozen=True)
class Value:
    kind: str  # "string", "word", "integer", "real" or "star"
    value: object


class TableFileError(ValueError):
    pass


WHITE = b" \t\n\v\f\r"


def _is_letter(c):
    return 65 <= c <= 90 or 97 <= c <= 122


def _is_digit(c):
    return 48 <= c <= 57


class _Tokens:
    def __init__(self, data):
        self.data = data
        self.pos = 0

    def _peek(self):
        return self.data[self.pos] if self.pos < len(self.data) else None

    def next(self):
        """The next token: a Value, ',', ';', None at end of file, or "invalid"."""
        data = self.data
        while True:
            while self.pos < len(data) and data[self.pos] in WHITE:
                self.pos += 1
            if self.pos < len(data) and data[self.pos] == ord("/"):
                end = data.find(b"*/", self.pos + 2)
                self.pos = len(data) if end < 0 else end + 2
                continue
            break
        c = self._peek()
        if c is None:
            return None
        if c == ord('"'):
            return self._quoted()
        if _is_letter(c):
            end = self.pos
            while end < len(data) and data[end] not in b",;":
                end += 1
            text = data[self.pos : end].decode("utf-8")
            self.pos = end
            return Value("word", text)
        if c in b"+-" or _is_digit(c):
            return self._number()
        self.pos += 1
        return {ord(","): ",", ord(";"): ";", ord("*"): Value("star", None)}.get(c, "invalid")

    def _quoted(self):
        data = self.data
        self.pos += 1
        out = bytearray()
        while self.pos < len(data):
            c = data[self.pos]
            self.pos += 1
            if c != ord('"'):
                out.append(c)
            elif self._peek() == ord('"'):
                out.append(c)
                self.pos += 1
            else:
                break
        return Value("string", out.decode("utf-8"))

    def _number(self):
        data = self.data
        start = self.pos
        self.pos += 1
        while self.pos < len(data) and _is_digit(data[self.pos]):
            self.pos += 1
        digits = data[start : self.pos].decode()
        if digits in ("+", "-"):
            return "invalid"
        if self._peek() != ord("."):
            return Value("integer", int(digits))
        self.pos += 1
        while self.pos < len(data) and _is_digit(data[self.pos]):
            self.pos += 1
        return Value("real", float(data[start : self.pos].decode().rstrip(".") or 0))


def parse(data):
    """The records of a table file as lists of Values. Raises TableFileError when a record is empty or
    malformed, since the server would silently ignore everything from there on."""
    tokens = _Tokens(data)
    records = []
    while True:
        token = tokens.next()
        if token is None:
            return records
        record = []
        while True:
            if not isinstance(token, Value):
                raise TableFileError(f"record {len(records) + 1}: value expected, found {token!r}")
            record.append(token)
            token = tokens.next()
            if token == ";":
                break
            if token != ",":
                raise TableFileError(f"record {len(records) + 1}: ',' or ';' expected, found {token!r}")
            token = tokens.next()
        records.append(record)


def read(path):
    with open(path, "rb") as f:
        return parse(f.read())


def strings(record):
    """The texts of the quoted strings of a record."""
    return [v.value for v in record if v.kind == "string"]
