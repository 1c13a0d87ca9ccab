#!/usr/bin/env python3
"""The sample catalogue: its generator, its schema, its normalised keys, and every statement the shipped
control files make of it, run against a small generated catalogue.

    sample_catalogue_test.py --work DIR
"""

import argparse
import configparser
import re
import shutil
import sqlite3
import subprocess
import sys
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CONTROL = ROOT / "conf" / "control"
sys.path[:0] = [str(ROOT / "data"), str(Path(__file__).resolve().parent)]

import generate  # noqa: E402
import normalise as n  # noqa: E402
import reference_sql as ref  # noqa: E402
import table_file  # noqa: E402

RECORDS = 400
WORK = None  # set by main()


def setUpModule():
    generate.generate(RECORDS, 7, WORK / "sample", CONTROL)


def connect(name):
    db = sqlite3.connect(WORK / "sample" / name)
    db.row_factory = sqlite3.Row
    return db


def select_list(statement):
    """Field names of a record statement, as the server takes them from the statement text."""
    start = statement.upper().index("SELECT") + 6
    end = statement.upper().index("FROM ", start)
    columns, depth, current = [], 0, ""
    for c in statement[start:end]:
        depth += c == "("
        depth -= c == ")"
        if c == "," and depth == 0:
            columns.append(current)
            current = ""
        else:
            current += c
    columns.append(current)
    return [re.sub(r"\s", "", c).upper() for c in columns]


def present_blocks(path):
    """{database: [statements]} of a present control file."""
    text = path.read_text(encoding="utf-8")
    blocks = {}
    for names, body in re.findall(r"#([^#]*)#([^#]*)", text):
        statements = [s for s in body.split(";") if re.search(r"[A-Za-z0-9]", s)]
        for name in names.split():
            blocks[name.upper()] = statements
    return blocks


class Generator(unittest.TestCase):
    def dump(self, directory):
        out = []
        for name in ("catalogue.db", "library.db"):
            db = sqlite3.connect(directory / name)
            out.extend(db.iterdump())
            db.close()
        return out

    def test_same_seed_gives_the_same_catalogue_and_another_seed_another(self):
        for tag, seed in (("a", 3), ("b", 3), ("c", 4)):
            generate.generate(60, seed, WORK / tag, CONTROL)
        first = self.dump(WORK / "a")
        self.assertEqual(first, self.dump(WORK / "b"))
        self.assertNotEqual(first, self.dump(WORK / "c"))

    def test_schema_text_loads_whole_into_an_empty_database(self):
        for name in ("catalogue.sql", "library.sql"):
            db = sqlite3.connect(":memory:")
            db.executescript((ROOT / "data" / name).read_text(encoding="utf-8"))
            kinds = {row[0] for row in db.execute("SELECT type FROM sqlite_master")}
            self.assertEqual(kinds, {"table", "view", "index"}, name)


