#!/usr/bin/env python3
"""The catalogue in PostgreSQL (QUORVANE_E2E_CONFIG=postgres, run by scripts/test_postgres) against the same
generated catalogue in SQLite: the same hits, scans and records for every access point and syntax, client
text that stays data whatever standard_conforming_strings the database defaults to, a slow statement that
holds up no other association, and a database that is down answered with diagnostics while the server stays
up."""

import os
import re
import sqlite3
import subprocess
import unittest

import e2e_support as e2e

# libpq reads the session defaults of every connection the server opens from PGOPTIONS.
BACKSLASH_ESCAPES = {"PGOPTIONS": "-c standard_conforming_strings=off"}
# A search that waits for the test: its statement reads a table that the test keeps locked.
GATED_SEARCH = ('1032,"SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO XXTERMXX AND NOT EXISTS '
                '(SELECT 1 FROM {gate})",NUMBER,FALSE,0,0,0;\n')


def psql(*statements):
    """A psql session on the sample catalogue (PGHOST, PGPORT and PGUSER come from scripts/test_postgres)
    that runs the statements and stays open until its input is closed."""
    command = ["psql", "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-d", "quorvane_catalogue"]
    session = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    session.stdin.write("".join(statement + ";\n" for statement in statements))
    session.stdin.flush()
    return session


def run_psql(*statements):
    session = psql(*statements)
    output, _ = session.communicate(timeout=e2e.DEADLINE)
    return output


