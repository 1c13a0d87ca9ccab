import unittest

from schema_fixture import HEADER, SchemaFolder, site_codes

from errors import SchemaError


class CodeDerivationTest(unittest.TestCase):
    def setUp(self):
        self.files = SchemaFolder()
        self.addCleanup(self.files.close)

    def derive(self, body, codes_line="codes -100 to -199\nincomplete\n"):
        self.files.write("main.asn1g", HEADER + codes_line + body)
        return self.files.load()

    def test_sequence_whose_last_component_is_optional_ends_with_length_and_stray(self):
        unit = self.derive("""
            Close ::= @code(-194) SEQUENCE {
                referenceId [2] IMPLICIT OCTET STRING OPTIONAL,
                closeReason [211] IMPLICIT INTEGER,
                diagnosticInformation [3] IMPLICIT InternationalString OPTIONAL,
                resourceReport [5] EXTERNAL OPTIONAL,
                otherInfo [201] IMPLICIT OCTET STRING OPTIONAL
            }
        """)
        self.assertEqual(site_codes(self.files.record(unit, "Close")), [
            ("missing-closeReason", -194, True),
            ("inner-resourceReport", -195, True),
            ("length", -196, True),
            ("end", -197, True),
        ])

    def test_sequence_whose_last_component_is_mandatory_reserves_an_unraised_end(self):
        unit = self.derive("""
            Operator ::= @code(-179) CHOICE { and [0] IMPLICIT NULL }
            RpnRpnOp ::= @code(-143) SEQUENCE {
                rpn1 INTEGER,
                rpn2 BOOLEAN,
                op [46] Operator
            }
        """, "codes -100 to -199\nunraised -147\nincomplete\n")
        self.assertEqual(site_codes(self.files.record(unit, "RpnRpnOp")), [
            ("missing-rpn1", -143, True),
            ("missing-rpn2", -144, True),
            ("length", -145, True),
            ("missing-op", -146, True),
            ("end", -147, False),
        ])

    def test_explicit_component_checks_its_inner_identifier_before_it_is_missed(self):
        unit = self.derive("""
            AttributeList ::= [44] IMPLICIT @code(-120) SEQUENCE OF INTEGER
            Item ::= @code(-123) SEQUENCE {
                attributes [1] AttributeList,
                occurrences @code(-121) CHOICE { global [2] INTEGER, local [3] IMPLICIT NULL } OPTIONAL,
                otherOccurInfo [201] IMPLICIT OCTET STRING OPTIONAL
            }
        """)
        self.assertEqual(site_codes(self.files.record(unit, "Item")), [
            ("inner-attributes", -123, True),
            ("missing-attributes", -124, True),
            ("length", -125, True),
            ("end", -126, True),
        ])

    def test_choice_numbers_inner_checks_of_explicit_alternatives_then_the_unknown_identifier(self):
        unit = self.derive("""
            Other ::= @code(-200) CHOICE { a [0] IMPLICIT NULL, b [1] IMPLICIT NULL }
            Query ::= @code(-253) CHOICE {
                type-0 [0] IMPLICIT OCTET STRING,
                type-2 [2] OCTET STRING,
                type-100 [100] OCTET STRING,
                nested [5] Other,
                type-102 [102] OCTET STRING
            }
        """, "codes -100 to -256\nincomplete\n")
        self.assertEqual(site_codes(self.files.record(unit, "Query")), [
            ("inner-type-2", -253, True),
            ("inner-type-100", -254, True),
            ("inner-type-102", -255, True),
            ("unknown", -256, True),
        ])

    def test_list_has_one_code_unless_its_elements_are_an_untagged_choice(self):
        unit = self.derive("""
            DiagRec ::= @code(-184) CHOICE { defaultFormat [0] IMPLICIT INTEGER, externallyDefined EXTERNAL }
            Tagged ::= @code(-110) SEQUENCE OF [105] IMPLICIT InternationalString
            Untagged ::= SEQUENCE OF DiagRec
        """)
        self.assertEqual(site_codes(self.files.record(unit, "Tagged")), [("element", -110, True)])
        self.assertEqual(site_codes(self.files.record(unit, "Untagged")), [])

    def test_whole_value_check_comes_first_and_codes_can_be_stated_explicitly(self):
        unit = self.derive("""
            DiagnosticFormat ::= @whole @code(-142) SEQUENCE OF INTEGER
            Shifted ::= @code(-150) @codes(length=-160) SEQUENCE { a INTEGER, b INTEGER OPTIONAL }
        """)
        self.assertEqual(site_codes(self.files.record(unit, "DiagnosticFormat")),
                         [("whole", -142, True), ("element", -143, True)])
        self.assertEqual(site_codes(self.files.record(unit, "Shifted")),
                         [("missing-a", -150, True), ("length", -160, True), ("end", -152, True)])

    def test_inline_types_are_named_after_holder_and_component(self):
        unit = self.derive("""
            DiagFormat ::= @code(-100) CHOICE {
                tooMany [1000] IMPLICIT @code(-101) SEQUENCE { tooManyWhat [1] IMPLICIT INTEGER },
                type-SQL [1] IMPLICIT @code(-104) SEQUENCE OF @code(-105) SEQUENCE { x INTEGER },
                renamed [2] IMPLICIT @name(Elsewhere) @code(-108) SEQUENCE { y INTEGER }
            }
        """, "codes -100 to -110\nunraised -103 -107 -110\n")
        names = [record.cname for record in unit.records]
        self.assertEqual(names, ["DiagFormat", "DiagFormatTooMany", "DiagFormatTypeSQL", "DiagFormatTypeSQLItem",
                                 "Elsewhere"])