class Contents(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cat = connect("catalogue.db")
        cls.lib = connect("library.db")

    def one(self, db, sql):
        return db.execute(sql).fetchone()[0]

    def test_row_counts_fit_the_records_asked_for(self):
        cat, lib = self.cat, self.lib
        self.assertEqual(self.one(cat, "SELECT COUNT(*) FROM TITLES"), RECORDS)
        self.assertEqual(self.one(cat, "SELECT COUNT(*) FROM MARC_RECORDS"), RECORDS)
        books = self.one(cat, "SELECT COUNT(*) FROM TITLES WHERE ISBN13 IS NOT NULL")
        self.assertEqual(self.one(cat, "SELECT COUNT(*) FROM ISBNS"), 2 * books)
        serials = self.one(cat, "SELECT COUNT(*) FROM SERIALS")
        self.assertEqual(serials, self.one(cat, "SELECT COUNT(*) FROM TITLES WHERE MATERIAL_TYPE = 'SER '"))
        self.assertGreater(self.one(cat, "SELECT COUNT(*) FROM ISSUES"), serials)
        self.assertEqual(self.one(cat, "SELECT COUNT(DISTINCT TITLE_NO) FROM TITLE_SUBJECTS"), RECORDS)
        orphans = "SELECT COUNT(*) FROM TITLE_AUTHORS WHERE AUTHOR_NO NOT IN (SELECT AUTHOR_NO FROM AUTHORS)"
        self.assertEqual(self.one(cat, orphans), 0)
        for tag in ("000", "001", "005", "008", "245"):
            with_tag = f"SELECT COUNT(DISTINCT TITLE_NO) FROM MARC_SUBFIELDS WHERE TAG = '{tag}'"
            self.assertEqual(self.one(cat, with_tag), RECORDS)
        self.assertGreater(self.one(cat, "SELECT COUNT(*) FROM LONG_TEXTS"), 0)
        self.assertEqual(self.one(lib, "SELECT COUNT(DISTINCT TITLE_NO) FROM STK_ITEM"), RECORDS)
        twice_out = "SELECT ITEM_NO FROM LOANS WHERE RETURNED_DATE IS NULL GROUP BY ITEM_NO HAVING COUNT(*) > 1"
        self.assertEqual(self.one(lib, f"SELECT COUNT(*) FROM ({twice_out})"), 0)
        self.assertGreater(self.one(lib, "SELECT COUNT(*) FROM STK_ITEM_STATUS WHERE ON_LOAN = 'Y'"), 0)
        self.assertGreater(self.one(lib, "SELECT COUNT(*) FROM STK_ITEM_STATUS WHERE ON_ORDER = 'Y'"), 0)

    def test_stems_count_the_records_that_hold_them(self):
        wrong = self.one(
            self.cat,
            "SELECT COUNT(*) FROM STEMS S"
            " WHERE DOC_FREQ <> (SELECT COUNT(DISTINCT TITLE_NO) FROM WORDS W WHERE W.STEM = S.STEM)",
        )
        self.assertEqual(wrong, 0)

    def test_stored_marc_records_have_consistent_leaders_and_directories(self):
        for (record,) in self.cat.execute("SELECT MARC_RECORD FROM MARC_RECORDS"):
            octets = record.encode("utf-8")
            self.assertLess(len(octets), 5000)
            self.assertEqual(int(octets[:5]), len(octets))
            base = int(octets[12:17])
            self.assertEqual(octets[base - 1 : base], b"\x1e")
            self.assertEqual(octets[-1:], b"\x1d")
            for at in range(24, base - 1, 12):
                length, start = int(octets[at + 3 : at + 7]), int(octets[at + 7 : at + 12])
                self.assertEqual(octets[base + start + length - 1 : base + start + length], b"\x1e")


class Normalisation(unittest.TestCase):
    """The rules the server's term routines and stemmer follow; data/README.md lists them."""

    def test_term_routines(self):
        stops = ref.phrase_stop_words(CONTROL / "phrasestop1.tbl")
        cases = [
            (n.fold, "l'été, déjà vu", "LETE DEJA VU"),
            (n.fold, "  Castleton & Finch -- (Ed.) ", "CASTLETON FINCH ED"),
            (n.fold, "Ångström, Åsa Zoë", "ANGSTROM ASA ZOE"),
            (n.fold, "Søndergaard, Weiß", "SøNDERGAARD WEIß"),
            (n.fold, "rock 'n' roll", "ROCK N ROLL"),
            (lambda t: n.title_key(t, stops), "The Times", "TIMES"),
            (lambda t: n.title_key(t, stops), "THE", "THE"),
            (lambda t: n.title_key(t, stops), "Les îles lointaines", "ILES LOINTAINES"),
            (lambda t: n.title_key(t, stops), "Theory of the film", "THEORY OF THE FILM"),
            (n.alnum_key, "0-19-852663-x", "019852663X"),
        ]
        for routine, text, expected in cases:
            self.assertEqual(routine(text), expected, text)

    def test_stemmer(self):
        cases = {
            "CARESSES": "CARESS", "PONIES": "PONI", "HOPING": "HOPE", "RELATIONAL": "RELAT",
            "GENERALIZATION": "GENER", "SENSIBILITY": "SENSIBI", "CRITICISM": "CRITI", "FEED": "FE",
            "COMPUTERS": "COMPUT", "HISTORY": "HISTORI", "LIBRARIES": "LIBRARI", "RUNNING": "RUN",
            "AGREED": "AGRE", "CATALOGUING": "CATALOGU", "NATIONALISM": "NATION", "HAPPINESS": "HAPPI",
            "CEASE": "CEASE", "1990S": "1990", "FALLING": "FALL", "CONDITIONAL": "CONDITION",
            # Only a doubled letter is undoubled after ED/ING, as the server's stemmer does.
            "HOPPING": "HOP", "VA22ED": "VA22",
        }  # fmt: skip
        for word, stem in cases.items():
            self.assertEqual(n.stem_word(word), stem, word)
        self.assertEqual(n.stem_phrase("  COMPUTERS   HISTORY "), "COMPUT HISTORI")
        # Words split at ASCII white space only: a no-break space stays inside the word, as on the server.
        self.assertEqual(n.stem_phrase("LIBRARIES\u00a0OLD\tBOOKS"), "LIBRARIES\u00a0OLD BOOK")


class StoredKeys(unittest.TestCase):
    KEY_COLUMNS = [
        ("TITLES", "TITLE_KEY"), ("TITLES", "AUTHOR_KEY"), ("TITLES", "SUBJECT_KEY"), ("TITLES", "PUBLISHER_KEY"),
        ("TITLES", "PUB_PLACE_KEY"), ("TITLES", "NOTE_KEY"), ("AUTHORS", "NAME_KEY"), ("SUBJECTS", "HEADING_KEY"),
        ("PUBLISHERS", "NAME_KEY"), ("SERIES", "NAME_KEY"), ("WORDS", "WORD"), ("WORDS", "STEM"),
    ]  # fmt: skip

    @classmethod
    def setUpClass(cls):
        cls.cat = connect("catalogue.db")
        cls.stops = ref.phrase_stop_words(CONTROL / "phrasestop1.tbl")

    def test_key_columns_hold_only_folded_upper_case_words(self):
        bad = re.compile(r"[a-z]|[!-/:-@\[-`{-~]|^ | $|  |[" + n.FOLD_FROM + "]")
        for table, column in self.KEY_COLUMNS:
            for (value,) in self.cat.execute(f"SELECT {column} FROM {table} WHERE {column} IS NOT NULL"):
                self.assertFalse(bad.search(value), f"{table}.{column}: {value!r}")
        for (value,) in self.cat.execute("SELECT ISBN FROM ISBNS UNION ALL SELECT ISSN_KEY FROM SERIALS"):
            self.assertRegex(value, r"^[0-9]+X?$")

    def test_key_columns_are_the_normalised_source_text(self):
        rows = self.cat.execute("SELECT TITLE, SUBTITLE, TITLE_KEY FROM TITLES")
        for title, subtitle, key in rows:
            self.assertEqual(key, n.title_key(title + (" " + subtitle if subtitle else ""), self.stops))
        for name, key in self.cat.execute("SELECT NAME, NAME_KEY FROM AUTHORS"):
            self.assertEqual(key, n.fold(name))
        for word, stem in self.cat.execute("SELECT WORD, STEM FROM WORDS"):
            self.assertEqual(stem, n.stem_word(word))
        stop_words = {w.strip() for w in ref.Definition(CONTROL / "search.tblx").stop_words}
        in_index = {w for (w,) in self.cat.execute("SELECT DISTINCT WORD FROM WORDS")}
        self.assertFalse(stop_words & in_index)

    def test_database_order_of_keys_is_byte_order(self):
        keys = [k for (k,) in self.cat.execute("SELECT TITLE_KEY FROM TITLES ORDER BY TITLE_KEY")]
        self.assertEqual(keys, sorted(keys, key=lambda k: k.encode("utf-8")))


class ControlFileStatements(unittest.TestCase):
    """Every statement the control files make runs on the sample, with the columns the record files use."""

    @classmethod
    def setUpClass(cls):
        cls.cat = connect("catalogue.db")
        cls.lib = connect("library.db")
        cls.full = present_blocks(CONTROL / "present.full")
        cls.brief = present_blocks(CONTROL / "present.brief")

    def fields(self, block, key):
        """The field names of a block's statements, checked against the columns the database returns."""
        names = set()
        for statement in block:
            db = self.lib if "STK_ITEM" in statement.upper() else self.cat
            cursor = db.execute(statement.replace("XXXXX", key))
            self.assertEqual([d[0].upper() for d in cursor.description], select_list(statement))
            names.update(select_list(statement))
        return names

    def test_record_statements_run_and_give_the_columns_the_builders_name(self):
        serial = str(self.cat.execute("SELECT TITLE_NO FROM SERIALS").fetchone()[0])
        full = {}
        for blocks in (self.full, self.brief):
            self.assertIn("DEFAULT", blocks)
            for database, block in blocks.items():
                for key in ("1", "17", serial.zfill(8)):
                    names = self.fields(block, key)
                if blocks is self.full:
                    full[database] = names
        columns, marc_rows = self.builder_columns()
        self.assertFalse((columns | marc_rows) - full["DEFAULT"])
        self.assertFalse(columns - full["SAMPLERAW"])  # its MARC records are stored whole
        self.assertIn("MARC_RECORD", full["SAMPLERAW"])

    def builder_columns(self):
        """(columns of the column-driven builders, columns of the row-driven MARC mapping)"""
        used = set()
        for name in ("sutrsdef.tblx", "htmldef.tblx"):
            for record in table_file.read(CONTROL / name):
                values = [v.value for v in record]
                if values[0] != "XXDATABASESXX":
                    if record[2].value == "TRUE":
                        used.add(values[1])
                    used.update(values[4::2])
        for record in table_file.read(CONTROL / "marcdef.tblx"):
            values = [v.value for v in record]
            if values[0] == "XXRAWXX":
                continue
            if values[0] == "XXLEADERXX":
                used.add(values[1])
            elif values[0] != "XXDATABASESXX":
                used.update(v for v, flag in ((values[3], values[4]), (values[6], values[7])) if flag == "TRUE")
                used.update(values[9::2])
        marc_rows = set()
        for record in table_file.read(CONTROL / "marcdef2.tblx"):
            keyword = record[0].value
            if keyword not in ("XXDATABASESXX", "MARCOID", "SPILLOVER"):
                marc_rows.add(record[1].value)
        generic = table_file.read(CONTROL / "genericdef.tblx")
        for definition in table_file.strings(generic[1]):
            fields = definition.split("|")
            if fields[3] != "SUBTREE":
                used.add(fields[4])
        return used, marc_rows

    def test_spill_over_statement_completes_long_marc_values(self):
        block = next(r for r in table_file.read(CONTROL / "marcdef2.tblx") if r[0].value == "SPILLOVER")
        rows = self.cat.execute(
            "SELECT M.DATA, M.EXTRA_NO, R.MARC_RECORD FROM MARC_SUBFIELDS M"
            " JOIN MARC_RECORDS R ON R.TITLE_NO = M.TITLE_NO WHERE M.EXTRA_NO IS NOT NULL"
        ).fetchall()
        self.assertTrue(rows)
        for data, extra, record in rows:
            (rest,) = self.cat.execute(block[1].value.replace("XXXXX", str(extra))).fetchone()
            self.assertIn("\x1fa" + data + rest + "\x1e", record)

    def test_scan_statements_return_ordered_terms_with_hits(self):
        records = table_file.read(CONTROL / "scan.tblx")
        for record in records[2:]:
            use, statement = record[0].value, record[1].value
            term_col, hits_col, display_col = (record[i].value - 1 for i in (2, 3, 4))
            rows = self.cat.execute(statement.replace("XXTERM1XX", "A").replace("XXTERM2XX", "ZZ")).fetchall()
            self.assertTrue(rows, f"scan of use {use}")
            terms = [r[term_col] for r in rows]
            self.assertEqual(terms, sorted(set(terms), key=lambda t: t.encode("utf-8")), f"use {use}")
            self.assertTrue(all(int(r[hits_col]) >= 1 and r[display_col] for r in rows))
            low, high = terms[0][:2], terms[0][:1] + chr(ord(terms[0][1]) + 1)
            window = self.cat.execute(statement.replace("XXTERM1XX", low).replace("XXTERM2XX", high)).fetchall()
            self.assertIn(terms[0], [r[term_col] for r in window])


class SearchPaths(unittest.TestCase):
    """One operand per search path: the statement built from search.tblx finds the record its term came from."""

    @classmethod
    def setUpClass(cls):
        cls.cat = connect("catalogue.db")
        cls.definition = ref.Definition(CONTROL / "search.tblx")
        cls.stops = ref.phrase_stop_words(CONTROL / "phrasestop1.tbl")

    def search(self, attributes, term):
        mapping, statement = ref.operand_sql(
            self.definition, attributes, term, self.stops, CONTROL / "relrank.tblx", self.cat
        )
        self.assertIsNotNone(mapping, f"no mapping for {attributes}")
        try:
            return {int(row[0]) for row in self.cat.execute(statement)}, statement
        except sqlite3.Error as error:
            self.fail(f"{attributes} {term!r}: {error}\n{statement}")

    def value(self, sql):
        return self.cat.execute(sql).fetchone()[0]

    def record(self, where):
        return self.cat.execute(f"SELECT * FROM TITLES WHERE {where} ORDER BY TITLE_NO LIMIT 1").fetchone()

    def words(self, text, count):
        stop = {w.strip() for w in self.definition.stop_words}
        return " ".join([w for w in text.split() if n.upper_ascii(w) not in stop and w.isalpha()][:count])

    def assert_finds(self, attributes, term, number, *, exact_count=None):
        found, statement = self.search(attributes, term)
        self.assertIn(number, found, f"{attributes} {term!r}\n{statement}")
        if exact_count is not None:
            self.assertEqual(len(found), exact_count, statement)
        return found

    def test_title_paths(self):
        r = self.record("LANGUAGE_CODE = 'ENG' AND SUBTITLE IS NOT NULL AND TITLE LIKE 'The %'")
        number, title, full = r["TITLE_NO"], r["TITLE"], r["TITLE"] + " " + r["SUBTITLE"]
        self.assert_finds({1: 4}, self.words(full, 3), number)  # title words from the word index
        self.assert_finds({1: 4, 4: 1}, title, number)  # phrase: begins with, article dropped
        self.assert_finds({1: 4, 3: 1}, title, number)  # first in field
        self.assert_finds({1: 4, 6: 3}, full, number)  # complete field: exact
        self.assert_finds({1: 4, 4: 1, 5: 100}, full, number)
        self.assert_finds({1: 4, 4: 1, 5: 2}, title.split()[-1], number)  # left truncation: contains
        for count in (1, 2, 3):
            self.assert_finds({1: 4, 4: 2}, self.words(full, count), number)  # alternatives by word count
            self.assert_finds({1: 4, 2: 101}, self.words(full, count) + "s", number)  # stems, alternatives
        self.assertEqual(len(self.search({1: 4}, "*")[0]), RECORDS)

    def test_name_subject_and_publication_paths(self):
        r = self.record("SERIES_NO IS NOT NULL AND NOTES IS NOT NULL AND AUTHOR_KEY IS NOT NULL")
        number = r["TITLE_NO"]
        name = self.value(f"SELECT NAME FROM AUTHOR_INDEX WHERE TITLE_NO = {number}")
        heading = self.value(f"SELECT HEADING FROM SUBJECT_INDEX WHERE TITLE_NO = {number}")
        series = self.value(f"SELECT NAME FROM SERIES WHERE SERIES_NO = {r['SERIES_NO']}")
        publisher = self.value(f"SELECT NAME FROM PUBLISHERS WHERE PUBLISHER_NO = {r['PUBLISHER_NO']}")
        self.assert_finds({1: 1}, name, number)  # split form, column substitution in the chain
        self.assert_finds({1: 1004, 4: 1}, name, number)
        self.assert_finds({1: 1003}, " ".join(reversed(name.replace(",", "").split())), number)
        self.assert_finds({1: 21, 4: 1}, heading, number)
        self.assert_finds({1: 21}, heading.split(" -- ")[0].split(",")[0], number)
        self.assert_finds({1: 5}, series, number)  # complete statement
        self.assert_finds({1: 59}, r["PUB_PLACE"], number)
        self.assert_finds({1: 63}, " ".join(r["NOTES"].split()[1:3]), number)  # LEFT
        self.assert_finds({1: 1018}, publisher.split()[-1], number)  # BOTH
        self.assert_finds({1: 13}, r["DEWEY_CLASS"][:3], number)  # RAW

    def test_identifier_number_and_code_paths(self):
        r = self.record("ISBN13 IS NOT NULL")
        isbn10 = self.value(f"SELECT ISBN FROM ISBNS WHERE TITLE_NO = {r['TITLE_NO']} AND LENGTH(ISBN) = 10")
        self.assert_finds({1: 7}, r["ISBN"], r["TITLE_NO"], exact_count=1)  # hyphens dropped
        self.assert_finds({1: 7}, f"{isbn10[:1]}-{isbn10[1:5]} {isbn10[5:]}", r["TITLE_NO"], exact_count=1)
        serial = self.cat.execute("SELECT TITLE_NO, ISSN FROM SERIALS").fetchone()
        found, statement = self.search({1: 8}, serial[1])
        self.assertEqual(found, {serial[0]})
        self.assertIn(", SERIALS.FREQUENCY FROM", statement)  # the key's secondary column
        key = next(k for k in self.definition.keys if k.sub_key)  # each issue becomes a position
        issues = self.cat.execute(key.sub_key_sql(serial[0])).fetchall()
        self.assertEqual(len(issues), self.value(f"SELECT COUNT(*) FROM ISSUES WHERE TITLE_NO = {serial[0]}"))
        self.assertGreater(len(issues), 1)
        number = 150
        self.assertEqual(self.search({1: 12, 2: 4}, str(number))[0], set(range(number, RECORDS + 1)))
        self.assertEqual(self.search({1: 12, 2: 1}, str(number))[0], set(range(1, number)))
        self.assertEqual(self.search({1: 12}, str(number))[0], {number})
        dvd = self.record("MATERIAL_TYPE = 'DVD '")
        self.assertEqual(
            self.search({1: 1031}, "dvd")[0],
            {t for (t,) in self.cat.execute("SELECT TITLE_NO FROM TITLES WHERE MATERIAL_TYPE = 'DVD '")},
        )
        self.assertIn(dvd["TITLE_NO"], self.search({1: 1031}, "dvd")[0])
        english = self.search({1: 54}, "eng")[0]
        either = self.search({1: 54}, "eng fre")[0]  # ORTRUE chain
        self.assertTrue(english < either)

    def test_date_paths(self):
        r = self.record("PUB_YEAR = (SELECT PUB_YEAR FROM TITLES ORDER BY TITLE_NO LIMIT 1)")
        year = r["PUB_YEAR"]
        same = {t for (t,) in self.cat.execute(f"SELECT TITLE_NO FROM TITLES WHERE PUB_YEAR = {year}")}
        later = {t for (t,) in self.cat.execute(f"SELECT TITLE_NO FROM TITLES WHERE PUB_YEAR >= {year}")}
        self.assertEqual(self.search({1: 31}, str(year))[0], same)
        self.assertEqual(self.search({1: 31, 2: 4}, str(year))[0], later)
        self.assertEqual(self.search({1: 30, 2: 5}, str(year))[0], later - same)
        added = r["DATE_ADDED"]
        self.assert_finds({1: 1011}, added[:4] + added[5:7] + added[8:10], r["TITLE_NO"])
        modified = re.sub(r"[^0-9]", "", r["DATE_MODIFIED"])
        self.assert_finds({1: 1012, 2: 2}, modified, r["TITLE_NO"])

    def test_vocabulary_holds_each_distinct_word_of_each_field(self):
        vocabulary = set(self.cat.execute("SELECT WORD, FIELD FROM VOCABULARY"))
        self.assertEqual(vocabulary, set(self.cat.execute("SELECT DISTINCT WORD, FIELD FROM WORDS")))

    def test_one_word_through_the_vocabulary_finds_what_a_scan_of_the_words_finds(self):
        word = self.value("SELECT WORD FROM WORDS WHERE FIELD = 'T' AND LENGTH(WORD) > 6 ORDER BY TITLE_NO LIMIT 1")
        cases = [  # use, field, truncation, term
            (4, "T", 0, word), (4, "T", 1, word[:4]), (4, "T", 2, word[-4:]), (4, "T", 3, word[2:5]),
            (21, "S", 2, word[-3:]), (1003, "A", 2, "son"), (1003, "A", 3, "ar"), (1016, None, 2, word[-4:]),
        ]
        for use, field, truncation, term in cases:
            with self.subTest(use=use, truncation=truncation, term=term):
                attributes = {1: use, 5: truncation} if truncation else {1: use}
                found, statement = self.search(attributes, term)
                condition = re.search(r"VOCABULARY\.WORD ((?:LIKE|=) '[^']*')", statement).group(1)
                in_field = f"FIELD = '{field}' AND " if field else ""
                scanned = f"SELECT TITLE_NO FROM WORDS WHERE {in_field}WORD {condition}"
                self.assertEqual(found, {t for (t,) in self.cat.execute(scanned)}, statement)
                self.assertTrue(found, statement)

    def test_any_field_paths(self):
        r = self.record("LANGUAGE_CODE = 'ENG' AND SUMMARY IS NOT NULL")
        number, title = r["TITLE_NO"], r["TITLE"] + " " + (r["SUBTITLE"] or "")
        found, statement = self.search({1: 1016}, self.words(title, 1))  # the word index, any field
        self.assertIn(number, found)
        self.assertIn("FROM WORDS, VOCABULARY WHERE", statement)  # one word: no W2, W3 joins
        for count in (1, 2, 3):  # alternatives for one to three words, the stop word left out
            words = self.words(r["SUMMARY"] + " " + title, count)
            self.assert_finds({1: 1016, 4: 2}, "the " + words, number)
        self.assert_finds({1: 1016, 2: 101}, self.words(title, 2), number)
        relevant = self.assert_finds({1: 1016, 2: 102}, self.words(title, 3), number)  # relevance ranking
        self.assertLess(len(relevant), RECORDS)
        self.assertEqual(self.search({1: 1016, 2: 102}, "XYZZYQ")[1], "")  # no frequency: nothing run


class ShippedConfiguration(unittest.TestCase):
    """The INI's required keys and paths, and its connection strings through the SQLite ODBC driver, run
    from a directory laid out as the INI expects (the databases in sample/ beside the control files)."""

    @classmethod
    def setUpClass(cls):
        cls.ini = configparser.ConfigParser(interpolation=None)
        cls.ini.optionxform = str
        cls.ini.read(ROOT / "conf" / "Quorvane.INI", encoding="utf-8")

    def test_required_keys_and_control_directory(self):
        response = self.ini["InitializeResponse"]
        for key in ("pcProtocolVersion", "pcOptions", "pcImplementationId", "pcImplementationName",
                    "pcImplementationVersion"):
            self.assertTrue(response.get(key), key)
        self.assertRegex(response["pcOptions"], "^[01]+$")
        self.assertTrue((ROOT / "conf" / self.ini["ControlFiles"]["pcControlFilesDir"] / "search.tblx").exists())
        self.assertEqual(self.ini["SQL"]["pcDateLiteral"], "ISO")
        self.assertEqual(self.ini["Present"]["pcSourceCharacterSet"], "UTF-8")
        self.assertEqual(self.ini["ImageFiles"]["pcImageFilesLocation"].count("%s"), 1)

    @unittest.skipUnless(shutil.which("isql"), "unixODBC's isql is not installed")
    def test_connection_strings_reach_the_sample(self):
        strings = [(s, k, v) for s in self.ini.sections() if s.startswith("ODBC") for k, v in self.ini[s].items()]
        self.assertTrue(any(k == "TELVO" for _, k, _ in strings))
        for section, key, string in strings:
            table = "STK_ITEM" if key == "TELVO" else "TITLES"
            result = subprocess.run(
                ["isql", "-b", "-k", string], input=f"SELECT COUNT(*) FROM {table}\n", capture_output=True,
                text=True, cwd=WORK, timeout=60,
            )  # fmt: skip
            self.assertEqual(result.returncode, 0, f"[{section}] {key}: {result.stdout}{result.stderr}")
            self.assertIn("1 rows fetched", result.stdout, f"[{section}] {key}")


def main():
    global WORK
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", type=Path, required=True)
    args, rest = parser.parse_known_args()
    WORK = args.work
    WORK.mkdir(parents=True, exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
