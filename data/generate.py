#!/usr/bin/env python3
"""Builds the sample catalogue: catalogue.db (the catalogue source) and library.db (the library source),
SQLite databases made from catalogue.sql and library.sql and filled with generated records.

    data/generate.py [--records N] [--seed S] [--out DIR] [--control DIR] [--progress]

The same records and seed always give the same databases. The stop words that the key columns leave
out are read from the control files (phrasestop1.tbl and the stop-word record of search.tblx).
"""

import argparse
import collections
import datetime
import math
import os
import random
import sqlite3
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import marc  # noqa: E402
import normalise as n  # noqa: E402
import table_file  # noqa: E402
import vocabulary as v  # noqa: E402
from records import SAMPLE_DAY, RecordMaker  # noqa: E402

INDEX_MARKER = "-- Indexes"
STOP_WORD_RECORD = 5  # the sixth record of search.tblx


def load_stop_words(control):
    """(phrase stop words, word-index stop words) from the control files."""
    phrase = set()
    for record in table_file.read(control / "phrasestop1.tbl"):
        phrase.update(table_file.strings(record))
    search = table_file.read(control / "search.tblx")
    index = {w.strip() for w in table_file.strings(search[STOP_WORD_RECORD])}
    return phrase, index


def schema_parts(path):
    """The tables and views of a schema file, and its indexes, as two scripts."""
    text = path.read_text(encoding="utf-8")
    head, _, tail = text.partition(INDEX_MARKER)
    return head, INDEX_MARKER + tail


def create_database(path, schema):
    tmp = path.with_suffix(".tmp")
    tmp.unlink(missing_ok=True)
    db = sqlite3.connect(tmp)
    db.execute("PRAGMA journal_mode = OFF")
    db.execute("PRAGMA synchronous = OFF")
    tables, indexes = schema_parts(schema)
    db.executescript(tables)
    return db, tmp, indexes


def finish_database(db, tmp, indexes, path):
    db.commit()
    db.executescript(indexes)
    db.execute("ANALYZE")
    db.commit()
    db.close()
    os.replace(tmp, path)


def insert(db, table, rows):
    rows = list(rows)
    if rows:
        marks = ",".join("?" * len(rows[0]))
        db.executemany(f"INSERT INTO {table} VALUES ({marks})", rows)


def iso(moment):
    return moment.strftime("%Y-%m-%d %H:%M:%S")


