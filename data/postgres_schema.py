"""The SQLite schema files adapted to PostgreSQL. Text columns compare and sort by octets ("C" collation),
as SQLite's do, so key order, scans and ranges agree on both. SQLite's NOCASE indexes, there for its
case-insensitive LIKE, become text_pattern_ops indexes, which serve LIKE 'TERM%'. REAL is SQLite's
eight-octet float: DOUBLE PRECISION, so weights and their ranking agree too. SQLite's WITHOUT ROWID
(a table kept in key order) has no counterpart: the primary key's index serves the same statements. Foreign keys are added after
the rows, checked once over each table instead of row by row while loading."""

import re

from generate import schema_parts

TEXT_TYPE = re.compile(r"\b((?:VAR)?CHAR\(\d+\))")
NOCASE_COLUMN = re.compile(r"\b(\w+) COLLATE NOCASE\b")
REAL_TYPE = re.compile(r"\bREAL\b")
WITHOUT_ROWID = re.compile(r"\) WITHOUT ROWID;")
TABLE = re.compile(r"^CREATE TABLE (\w+)")
REFERENCE = re.compile(r"^\s+(\w+) .*?( REFERENCES \w+ \(\w+\))")


def split_references(tables):
    """The tables script without its column REFERENCES clauses, and ALTER TABLE statements adding them."""
    lines, keys, table = [], [], None
    for line in tables.splitlines():
        if found := TABLE.match(line):
            table = found.group(1)
        if found := REFERENCE.match(line):
            column, clause = found.groups()
            keys.append(f"ALTER TABLE {table} ADD FOREIGN KEY ({column}){clause};")
            line = line.replace(clause, "", 1)
        lines.append(line)
    return "\n".join(lines) + "\n", "\n".join(keys) + "\n"


def convert(path):
    """The tables and views of a schema file, and its indexes and foreign keys, as two PostgreSQL scripts."""
    tables, indexes = schema_parts(path)
    tables = WITHOUT_ROWID.sub(");", tables)
    tables, keys = split_references(REAL_TYPE.sub("DOUBLE PRECISION", TEXT_TYPE.sub(r'\1 COLLATE "C"', tables)))
    return tables, NOCASE_COLUMN.sub(r"\1 text_pattern_ops", indexes) + keys
