#!/usr/bin/env python3
"""Search and Scan with yaz-client and zoomsh against the sample catalogue: hit counts worked out with plain
SQL on the catalogue's own tables, bib-1 diagnostics for what is not supported, scans in index order with
their record counts, and client text that reaches SQL only as text."""

import sqlite3
import subprocess

import e2e_support as e2e

STOP_WORDS = {"A", "AN", "AND", "AT", "BY", "FOR", "IN", "OF", "ON", "THE", "TO", "WITH"}


def in_words(fields):
    """Records holding the word (a parameter) as a whole word of one of the word index's fields."""
    listed = ",".join(f"'{f}'" for f in fields)
    return f"TITLE_NO IN (SELECT TITLE_NO FROM WORDS WHERE WORD = ? AND FIELD IN ({listed}))"


class SearchAndScan(e2e.ServerTestCase):
    def setUp(self):
        self.server = self.start(self.id().rsplit(".", 1)[-1])
        self.db = sqlite3.connect(self.server.sample / "catalogue.db")
        self.addCleanup(self.db.close)

    def one(self, sql, *args):
        return self.db.execute(sql, args).fetchone()[0]

    def titles(self, where, *args):
        return self.one("SELECT COUNT(*) FROM TITLES WHERE " + where, *args)

    def test_search_paths_find_what_the_catalogue_holds(self):
        title_key, author_key, subject_key, isbn, year = self.db.execute(
            "SELECT TITLE_KEY, AUTHOR_KEY, SUBJECT_KEY, ISBN, PUB_YEAR FROM TITLES WHERE TITLE_NO = 1").fetchone()
        begins = self.one("SELECT TITLE_KEY FROM TITLES WHERE INSTR(TITLE_KEY || ' ', ' ') > 6 LIMIT 1")[:5]
        word = next(w for w in title_key.split() if w not in STOP_WORDS and len(w) > 3)
        surname = author_key.split()[0]
        subject = subject_key.split()[0]
        stem = self.one("SELECT STEM FROM WORDS WHERE WORD = ? LIMIT 1", word)
        cases = [
            (f"@attr 1=4 {word.lower()}", self.titles(in_words("T"), word)),
            (f"@attr 1=4 @attr 3=1 {begins.lower()}", self.titles("TITLE_KEY LIKE ?", begins + "%")),
            (f"@attr 1=1003 {surname.lower()}", self.titles(in_words("A"), surname)),
            (f"@attr 1=1 {surname.lower()}",
             self.one("SELECT COUNT(DISTINCT TITLE_NO) FROM AUTHOR_INDEX WHERE NAME_KEY LIKE ?", f"%{surname}%")),
            (f"@attr 1=21 {subject.lower()}", self.titles(in_words("S"), subject)),
            (f"@attr 1=21 @attr 4=1 @attr 5=1 {subject[:4].lower()}",
             self.one("SELECT COUNT(DISTINCT TITLE_NO) FROM SUBJECT_INDEX WHERE HEADING_KEY LIKE ?",
                      subject[:4] + "%")),
            (f"@attr 1=7 {isbn}",
             self.one("SELECT COUNT(DISTINCT TITLE_NO) FROM ISBNS WHERE ISBN = ?", isbn.replace("-", ""))),
            (f"@attr 1=31 @attr 2=1 {year}", self.titles("PUB_YEAR < ?", year)),
            (f"@attr 1=31 @attr 2=2 {year}", self.titles("PUB_YEAR <= ?", year)),
            (f"@attr 1=31 @attr 2=3 {year}", self.titles("PUB_YEAR = ?", year)),
            (f"@attr 1=31 @attr 2=4 {year}", self.titles("PUB_YEAR >= ?", year)),
            (f"@attr 1=31 @attr 2=5 {year}", self.titles("PUB_YEAR > ?", year)),
            (word.lower(), self.titles(in_words("TASN"), word)),
            (f"@attr 1=1016 {word.lower()}", self.titles(in_words("TASN"), word)),
            (f"@attr 1=4 @attr 5=1 {word[:-1].lower()}", self.titles(
                "TITLE_NO IN (SELECT TITLE_NO FROM WORDS WHERE FIELD = 'T' AND WORD LIKE ?)", word[:-1] + "%")),
            (f"@and @attr 1=4 {word.lower()} @attr 1=21 {subject.lower()}",
             self.titles(f"{in_words('T')} AND {in_words('S')}", word, subject)),
            (f"@or @attr 1=4 {word.lower()} @attr 1=21 {subject.lower()}",
             self.titles(f"{in_words('T')} OR {in_words('S')}", word, subject)),
            (f"@not @attr 1=21 {subject.lower()} @attr 1=4 {word.lower()}",
             self.titles(f"{in_words('S')} AND NOT {in_words('T')}", subject, word)),
            (f"@attr 1=1016 @attr 2=102 {word.lower()}",
             self.one("SELECT COUNT(DISTINCT TITLE_NO) FROM WORDS WHERE STEM = ?", stem)),
        ]
        output = self.server.yaz([f"find {query}" for query, _ in cases])
        self.assertEqual(e2e.searches(output), [("hits", expected) for _, expected in cases], output)
        self.assertGreater(cases[0][1], 0, "the first title's own word finds it")

        zoom = subprocess.run(["zoomsh"], input=f"connect 127.0.0.1:{self.server.port}\n"
                              f"search @attr 1=21 {subject.lower()}\nquit\n",
                              text=True, capture_output=True, timeout=e2e.DEADLINE).stdout
        self.assertIn(f": {cases[4][1]} hits", zoom)

    def test_unsupported_searches_answer_their_bib1_diagnostics(self):
        output = self.server.yaz([
            "find @attr 1=9999 x",
            "find @attrset exp1 @attr 1=1 x",
            "find @attr 1=12 abc",
            'find @attr 1=4 "!!!"',
            "find @prox 0 1 0 2 k 2 @attr 1=4 a @attr 1=4 b",
            "base NOSUCH",
            "find @attr 1=4 x",
        ])
        self.assertEqual(e2e.searches(output), [("diagnostic", code) for code in (114, 123, 125, 125, 201, 235)])

    def test_scans_list_index_terms_in_order_with_their_counts(self):
        headings = self.db.execute(
            "SELECT MIN(HEADING), COUNT(DISTINCT TITLE_NO) FROM SUBJECT_INDEX GROUP BY HEADING_KEY "
            "ORDER BY HEADING_KEY").fetchall()
        keys = [row[0] for row in self.db.execute(
            "SELECT DISTINCT HEADING_KEY FROM SUBJECT_INDEX ORDER BY HEADING_KEY")]
        at = len(keys) // 2
        subject = keys[at]
        last_author = self.one("SELECT MAX(NAME_KEY) FROM AUTHOR_INDEX")
        authors = self.db.execute(
            "SELECT MIN(NAME), COUNT(*) FROM AUTHOR_INDEX GROUP BY NAME_KEY ORDER BY NAME_KEY").fetchall()

        output = self.server.yaz([
            "scansize 5", f'scan @attr 1=21 "{subject.lower()}"',
            "scanpos 3", f'scan @attr 1=21 "{subject.lower()}"',
            "scanpos 1", f'scan @attr 1=1003 "{last_author}"',
            "scan @attr 1=1003 zzzz",
            "scanstep 2", "scan @attr 1=4 x",
        ])
        answers = e2e.scans(output)
        self.assertEqual(answers[0], (1, [tuple(row) for row in headings[at:at + 5]]), output)
        self.assertEqual(answers[1], (3, [tuple(row) for row in headings[at - 2:at + 3]]), output)
        self.assertEqual(answers[2], (1, [tuple(authors[-1])]), "the last author: fewer than asked for")
        self.assertEqual(answers[3], (6, [tuple(row) for row in authors[-5:]]), "beyond the index: the last terms")
        self.assertEqual(answers[4], ("diagnostic", 100), "a step size is not supported")

        zoom = subprocess.run(["zoomsh"], input=f"connect 127.0.0.1:{self.server.port}\n"
                              f'scan @attr 1=21 "{subject.lower()}"\nquit\n',
                              text=True, capture_output=True, timeout=e2e.DEADLINE).stdout
        self.assertIn(f"{headings[at][0]} {headings[at][1]}", zoom)

    def test_client_text_reaches_sql_only_as_text(self):
        output = self.server.yaz([
            "find @attr 1=13 \"X' OR '1'='1\"",
            "find @attr 1=4 @attr 4=1 \"' OR 1=1 --\"",
            "find @attr 1=12 \"1 OR 1=1\"",
            "scan @attr 1=4 \"x' or '1'='1\"",
            "scan @attr 1=21 \"'\"",
        ])
        self.assertEqual(e2e.searches(output), [("hits", 0), ("hits", 0), ("diagnostic", 125)])
        answers = e2e.scans(output)
        self.assertEqual(len(answers), 2)
        self.assertTrue(all(answer[0] != "diagnostic" and answer[1] for answer in answers), output)
        self.assertFalse([line for line in self.server.trace_lines() if line.startswith("Sarvik Error")])


if __name__ == "__main__":
    e2e.main()
