import unittest

from schema_fixture import HEADER, SchemaFolder

import samples


class SampleEncodingTest(unittest.TestCase):
    """The generic tests compare the generated code with these encodings, so they must be the runtime's."""

    def test_integers_take_the_fewest_octets(self):
        cases = [(0, "00"), (127, "7f"), (128, "0080"), (-1, "ff"), (-129, "ff7f"), (2147483647, "7fffffff"),
                 (-2147483648, "80000000")]
        for value, expected in cases:
            with self.subTest(value=value):
                self.assertEqual(samples.integer_octets(value).hex(), expected)

    def test_reals_in_binary_form(self):
        cases = [(0.0, ""), (1.0, "80f980"), (-2.5, "c0faa0"), (float("inf"), "40"), (float("-inf"), "41")]
        for value, expected in cases:
            with self.subTest(value=value):
                self.assertEqual(samples.real_octets(value).hex(), expected)
        self.assertEqual(samples.real_octets(1e100)[0], 0x81)

    def test_lengths_in_their_shortest_form(self):
        self.assertEqual(samples.length_octets(127).hex(), "7f")
        self.assertEqual(samples.length_octets(130).hex(), "8182")
        self.assertEqual(samples.length_octets(300).hex(), "82012c")

    def test_printed_forms_of_the_runtime_printers(self):
        self.assertEqual(samples.print_oid(bytes([0x2A, 0x86, 0x48])), "{1 2 840}")
        self.assertEqual(samples.print_octets(bytes([0x41, 0x0A, 0x42])), "'410a42'H  -- \"A.B\" --")


class SampleValueTest(unittest.TestCase):
    def setUp(self):
        self.files = SchemaFolder()
        self.addCleanup(self.files.close)

    def test_recursive_types_get_finite_samples_and_every_alternative(self):
        self.files.write("main.asn1g", HEADER + """codes -100 to -104
            unraised -104
            Tree ::= @code(-100) CHOICE {
                node [1] IMPLICIT @code(-101) SEQUENCE { left Tree, right Tree },
                leaf [2] IMPLICIT INTEGER
            }
        """)
        unit = self.files.load()
        tree = self.files.record(unit, "Tree")
        maker = samples.SampleMaker(unit.records)
        named = dict(maker.samples(tree))
        self.assertEqual(set(named), {"min", "max", "alt node", "alt leaf"})
        self.assertEqual(samples.sample_octets(tree, named["min"]).hex(), "820100")
        self.assertLess(len(samples.sample_octets(tree, named["max"])), 200)
        self.assertEqual(samples.print_record(tree, named["min"], 0), "leaf 0")

    def test_sequence_sample_octets_and_print(self):
        self.files.write("main.asn1g", HEADER + """codes -100 to -103
            Close ::= @code(-100) SEQUENCE {
                closeReason [211] IMPLICIT INTEGER,
                diagnosticInformation [3] IMPLICIT InternationalString OPTIONAL
            }
            Names ::= @code(-103) SEQUENCE OF [1] IMPLICIT InternationalString
        """)
        unit = self.files.load()
        close = self.files.record(unit, "Close")
        value = {0: 0}
        self.assertEqual(samples.sample_octets(close, value).hex(), "30059f81530100")
        self.assertEqual(samples.print_record(close, value, 4), "{ -- SEQUENCE --\n        closeReason 0\n    }")
        names = self.files.record(unit, "Names")
        self.assertEqual(samples.print_record(names, [b"a", b"b"], 0),
                         "{ -- SEQUENCE OF -- \n    '61'H  -- \"a\" --,\n    '62'H  -- \"b\" --\n}")


if __name__ == "__main__":
    unittest.main()
