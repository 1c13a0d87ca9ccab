#!/usr/bin/env python3
"""The protocol trace file of an association at Trace_High: a yaz-client session of Init, a Search, Presents
in SUTRS, USMARC, OPAC and GRS-1 and a Close is written between the banner and the closing lines, every APDU
in its titled block with its fields, and every field yaz-client decodes from the records is in the trace."""

import re

import e2e_support as e2e

RULE = "-" * 40
QUERY = "find @and @attr 1=4 computer @attr 1=1003 hill"
SYNTAXES = [("sutrs", "1.2.840.10003.5.101"), ("usmarc", "1.2.840.10003.5.10"), ("opac", "1.2.840.10003.5.102"),
            ("grs-1", "1.2.840.10003.5.105")]
RECEIVED = "Received the following PDU:"
SENT = "Sending the following PDU:"
# (direction, title, the printer's heading) of every APDU of the session, in order.
EXPECTED_BLOCKS = (
    [(RECEIVED, "## InitializeReq PDU ##", "InitRequest PDU"), (SENT, "## InitializeRsp PDU ##", "InitResponse PDU"),
     (RECEIVED, "## SearchReq PDU ##", "SearchRequest PDU"), (SENT, "## SearchRsp PDU ##", "SearchResponse PDU")]
    + [(RECEIVED, "## PresentReq PDU ##", "PresentRequest PDU"),
       (SENT, "## PresentRsp PDU ##", "PresentResponse PDU")] * len(SYNTAXES)
    + [(RECEIVED, "## Close 'CloseReq' PDU ##", "Close PDU"), (SENT, "## Close 'CloseRsp' PDU ##", "Close PDU")])
TIME = r"\d\d:\d\d:\d\d \t\d\d/\d\d/\d{4} \n \n"


def unescaped(text):
    """A trace field's text with its escaped control characters (\\r, \\n, \\t, \\xHH) put back."""
    return re.sub(r"\\(x[0-9A-F]{2}|[rnt])",
                  lambda m: {"r": "\r", "n": "\n", "t": "\t"}.get(m[1]) or chr(int(m[1][1:], 16)), text)


def split_lines(text):
    # Not str.splitlines(): yaz-client's record output holds MARC separators that it would take for line ends.
    return text.split("\n")


def pdu_blocks(lines):
    """(the line before the block, title, field lines) of every APDU block of a trace, in order."""
    blocks = []
    for at, line in enumerate(lines):
        if line.startswith("## ") and line.endswith(" PDU ##") and at >= 2 and lines[at - 1] == RULE:
            end = lines.index(RULE, at + 1)
            blocks.append((lines[at - 2], line, lines[at + 1:end]))
    return blocks


def record_output(output, record_type):
    """The lines yaz-client printed for the first record of the type."""
    part = output.split(f"[SAMPLE]Record type: {record_type}\n", 1)[1]
    return split_lines(part.split("\nnextResultSetPosition", 1)[0])