class CatalogueWriter:
    def __init__(self, db, phrase_stops, index_stops):
        self.db = db
        self.phrase_stops = phrase_stops
        self.index_stops = index_stops
        self.subjects = {}
        self.stem_counts = collections.Counter()
        self.vocabulary = set()
        self.next_text_no = 1
        insert(db, "PUBLISHERS", ((i + 1, p[0], n.fold(p[0]), p[1]) for i, p in enumerate(v.PUBLISHERS)))
        insert(
            db,
            "SERIES",
            ((i + 1, s, n.title_key(s, phrase_stops)) for i, s in enumerate(v.SERIES_NAMES)),
        )

    def _subject_no(self, heading):
        number = self.subjects.get(heading)
        if number is None:
            number = self.subjects[heading] = len(self.subjects) + 1
            insert(self.db, "SUBJECTS", [(number, heading, n.fold(heading))])
        return number

    def _words(self, rec):
        texts = {
            "T": [rec.title, rec.subtitle or "", v.SERIES_NAMES[rec.series] if rec.series is not None else ""],
            "A": [a.name for a, _ in rec.authors],
            "S": rec.subjects,
            "N": [rec.notes or "", rec.summary or ""],
        }
        rows, stems = [], set()
        for code, parts in texts.items():
            words = set(n.split_white(n.fold(" ".join(parts)))) - self.index_stops
            for word in sorted(words):
                stem = n.stem_word(word)
                rows.append((word, code, rec.number, stem))
                self.vocabulary.add((word, code))
                stems.add(stem)
        self.stem_counts.update(stems)
        return rows

    def add(self, rec):
        name, place = v.PUBLISHERS[rec.publisher][:2]
        full_title = rec.title + (" " + rec.subtitle if rec.subtitle else "")
        note_text = " ".join(t for t in (rec.notes, rec.summary) if t)
        main_author = bool(rec.authors) and rec.authors[0][1] == "author"
        row = (
            rec.number, rec.title, rec.subtitle, rec.responsibility,
            n.title_key(full_title, self.phrase_stops), ("1" if main_author else "0") + str(rec.nonfiling),
            rec.edition, rec.publisher + 1, n.fold(name), place, n.fold(place), rec.year,
            f"{rec.year:04d}-01-01 00:00:00", rec.isbn_display, rec.isbn13, rec.pages,
            "True" if rec.illustrated else "False", rec.dimensions,
            rec.series + 1 if rec.series is not None else None, rec.series_part, rec.notes,
            n.fold(note_text) or None, rec.summary, rec.language, rec.dewey, rec.material, rec.category,
            rec.status, rec.link, " ".join(n.fold(a.name) for a, _ in rec.authors) or None,
            " ".join(n.fold(s) for s in rec.subjects), rec.leader_type, marc.fixed_008(rec),
            marc.stamp_005(rec), iso(rec.added.replace(hour=0, minute=0, second=0)), iso(rec.modified),
        )  # fmt: skip
        insert(self.db, "TITLES", [row])
        authors = ((rec.number, i + 1, a.number, role) for i, (a, role) in enumerate(rec.authors))
        insert(self.db, "TITLE_AUTHORS", authors)
        insert(
            self.db,
            "TITLE_SUBJECTS",
            ((rec.number, i + 1, self._subject_no(s)) for i, s in enumerate(rec.subjects)),
        )
        if rec.isbn13:
            insert(self.db, "ISBNS", [(rec.isbn10, rec.number), (rec.isbn13, rec.number)])
        if rec.issn:
            insert(self.db, "SERIALS", [(rec.number, rec.issn, n.alnum_key(rec.issn), rec.frequency)])
        insert(self.db, "WORDS", self._words(rec))
        rows, texts = marc.subfield_rows(rec, self.next_text_no)
        self.next_text_no += len(texts)
        insert(self.db, "MARC_SUBFIELDS", rows)
        insert(self.db, "LONG_TEXTS", texts)
        insert(self.db, "MARC_RECORDS", [(rec.number, marc.iso2709(rec))])

    def finish(self, maker, issues):
        insert(self.db, "AUTHORS", ((a.number, a.name, n.fold(a.name), a.dates) for a in maker.authors))
        insert(self.db, "ISSUES", issues)
        insert(self.db, "VOCABULARY", sorted(self.vocabulary))
        insert(
            self.db,
            "STEMS",
            ((stem, count, 1 / math.log(1 + count)) for stem, count in sorted(self.stem_counts.items())),
        )


def day(date):
    return date.isoformat()