@unittest.skipUnless(e2e.CONFIG == "postgres", "runs against the PostgreSQL configuration (scripts/test_postgres)")
class PostgresCatalogue(e2e.ServerTestCase):
    maxDiff = None

    def setUp(self):
        self.postgres = self.start("postgres")
        self.sqlite = self.start("sqlite", config="")
        self.db = sqlite3.connect(self.sqlite.sample / "catalogue.db")
        self.addCleanup(self.db.close)

    def one(self, sql, *args):
        return self.db.execute(sql, args).fetchone()[0]

    def assert_same_answers(self, commands, parse, *servers):
        """Every server (the PostgreSQL one by default) answers each find and scan of the commands as the
        SQLite one does, without an error; answers the SQLite answers."""
        requests = [command for command in commands if command.split()[0] in ("find", "scan")]
        expected = parse(self.sqlite.yaz(commands))
        self.assertEqual(len(expected), len(requests))
        for server in servers or (self.postgres,):
            self.assertEqual(dict(zip(requests, parse(server.yaz(commands)))), dict(zip(requests, expected)))
            self.assertFalse([line for line in server.trace_lines() if line.startswith("Sarvik Error")])
        return expected

    def test_every_access_point_finds_the_same_records(self):
        title, author, subject, isbn, year, dewey, place, publisher = self.db.execute(
            "SELECT TITLE_KEY, AUTHOR_KEY, SUBJECT_KEY, ISBN, PUB_YEAR, DEWEY_CLASS, PUB_PLACE_KEY, "
            "PUBLISHER_KEY FROM TITLES WHERE DEWEY_CLASS IS NOT NULL AND AUTHOR_KEY IS NOT NULL "
            "AND ISBN IS NOT NULL ORDER BY TITLE_NO LIMIT 1").fetchone()
        word = max(title.split(), key=len).lower()
        issn = self.one("SELECT ISSN FROM SERIALS LIMIT 1")
        series = self.one("SELECT S.NAME_KEY FROM SERIES S JOIN TITLES T ON T.SERIES_NO = S.SERIES_NO LIMIT 1")
        note = self.one("SELECT NOTE_KEY FROM TITLES WHERE NOTE_KEY IS NOT NULL LIMIT 1").split()[-1]
        surname, heading = author.split()[0].lower(), subject.split()[0].lower()
        queries = [
            f"@attr 1=4 {word}", f"@attr 1=4 @attr 3=1 {title[:4].lower()}", f'@attr 1=4 @attr 6=3 "{title}"',
            f"@attr 1=4 @attr 2=101 {word}", f"@attr 1=4 @attr 4=1 {title.split()[0].lower()}",
            f"@attr 1=5 {series[:5].lower()}", f"@attr 1=7 {isbn}", f"@attr 1=8 {issn}",
            "@attr 1=12 @attr 2=2 10", f"@attr 1=13 {dewey[:2]}", f"@attr 1=1 {surname}", f"@attr 1=1004 {surname}",
            f"@attr 1=21 {heading}", f"@attr 1=21 @attr 4=1 {heading[:3]}", f"@attr 1=30 @attr 2=4 {year}",
            f"@attr 1=31 @attr 2=1 {year}", "@attr 1=32 @attr 2=5 2020", "@attr 1=1011 @attr 2=2 2022-06-30",
            "@attr 1=1012 @attr 2=4 2023", '@attr 1=54 "eng fre"', f"@attr 1=1003 {surname}",
            f"@attr 1=59 {place.split()[0].lower()}", f"@attr 1=63 {note.lower()}",
            f"@attr 1=1018 {publisher.split()[0].lower()}", "@attr 1=1031 book", f"@attr 1=1016 {word}",
            f"@attr 1=1016 @attr 2=101 {word}", f"@attr 1=1016 @attr 2=102 {word}", f"@attr 1=1035 {heading}",
            f"@and @attr 1=4 {word} @attr 1=1003 {surname}", f"@or @attr 1=21 {heading} @attr 1=1031 ser",
        ]
        answers = self.assert_same_answers([f"find {query}" for query in queries], e2e.searches)
        self.assertEqual([query for query, answer in zip(queries, answers) if answer[0] != "hits" or not answer[1]],
                         [], "every query finds records")

    def test_scans_list_the_same_terms_in_the_same_order(self):
        middle = self.one("SELECT HEADING_KEY FROM SUBJECTS ORDER BY HEADING_KEY LIMIT 1 OFFSET 10")
        commands = ["scansize 8"] + [f'scan @attr 1={use} "{term}"' for use in (4, 1, 1003, 1004, 5, 1018)
                                     for term in ("a", "m", "zzz")]
        commands += ["scanpos 4", f'scan @attr 1=21 "{middle.lower()}"', "scanpos 1", 'scan @attr 1=21 "0"']
        answers = self.assert_same_answers(commands, e2e.scans)
        self.assertTrue(all(answer[0] != "diagnostic" and answer[1] for answer in answers), answers)

    def test_every_syntax_presents_the_same_records(self):
        def records(server, database, syntax, element_set):
            dump = server.dir / f"{database}-{syntax}-{element_set}.out"
            output = server.yaz([f"base {database}", f"set_marcdump {dump}", "find @attr 1=12 @attr 2=5 0",
                                 f"format {syntax}", f"elements {element_set}", f"show 1+{e2e.SAMPLE_RECORDS}"])
            shown = re.sub(r"(?m)^Elapsed: .*$", "", output.split("Sent presentRequest")[1])
            return shown, dump.read_bytes() if dump.exists() else b""

        cases = [(database, syntax, element_set) for database in ("SAMPLE", "SAMPLEMARC", "SAMPLERAW")
                 for syntax in ("usmarc", "sutrs", "grs-1", "xml", "html") for element_set in ("F", "B")]
        cases += [("SAMPLE", "opac", "F"), ("SAMPLE", "opac", "B")]
        for case in cases:
            with self.subTest(case=case):
                shown, dump = records(self.postgres, *case)
                self.assertEqual(shown.count(f"[{case[0]}]Record type:"), e2e.SAMPLE_RECORDS, shown[-2000:])
                self.assertEqual((shown, dump), records(self.sqlite, *case))

    def test_quotes_backslashes_wildcards_and_accents_in_terms_are_data(self):
        accented = self.one("SELECT WORD FROM WORDS WHERE WORD GLOB '*[^ -~]*' ORDER BY WORD LIMIT 1")
        terms = ["'", "\\\\", "\\\\'", "x\\\\' OR 1=1 --", "%", "_", "5_", "%'--", "\\\\5", "9\\\\",
                 "é", "ÉTÉ", "日本", accented, accented.lower()]
        uses = ["@attr 1=13", "@attr 1=1031", "@attr 1=7", "@attr 1=4 @attr 3=1", "@attr 1=1016",
                "@attr 1=21 @attr 4=1 @attr 5=1", "@attr 1=1016 @attr 2=102"]
        queries = [f'find {use} "{term}"' for use in uses for term in terms]
        queries += [f'scan @attr 1={use} "{term}"' for use in (4, 21) for term in terms[:4]]
        backslash_escapes = self.start("backslash_escapes", environment=BACKSLASH_ESCAPES)
        answers = self.assert_same_answers(queries, lambda output: e2e.searches(output) + e2e.scans(output),
                                           self.postgres, backslash_escapes)
        searches = dict(zip(queries, answers))
        self.assertGreater(searches[f'find @attr 1=1016 "{accented}"'], ("hits", 0))
        self.assertEqual(searches['find @attr 1=13 "x\\\\\' OR 1=1 --"'], ("hits", 0))

    def test_a_slow_statement_does_not_hold_up_other_associations(self):
        gate = f"SLOW_GATE_{os.getpid()}"
        run_psql(f"CREATE TABLE {gate} (N INTEGER)")
        self.addCleanup(run_psql, f"DROP TABLE {gate}")
        server = self.postgres
        with (server.control / "search.tblx").open("a") as definitions:
            definitions.write(GATED_SEARCH.format(gate=gate))
        lock = psql("BEGIN", f"LOCK TABLE {gate} IN ACCESS EXCLUSIVE MODE", "SELECT 'locked'")
        self.assertEqual(lock.stdout.readline().strip(), "locked")
        slow = subprocess.Popen(["yaz-client", server.address()], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True)
        self.addCleanup(slow.kill)
        slow.stdin.write("find @attr 1=1032 1\n")
        slow.stdin.flush()
        waiting = f"SELECT COUNT(*) FROM pg_stat_activity WHERE wait_event_type = 'Lock' AND query LIKE '%{gate}%'"
        e2e.wait_until(lambda: run_psql(waiting).strip() == "1", "the slow statement to wait")

        self.assertIn("Number of hits", server.yaz(["find @attr 1=4 history"]))
        self.assertEqual(server.trace().count("Sent SearchResponse PDU"), 1, "the slow search is still waiting")
        lock.communicate("COMMIT;\n", timeout=e2e.DEADLINE)
        output, _ = slow.communicate("quit\n", timeout=e2e.DEADLINE)
        self.assertIn("Number of hits: 1", output)

    def test_a_database_that_is_down_gets_diagnostics_and_the_server_stays_up(self):
        down = self.start("down", connection=f"Servername={self.postgres.dir / 'no-such-socket-directory'}")
        output = down.yaz(["find @attr 1=4 history"] * 4 + ["base SAMPLERAW", "find @attr 1=4 history"])
        output += down.yaz(["find @attr 1=4 history"])
        self.assertEqual(e2e.searches(output), [("diagnostic", 109)] * 6, output)
        failed = "Sarvik Error: Failed to do SQLDriverConnect on Driver=PostgreSQL ANSI;"
        self.assertGreaterEqual(down.trace().count(failed), 6, "the trace shows every failure")
        diaginfo = down.dir / "diaginfo.txt"
        reason = re.compile(r"ODBC diagnostic 08001 \(\d+\): connection to server .* failed")
        e2e.wait_until(lambda: diaginfo.exists() and reason.search(diaginfo.read_text()), "the driver's reason")
        # The error log says it with the driver's reason, once per database while it stays down.
        errors = (down.dir / "QuorvaneError.log").read_text()
        failures = [line for line in errors.splitlines() if failed in line]
        self.assertEqual(len(failures), 2, errors)
        for line, database in zip(failures, ("DEFAULT", "SAMPLERAW")):
            self.assertRegex(line, reason)
            self.assertTrue(line.endswith(f"(logged once until database {database} connects again)"), line)
        self.assertIn("Number of hits", self.postgres.yaz(["find @attr 1=4 history"]))


if __name__ == "__main__":
    e2e.main()