class Trace(e2e.ServerTestCase):
    def assert_fields_in_order(self, block, patterns, what):
        """Each regular expression matches the block's text (its lines joined), each after the one before."""
        text = "\n".join(block) + "\n"
        at = 0
        for pattern in patterns:
            found = re.compile(pattern, re.M).search(text, at)
            if found is None:
                self.fail(f"{what}: no {pattern!r} after offset {at} in:\n{text}")
            at = found.end()

    def test_a_high_trace_prints_every_apdu_and_record_field(self):
        server = self.start("trace", {("Tracing", "trace"): 1, ("Tracing", "tracefile"): "session-%02d.trace"})
        commands = ["base SAMPLE", QUERY]
        for syntax, _ in SYNTAXES:
            commands += [f"format {syntax}", "elements F", "show 1"]
        output = server.yaz(commands + ["close"])
        hits = re.search(r"Number of hits: (\d+)", output)
        self.assertIsNotNone(hits, output)
        self.assertGreater(int(hits.group(1)), 0)
        self.assertIn("Target has closed the association", output)

        path = server.dir / "session-01.trace"
        e2e.wait_until(lambda: path.exists() and "Ended at:" in path.read_text(errors="replace"),
                       "the end of the association's trace")
        text = path.read_text(errors="replace")
        lines = split_lines(text)

        self.assertRegex(text, r"\ABrellin Pontrel for Windows API Trace Information\n-{49}\n\n"
                         r"Beginning trace for Association:\d+\nStarted at " + TIME
                         + r"Association uses stack: TCP_Stack\n\nBeginning Trace at Level: Trace_High\n")
        self.assertRegex(text, r"\nEnding current trace\.\nEnded at:" + TIME + r"\Z")
        self.assertNotIn("PDU fields are only displayed", text)

        blocks = pdu_blocks(lines)
        self.assertEqual([(before, title) for before, title, _ in blocks],
                         [(before, title) for before, title, _ in EXPECTED_BLOCKS])
        for (_, title, fields), (_, _, heading) in zip(blocks, EXPECTED_BLOCKS):
            self.assertEqual(fields[:2], ["", heading], title)
            self.assertIn("ppsOtherInformation: NULL", fields, title)
        fields = [block[2] for block in blocks]
        init_request, init_response, search_request, search_response = fields[:4]
        presents = fields[4:-2]
        close_request, close_response = fields[-2:]

        self.assert_fields_in_order(init_request, [r"^pcProtocolVersion: 1[01]+$", r"^psImplementationName: YAZ$",
                                                   r"^Hex: 59415a$"], "InitializeReq")
        self.assert_fields_in_order(init_response, [r"^pcOptions: 1[01]*$", r"^fResult: TRUE$",
                                                    r"^psImplementationName: Quorvane Z39\.50 Server$"],
                                    "InitializeRsp")
        self.assert_fields_in_order(search_request, [
            r"^ppsDatabaseNames:$", r"^\tSAMPLE$", r"^\teQueryType: QT_Rpn$",
            r"^KivRPNQuery pcAttributeSetId: 1\.2\.840\.10003\.3\.1$", r"^RST_RpnLopRopOperator:$",
            r"attype: 1 attval: 4 ", r"^psGeneral: computer$", r"attype: 1 attval: 1003 ", r"^psGeneral: hill$",
            r"^sOperator: AND$"], "SearchReq")
        self.assert_fields_in_order(search_response,
                                    [rf"^ulResultCount: {hits.group(1)}$", r"^fSearchStatus: KIV_TRUE$"], "SearchRsp")
        for (syntax, oid), request, response in zip(SYNTAXES, presents[0::2], presents[1::2]):
            self.assert_fields_in_order(request, [r"^ulResultSetStartPoint: 1$", r"^ulNumberOfRecordsRequested: 1$",
                                                  r"^psRecordComposition:$", r"^EST_Generic:$", r"^F$",
                                                  rf"^pcPreferredRecordSyntax: {re.escape(oid)}$"], syntax)
            self.assert_fields_in_order(response, [r"^ulNumberOfRecordsReturned: 1$", r"^ePresentStatus: PS_Success$",
                                                   r"^RT_Response:$", r"^psDatabaseName: SAMPLE$", r"^DRT_Retrieval:$",
                                                   rf"^\tObjectIdentifier: {re.escape(oid)}$"], syntax)
        sutrs, marc, opac, grs1 = presents[1::2]

        # SUTRS: the text on one line, its line ends escaped, and, whole, as hexadecimal.
        text_lines = record_output(output, "SUTRS")
        title = re.match(r"Title: (.*)", text_lines[0]).group(1)
        self.assert_fields_in_order(sutrs, [r"^\teASN1Type: AT_UnstructuredText$"], "SUTRS")
        label = "\tpsUnstructuredText: "
        shown = unescaped(next(line for line in sutrs if line.startswith(label))[len(label):])
        self.assertEqual([line for line in shown.split("\n") if line], [line for line in text_lines if line])
        hex_texts = [bytes.fromhex(line[5:]).decode() for line in sutrs if line.startswith("Hex: ")]
        self.assertIn([line for line in text_lines if line], [split_lines(text.strip("\n")) for text in hex_texts])

        # USMARC: the ISO 2709 record as its octets (separators escaped), as long as its leader says.
        self.assert_fields_in_order(marc, [r"^\teValueType: EVT_OctetAligned$"], "USMARC")
        octets = next(line for line in marc if line.startswith("\tpsOctetAligned:"))[len("\tpsOctetAligned:"):]
        self.assertNotIn("\x1d", octets)
        octets = unescaped(octets)
        record = octets.encode()
        self.assertEqual(len(record), int(record[:5]), octets)
        self.assertTrue(record.endswith(b"\x1d"), octets)
        self.assertIn(f"\x1fa{title}".encode(), record)

        # OPAC: the MARC record and every holdings field yaz-client shows.
        opac_fields = [r"^\teASN1Type: AT_OpacRecord$", r"^psOpacRecord:$", r"^psBibliographicRecord: $",
                       r"^\tObjectIdentifier: 1\.2\.840\.10003\.5\.10$", r"^\tpsOctetAligned:\d{5}"]
        shown = record_output(output, "OPAC")
        self.assertIn("Data holdings 0", shown)
        for line in shown:
            if line.startswith("Data holdings"):
                opac_fields.append(r"^HRT_HoldingsAndCirc$")
                continue
            field = re.match(r" ?(\w+): (.+)$", line)
            if field is None:
                continue
            name, value = field.groups()
            if name in ("availableNow", "renewable", "onHold"):
                opac_fields.append(rf"^f{name[0].upper()}{name[1:]}: KIV_{'FALSE' if value == '0' else 'TRUE'}$")
            else:
                opac_fields.append(rf"^ps{name[0].upper()}{name[1:]}: {re.escape(value)}$")
        self.assertIn(r"^psCallNumber: ", "".join(opac_fields))
        self.assert_fields_in_order(opac, opac_fields, "OPAC")

        # GRS-1: every element yaz-client shows, with its tag, its content and its variant.
        grs1_fields = [r"^\teASN1Type: AT_GenericRecord$", r"^psGenericRecord:$"]
        elements = 0
        for line in record_output(output, "GRS-1"):
            variant = re.match(r"\s+class=(\d+),type=(\d+),value=(.+)$", line)
            if variant:
                grs1_fields += [rf"^ulClass: {variant[1]}\nulType: {variant[2]}$",
                                rf"^psInternationalString: {re.escape(variant[3])}$"]
                continue
            element = re.match(r"\s*\((\d+),([^)]+)\) ?(.*)$", line)
            if element is None:
                continue
            elements += 1
            tag_type, tag, content = element.groups()
            tag_kind = "ulNumeric" if tag.isdigit() else "psString"
            grs1_fields.append(rf"^pulTagType: {tag_type}\nsTagValue: {tag_kind}: {re.escape(tag)}$")
            if content == "":
                grs1_fields.append(r"^eElementDataGType: EDT_Subtree$")
            elif content.startswith("? type = "):
                grs1_fields.append(r"^fTrueOrFalse: KIV_(TRUE|FALSE)$")
            elif content.startswith("Date: "):
                grs1_fields.append(rf"^pcDate: {re.escape(content[6:])}$")
            else:
                grs1_fields.append(rf"^(psString|ulNumeric): {re.escape(content)}$")
        self.assertGreater(elements, 5)
        self.assertIn(rf"^(psString|ulNumeric): {re.escape(title)}$", grs1_fields)
        self.assert_fields_in_order(grs1, grs1_fields, "GRS-1")

        for close in (close_request, close_response):
            self.assert_fields_in_order(close, [r"^eCloseReason: CR_Finished$"], "Close")

    def test_a_character_set_proposal_is_decoded_and_traced(self):
        server = self.start("charset", {("Tracing", "trace"): 1, ("Tracing", "tracefile"): "session-%02d.trace"})
        output = server.yaz(["charset UTF-8", f"open {server.address()}", "close"], connect=False)
        self.assertIn("Target has closed the association", output)

        path = server.dir / "session-01.trace"
        e2e.wait_until(lambda: path.exists() and "Ended at:" in path.read_text(errors="replace"),
                       "the end of the association's trace")
        blocks = pdu_blocks(split_lines(path.read_text(errors="replace")))
        self.assertEqual([title for _, title, _ in blocks][:2], ["## InitializeReq PDU ##", "## InitializeRsp PDU ##"])
        init_request, init_response = blocks[0][2], blocks[1][2]

        # The proposal rides in the Init's OtherInformation and is decoded field by field, nothing left raw.
        # yaz-client proposes UTF-8 as an ISO 10646 set in version 3 of the format, which leaves out the collections.
        self.assert_fields_in_order(init_request, [
            r"^\tObjectIdentifier: 1\.2\.840\.10003\.15\.3$", r"^\teValueType: EVT_SingleASN1Type$",
            r"^\teASN1Type: AT_CharSetAndLanguage$", r"^\tpsCharSetAndLanguage:$",
            r"^eCharSetAndLanguageType: CSALT_Proposal$", r"^psProposal:$", r"^ppsProposedCharSets:$",
            r"^psProposedCharSet:$", r"^eProposedCharSetType: PRCST_Iso10646$", r"^psIso10646:$",
            r"^pcCollections: NULL$", r"^pcEncodingLevel: 1\.0\.10646\.1\.0\.8$",
            r"^pfRecordsInSelectedCharSets: KIV_TRUE$"], "InitializeReq")
        text = "\n".join(init_request) + "\n"
        for unknown in ("psUnknownType", "eASN1Type: Unknown", "Type: \n", "NESTING TOO DEEP"):
            self.assertNotIn(unknown, text)

        # The server answers the Init as ever: accepted, with no negotiation of its own.
        self.assert_fields_in_order(init_response, [r"^fResult: TRUE$"], "InitializeRsp")
        self.assertIn("ppsOtherInformation: NULL", init_response)
        self.assertNotIn("psCharSetAndLanguage", "\n".join(init_response))

    def test_client_text_cannot_forge_trace_lines(self):
        server = self.start("forge", {("Tracing", "trace"): 1, ("Tracing", "tracefile"): "session-%02d.trace"})
        client = self.connect(server)
        client.send(e2e.init_request(name=b"yaz\r\n## SearchRsp PDU ##\x1b[2J"))
        self.assertTrue(e2e.init_result(client.read_apdu()))
        client.send(e2e.close_request())
        client.read_apdu()
        client.close()

        path = server.dir / "session-01.trace"
        e2e.wait_until(lambda: path.exists() and "Ended at:" in path.read_text(errors="replace"),
                       "the end of the association's trace")
        text = path.read_text(errors="replace")
        self.assertIn("psImplementationName: yaz\\r\\n## SearchRsp PDU ##\\x1B[2J\n", text)
        self.assertNotIn("\x1b", text)
        self.assertNotIn("\r", text)
        self.assertNotIn("## SearchRsp PDU ##", split_lines(text))


if __name__ == "__main__":
    e2e.main()