class LibraryWriter:
    def __init__(self, db, rng, records):
        self.db = db
        self.rng = rng
        self.item_no = 0
        self.loan_no = 0
        self.reservation_no = 0
        self.borrowers = max(50, records // 4)
        insert(db, "LOCATIONS", v.LOCATIONS)
        r = rng
        borrowers = []
        for b in range(1, self.borrowers + 1):
            name = f"{r.choice(v.SURNAMES)}, {r.choice(v.FORENAMES)}"
            borrowers.append((b, f"2{b:09d}", name, r.choices(["ADULT", "JUNIOR", "STAFF"], [80, 17, 3])[0]))
        insert(db, "BORROWERS", borrowers)

    def _call_number(self, rec):
        main = rec.authors[0][0].name if rec.authors else rec.title
        cutter = n.fold(main).replace(" ", "")[:3]
        if rec.fiction:
            return f"{'JF' if rec.category == 'JF' else 'F'} {cutter}"
        return f"{rec.dewey} {cutter}"

    def _location(self, rec):
        r = self.rng
        if rec.material in ("SER ", "MAP "):
            return "REF"
        if rec.category in ("JF", "JNF"):
            return "CHILD"
        return r.choices(["MAIN", "STACK", "NORTH", "REF"], [50, 20, 25, 5])[0]

    def _format(self, rec):
        if rec.material != "BOOK":
            return {"SER ": "Journal", "DVD ": "DVD", "MAP ": "Map", "CD  ": "Audio CD"}[rec.material]
        if rec.notes == "Large print edition.":
            return "Large print"
        return self.rng.choices(["Book", "Paperback"], [70, 30])[0]

    def add(self, rec):
        r = self.rng
        copies = 1 if rec.material != "BOOK" else r.choices([1, 2, 3, 4], [50, 30, 15, 5])[0]
        on_order = rec.status == "A"
        call_number = self._call_number(rec)
        items, loans = [], []
        for _ in range(copies):
            self.item_no += 1
            location = self._location(rec)
            loanable = dict((c, l) for c, _, l in v.LOCATIONS)[location]
            recent = rec.added.date() >= datetime.date(2024, 1, 1)
            temp = "DISPLAY" if recent and not on_order and r.random() < 0.3 else None
            price = f"£{r.randrange(5, 60)}.{r.choice(['00', '50', '95', '99'])}"
            items.append((
                self.item_no, rec.number, None if on_order else f"3{self.item_no:09d}", call_number, location,
                temp, self._format(rec), loanable, "Y" if on_order else "N",
                None if on_order else day(rec.added.date()), price,
            ))  # fmt: skip
            if on_order or loanable != "Y":
                continue
            loans.extend(self._loans(rec))
        insert(self.db, "STK_ITEM", items)
        insert(self.db, "LOANS", loans)
        self._reservations(rec)

    def _loans(self, rec):
        r = self.rng
        first = max(rec.added.date(), datetime.date(2019, 1, 1))
        span = (SAMPLE_DAY - first).days
        loans = []
        for _ in range(r.choices([0, 1, 2, 3], [40, 30, 20, 10])[0] if span > 60 else 0):
            start = first + datetime.timedelta(days=r.randrange(0, span - 60))
            due = start + datetime.timedelta(days=21)
            back = start + datetime.timedelta(days=r.randrange(3, 40))
            loans.append((start, due, back))
        if r.random() < 0.22:
            start = SAMPLE_DAY - datetime.timedelta(days=r.randrange(0, 35))
            loans.append((start, start + datetime.timedelta(days=21), None))
        rows = []
        for start, due, back in sorted(loans, key=lambda l: l[0]):
            self.loan_no += 1
            borrower = r.randrange(1, self.borrowers + 1)
            rows.append((self.loan_no, self.item_no, borrower, day(start), day(due), day(back) if back else None))
        return rows

    def _reservations(self, rec):
        r = self.rng
        rows = []
        for fulfilled in (False, True):
            if r.random() < 0.05:
                for _ in range(r.randrange(1, 4)):
                    self.reservation_no += 1
                    placed = SAMPLE_DAY - datetime.timedelta(days=r.randrange(1, 60))
                    done = day(placed + datetime.timedelta(days=r.randrange(1, 20))) if fulfilled else None
                    borrower = r.randrange(1, self.borrowers + 1)
                    rows.append((self.reservation_no, rec.number, borrower, day(placed), done))
        insert(self.db, "RESERVATIONS", rows)


def report_progress(done, records, started):
    """One line on standard error at each tenth of the records."""
    step = max(1, records // 10)
    if done % step == 0 or done == records:
        elapsed = time.monotonic() - started
        print(f"  {done} of {records} records ({elapsed:.0f} s)", file=sys.stderr, flush=True)


def generate(records, seed, out, control, progress=False):
    out.mkdir(parents=True, exist_ok=True)
    phrase_stops, index_stops = load_stop_words(control)
    maker = RecordMaker(random.Random(f"{seed}/catalogue"))
    cat_db, cat_tmp, cat_indexes = create_database(out / "catalogue.db", HERE / "catalogue.sql")
    lib_db, lib_tmp, lib_indexes = create_database(out / "library.db", HERE / "library.sql")
    catalogue = CatalogueWriter(cat_db, phrase_stops, index_stops)
    library = LibraryWriter(lib_db, random.Random(f"{seed}/library"), records)
    issues = []
    started = time.monotonic()
    for number in range(1, records + 1):
        rec = maker.make(number)
        catalogue.add(rec)
        library.add(rec)
        for volume, issue, date in rec.issues:
            issues.append((len(issues) + 1, rec.number, volume, issue, date))
        if progress:
            report_progress(number, records, started)
    catalogue.finish(maker, issues)
    if progress:
        print("  building the indexes", file=sys.stderr, flush=True)
    finish_database(cat_db, cat_tmp, cat_indexes, out / "catalogue.db")
    finish_database(lib_db, lib_tmp, lib_indexes, out / "library.db")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--records", type=int, default=3000, help="number of bibliographic records (3000)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the generator (1)")
    conf = HERE.parent / "conf"
    parser.add_argument("--out", type=Path, default=conf / "sample", help="output directory (conf/sample)")
    parser.add_argument("--control", type=Path, default=conf / "control", help="control files (conf/control)")
    parser.add_argument("--progress", action="store_true", help="report progress on standard error")
    args = parser.parse_args()
    if args.records < 1:
        parser.error("--records must be at least 1")
    generate(args.records, args.seed, args.out, args.control, args.progress)
    print(f"sample catalogue of {args.records} records written to {args.out}")


if __name__ == "__main__":
    main()