class TilingErrorTest(unittest.TestCase):
    def setUp(self):
        self.files = SchemaFolder()
        self.addCleanup(self.files.close)

    def assertFails(self, text, where, message):
        self.files.write("main.asn1g", HEADER + text)
        with self.assertRaises(SchemaError) as caught:
            self.files.load()
        self.assertIn(where, str(caught.exception))
        self.assertIn(message, str(caught.exception))

    def test_a_gap_in_a_complete_unit_names_the_codes_line(self):
        self.assertFails("""codes -100 to -104
            A ::= @code(-100) CHOICE { a [0] IMPLICIT NULL }
            B ::= @code(-103) SEQUENCE OF INTEGER
        """, "main.asn1g:3:", "no type takes the codes -101 to -102, -104")

    def test_the_same_gap_is_allowed_while_the_unit_is_incomplete(self):
        self.files.write("main.asn1g", HEADER + """codes -100 to -104
            incomplete
            A ::= @code(-100) CHOICE { a [0] IMPLICIT NULL }
        """)
        self.assertEqual(len(self.files.load().records), 1)

    def test_overlapping_codes_name_the_later_type(self):
        self.assertFails("""codes -100 to -101
            A ::= @code(-100) SEQUENCE OF INTEGER
            B ::= @code(-100) SEQUENCE OF INTEGER
        """, "main.asn1g:5:", "code -100 of B element is also A element")

    def test_codes_outside_the_range_are_refused(self):
        self.assertFails("""codes -100 to -101
            A ::= @code(-99) SEQUENCE OF INTEGER
        """, "main.asn1g:4:", "outside -100 to -101")

    def test_unraised_numbers_must_match_the_derived_ones(self):
        self.assertFails("""codes -100 to -102
            unraised -101
            A ::= @code(-100) SEQUENCE { a INTEGER }
        """, "main.asn1g:4:", "declared unraised but raised: -101 (A missing-a)")
        self.assertFails("""codes -100 to -102
            A ::= @code(-100) SEQUENCE { a INTEGER }
        """, "main.asn1g:3:", "never raised but not declared unraised: -102 (A end)")

    def test_reserved_codes_fill_the_range(self):
        self.files.write("main.asn1g", HEADER + """codes -100 to -103
            unraised -103
            reserved -103
            whole EXTERNAL @code(-100)
            A ::= @code(-101) SEQUENCE { a INTEGER OPTIONAL }
        """)
        self.assertEqual(self.files.load().wholes[0].sites[0].code, -100)

    def test_a_type_that_raises_codes_needs_its_first_code(self):
        self.assertFails("""codes -100 to -101
            A ::= SEQUENCE { a INTEGER }
        """, "main.asn1g:4:", "A raises 3 code(s) (length, missing-a, end)")


class SchemaErrorTest(unittest.TestCase):
    def setUp(self):
        self.files = SchemaFolder()
        self.addCleanup(self.files.close)

    def assertFails(self, text, where, message, name="main.asn1g"):
        self.files.write(name, text)
        with self.assertRaises(SchemaError) as caught:
            self.files.load()
        self.assertIn(where, str(caught.exception))
        self.assertIn(message, str(caught.exception))

    def test_unknown_type_reference(self):
        self.assertFails(HEADER + "A ::= SEQUENCE OF\n    Missing\n", "main.asn1g:4:", "unknown type Missing")

    def test_duplicate_type_names_in_a_unit_and_across_included_files(self):
        self.assertFails(HEADER + "A ::= INTEGER\nA ::= BOOLEAN\n", "main.asn1g:4:", "A is defined twice")
        self.files.write("more.asn1g", "B ::= INTEGER\n")
        self.assertFails(HEADER + 'include "more.asn1g"\nB ::= BOOLEAN\n', "more.asn1g:1:",
                         "B is defined twice (first at")

    def test_inline_names_that_collide_in_the_namespace(self):
        self.assertFails(HEADER + "codes -100 to -110\nincomplete\n"
                         "AB ::= @code(-100) SEQUENCE OF INTEGER\n"
                         "A ::= CHOICE {\n  b @code(-101) SEQUENCE OF INTEGER\n}\n",
                         "main.asn1g:7:", "test::unit::AB is also defined at")

    def test_ambiguous_choice_and_sequence_identifiers(self):
        self.assertFails(HEADER + "A ::= CHOICE {\n  a [1] IMPLICIT INTEGER,\n  b [1] IMPLICIT BOOLEAN\n}\n",
                         "main.asn1g:5:", "identifier 81 also selects a")
        self.assertFails(HEADER + "A ::= SEQUENCE {\n  a [1] IMPLICIT INTEGER OPTIONAL,\n  b [1] IMPLICIT INTEGER\n}\n",
                         "main.asn1g:5:", "identifier 81 is taken by the optional a before b")

    def test_implicit_tag_on_a_choice_and_syntax_errors(self):
        self.assertFails(HEADER + "C ::= CHOICE { a INTEGER }\nA ::= SEQUENCE {\n  c [1] IMPLICIT C\n}\n",
                         "main.asn1g:5:", "a CHOICE or ANY cannot be tagged IMPLICIT")
        self.assertFails(HEADER + "A ::= SEQUENCE {\n  a INTEGER\n  b INTEGER\n}\n", "main.asn1g:5:",
                         "expected ','")

    def test_annotations_out_of_place(self):
        self.assertFails(HEADER + "A ::= SEQUENCE {\n  a INTEGER @code(-1)\n}\n", "main.asn1g:4:",
                         "@code does not apply to a component")
        self.assertFails(HEADER + "codes -100 to -101\nA ::= @code(-100) SEQUENCE OF CHOICE { a INTEGER }\n",
                         "main.asn1g:4:", "A raises no code of its own; drop @code")


if __name__ == "__main__":
    unittest.main()
