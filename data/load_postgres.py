#!/usr/bin/env python3
"""Loads the sample catalogue into PostgreSQL: the catalogue source and the library source, each a database
of its own, holding the same rows as the SQLite files of generate.py (which it runs, or reads from --from).

    data/load_postgres.py [--records N] [--seed S] [--control DIR] [--from DIR]
                          [--catalogue NAME] [--library NAME] [--progress]

The server is reached as psql reaches it: PGHOST, PGPORT, PGUSER and the other libpq variables. Both
databases are dropped and created again (UTF-8, "C" collation), so the role needs CREATEDB. Rows go in
with COPY, one transaction per database, and the indexes are built after the rows; VACUUM ANALYZE ends it.
"""

import argparse
import sqlite3
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import generate  # noqa: E402
import postgres_schema  # noqa: E402

SOURCES = (("catalogue.db", "catalogue.sql"), ("library.db", "library.sql"))
PROGRESS_ROWS = 250000  # a progress line per so many rows of a table
COPY_ESCAPES = str.maketrans({"\\": "\\\\", "\t": "\\t", "\n": "\\n", "\r": "\\r"})


def copy_field(value):
    """A value in COPY's text format."""
    if value is None:
        return "\\N"
    if isinstance(value, str):
        return value.translate(COPY_ESCAPES)
    if isinstance(value, float):
        return repr(value)
    return str(value)


def psql(database, *args, **options):
    command = ["psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", database, *args]
    return subprocess.Popen(command, **options)


def run_psql(database, *statements):
    """Runs each statement on its own (DROP and CREATE DATABASE refuse a transaction block)."""
    done = psql(database, *(part for sql in statements for part in ("-c", sql)))
    if done.wait() != 0:
        raise SystemExit(f"load_postgres: psql failed on {database}: {'; '.join(statements)}")


def recreate(name):
    quoted = '"' + name.replace('"', '""') + '"'
    run_psql("postgres", "SET client_min_messages = warning", f"DROP DATABASE IF EXISTS {quoted}",
             f"CREATE DATABASE {quoted} TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C'")


def tables_of(source):
    """The tables of a SQLite database in the order they were created (referenced tables first)."""
    query = "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY rowid"
    return [row[0] for row in source.execute(query)]


def load(sqlite_path, schema_path, database, progress):
    """Copies every table of the SQLite database into the PostgreSQL database, schema adapted."""
    tables, indexes = postgres_schema.convert(schema_path)
    recreate(database)
    started = time.monotonic()
    loader = psql(database, stdin=subprocess.PIPE, text=True, encoding="utf-8")
    out = loader.stdin
    source = sqlite3.connect(sqlite_path)

    def report(text):
        if progress:
            print(f"  {database}: {text} ({time.monotonic() - started:.0f} s)", file=sys.stderr, flush=True)

    try:
        out.write("BEGIN;\n" + tables + "\n")
        for table in tables_of(source):
            out.write(f"COPY {table} FROM STDIN;\n")
            for count, row in enumerate(source.execute(f"SELECT * FROM {table}"), 1):
                out.write("\t".join(map(copy_field, row)) + "\n")
                if count % PROGRESS_ROWS == 0:
                    report(f"{table}: {count} rows")
            out.write("\\.\n")
            report(f"{table} copied")
        report("building the indexes")
        # VACUUM too: it marks the pages all-visible, which index-only scans need.
        out.write(indexes + "\nCOMMIT;\nVACUUM ANALYZE;\n")
        out.close()
    except BrokenPipeError:
        pass
    finally:
        source.close()
    if loader.wait() != 0:
        raise SystemExit(f"load_postgres: loading {database} failed")
    report("loaded")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--records", type=int, default=3000, help="number of bibliographic records (3000)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the generator (1)")
    parser.add_argument("--control", type=Path, default=HERE.parent / "conf" / "control",
                        help="control files (conf/control)")
    parser.add_argument("--from", dest="source", type=Path,
                        help="load the SQLite files already in this directory instead of generating them")
    parser.add_argument("--catalogue", default="quorvane_catalogue", help="catalogue database (quorvane_catalogue)")
    parser.add_argument("--library", default="quorvane_library", help="library database (quorvane_library)")
    parser.add_argument("--progress", action="store_true", help="report progress on standard error")
    args = parser.parse_args()
    if args.records < 1:
        parser.error("--records must be at least 1")
    with tempfile.TemporaryDirectory(prefix="quorvane-sample-") as scratch:
        source = args.source
        if source is None:
            source = Path(scratch)
            generate.generate(args.records, args.seed, source, args.control, args.progress)
        for (sqlite_name, schema_name), database in zip(SOURCES, (args.catalogue, args.library)):
            load(source / sqlite_name, HERE / schema_name, database, args.progress)
    print(f"sample catalogue loaded into {args.catalogue} and {args.library}")


if __name__ == "__main__":
    main()
