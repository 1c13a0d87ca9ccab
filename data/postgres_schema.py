"""The SQLite schema files adapted to PostgreSQL. Text columns compare and sort by octets ("C" collation),
as SQLite's do, so key order, scans and ranges agree on both. SQLite's NOCASE indexes, there for its
case-insensitive LIKE, become text_pattern_ops indexes, which serve LIKE 'TERM%'. REAL is SQLite's
eight-octet float: DOUBLE PRECISION, so weights and their ranking agree too."""

import re

from generate import schema_parts

TEXT_TYPE = re.compile(r"\b((?:VAR)?CHAR\(\d+\))")
NOCASE_COLUMN = re.compile(r"\b(\w+) COLLATE NOCASE\b")
REAL_TYPE = re.compile(r"\bREAL\b")


def convert(path):
    """The tables and views of a schema file, and its indexes, as two PostgreSQL scripts."""
    tables, indexes = schema_parts(path)
    tables = REAL_TYPE.sub("DOUBLE PRECISION", TEXT_TYPE.sub(r'\1 COLLATE "C"', tables))
    return tables, NOCASE_COLUMN.sub(r"\1 text_pattern_ops", indexes)
