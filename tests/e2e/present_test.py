#!/usr/bin/env python3
"""Present with yaz-client and zoomsh against the sample catalogue: Search then Present in every record
syntax with element sets F and B, every MARC record read back by yaz-marcdump, start points outside the
result set, OPAC holdings with circulation status, and the negotiated message sizes."""

import re
import subprocess

import e2e_support as e2e

EVERY_RECORD = "find @attr 1=12 @attr 2=5 0"


def presents(output):
    """Per present of a yaz-client run: (record types, next position), or ("diagnostic", condition)."""
    def present(part):
        types = re.findall(r"^\[SAMPLE\]Record type: (.*)$", part, re.M)
        next_position = re.search(r"nextResultSetPosition = (\d+)", part)
        return types, int(next_position.group(1)) if next_position else None
    return e2e.answers(output, "Sent presentRequest", present)


class Present(e2e.ServerTestCase):
    def setUp(self):
        self.server = self.start(self.id().rsplit(".", 1)[-1])

    def zoomsh(self, *commands, options=()):
        args = ["zoomsh"] + [f"set {name} {value}" for name, value in options]
        args += [f"connect 127.0.0.1:{self.server.port}/SAMPLE"] + list(commands) + ["quit"]
        done = subprocess.run(args, text=True, capture_output=True, timeout=e2e.DEADLINE)
        return done.stdout + done.stderr

    def test_marc_records_in_full_and_brief_are_sound_iso_2709(self):
        dump = self.server.dir / "records.mrc"
        commands = ["base SAMPLE", f"set_marcdump {dump}", EVERY_RECORD]
        for syntax in ("usmarc", "ukmarc"):
            for element_set in ("F", "B"):
                commands += [f"format {syntax}", f"elements {element_set}", "show 1+3"]
        output = self.server.yaz(commands)
        self.assertIn(f"Number of hits: {e2e.SAMPLE_RECORDS}", output)
        # SAMPLE's MARC records go out as MARC 21 whatever MARC syntax is asked for.
        self.assertEqual(presents(output), [(["USmarc"] * 3, 4)] * 4)

        checked = subprocess.run(["yaz-marcdump", "-n", str(dump)], capture_output=True, text=True)
        self.assertEqual((checked.returncode, checked.stdout + checked.stderr), (0, ""))
        xml = subprocess.run(["yaz-marcdump", "-o", "marcxml", str(dump)], capture_output=True, text=True)
        self.assertEqual(xml.stdout.count("<record"), 12)
        records = xml.stdout.split("<record")[1:]
        self.assertIn('tag="650"', records[0], "a full record has its subjects")
        self.assertNotIn('tag="650"', records[3], "a brief one has not")

    def test_text_and_markup_syntaxes_in_full_and_brief(self):
        commands = ["base SAMPLE", EVERY_RECORD]
        for syntax in ("sutrs", "grs-1", "html", "xml"):
            for element_set in ("F", "B"):
                commands += [f"format {syntax}", f"elements {element_set}", "show 2+2"]
        output = self.server.yaz(commands)
        self.assertEqual(presents(output), [
            (["SUTRS"] * 2, 4), (["SUTRS"] * 2, 4), (["GRS-1"] * 2, 4), (["GRS-1"] * 2, 4),
            (["html"] * 2, 4), (["html"] * 2, 4), (["XML"] * 2, 4), (["XML"] * 2, 4)])
        sutrs_full, sutrs_brief = output.split("Sent presentRequest")[1:3]
        self.assertIn("Summary:", sutrs_full)
        self.assertNotIn("Summary:", sutrs_brief)
        # GRS-1 leaves out the columns a record lacks, never showing their names: in brief the summary and
        # language, which only the full statements fetch.
        grs1_full, grs1_brief = output.split("Sent presentRequest")[3:5]
        self.assertRegex(grs1_full, r"(?m)^\(2,6\) \w")
        self.assertNotRegex(grs1_brief, r"(?m)^\(2,(6|20)\) ")
        column_names = "LANGUAGE_CODE|SUBJECT|SUMMARY|EDITION|PAGES|DIMENSIONS|SERIES|ELECTRONIC_LINK"
        self.assertNotRegex(output, rf"(?m)^ *\(\d+,\w+\) ({column_names})$")
        self.assertIn('<div class="record"', output)

    def test_start_points_outside_are_refused_and_a_range_past_the_end_returns_the_rest(self):
        output = self.server.yaz(["base SAMPLE", EVERY_RECORD, "format sutrs", "show 0",
                                  f"show {e2e.SAMPLE_RECORDS + 1}", f"show {e2e.SAMPLE_RECORDS}+1",
                                  f"show {e2e.SAMPLE_RECORDS - 1}+5"])
        self.assertEqual(presents(output),
                         [("diagnostic", 13), ("diagnostic", 13), (["SUTRS"], 0), (["SUTRS", "SUTRS"], 0)])

    def test_opac_records_carry_holdings_and_circulation(self):
        output = self.zoomsh("search @attr 1=12 @attr 2=5 0", "show 0 2",
                             options=[("preferredRecordSyntax", "opac"), ("elementSetName", "F")])
        self.assertEqual(output.count("<opacRecord>"), 2, output)
        self.assertIn("<bibliographicRecord>", output)
        self.assertIn("<callNumber>", output)
        self.assertIn("<circulation>", output)
        self.assertRegex(output, r'<availableNow value="[01]"/>')

    def test_yaz_client_decodes_opac_records_by_their_marc_syntax(self):
        # yaz-client decodes the bibliographic record by the syntax its EXTERNAL names, and crashes on one
        # that names none.
        commands = ["base SAMPLE", EVERY_RECORD, "format opac", "elements F", "show 1+3", "elements B",
                    "show 4+2", "quit"]
        done = subprocess.run(["yaz-client", f"tcp:127.0.0.1:{self.server.port}"],
                              input="".join(c + "\n" for c in commands), text=True, capture_output=True,
                              timeout=e2e.DEADLINE)
        output = done.stdout + done.stderr
        self.assertEqual(done.returncode, 0, output)
        self.assertEqual(presents(output), [(["OPAC"] * 3, 4), (["OPAC"] * 2, 6)], output)
        self.assertEqual(len(re.findall(r"^Record type: USmarc$", output, re.M)), 5, output)
        self.assertEqual(len(re.findall(r"^245 \d\d \$a ", output, re.M)), 5, output)
        self.assertIn("Data holdings 0", output)
        self.assertRegex(output, r"(?m)^callNumber: \S")

    def test_message_sizes_give_diagnostics_and_partial_results(self):
        output = self.zoomsh("search @attr 1=12 @attr 2=5 0", "show 0 1",
                             options=[("preferredRecordSyntax", "usmarc"), ("maximumRecordSize", 100)])
        self.assertIn("(Bib-1:17) Record exceeded the exceptional record size", output)

        # Records of some 300 to 700 octets: a response takes records until more than 1000 octets are
        # placed, and the client asks again from the next position it is given.
        before = self.server.trace().count("Sent PresentResponse PDU")
        output = self.zoomsh("search @attr 1=12 @attr 2=5 0", "show 0 10",
                             options=[("preferredRecordSyntax", "usmarc"), ("preferredMessageSize", 1000)])
        self.assertEqual(len(re.findall(r"^\d+ database=SAMPLE syntax=USmarc", output, re.M)), 10, output)
        e2e.wait_until(lambda: self.server.trace().count("Sent PresentResponse PDU") - before >= 3,
                       "the partial present responses")


if __name__ == "__main__":
    e2e.main()
