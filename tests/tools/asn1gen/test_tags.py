import unittest

from schema_fixture import sys  # noqa: F401  (puts the generator on the path)

import tags


class IdentifierOctetsTest(unittest.TestCase):
    def test_tag_numbers_around_the_octet_boundaries_for_each_class(self):
        cases = [
            # class, number, constructed, octets
            ("UNIVERSAL", 30, False, "1e"),
            ("UNIVERSAL", 31, False, "1f1f"),
            ("UNIVERSAL", 127, False, "1f7f"),
            ("UNIVERSAL", 128, True, "3f8100"),
            ("UNIVERSAL", 16383, False, "1fff7f"),
            ("APPLICATION", 30, True, "7e"),
            ("APPLICATION", 31, False, "5f1f"),
            ("APPLICATION", 127, True, "7f7f"),
            ("APPLICATION", 128, False, "5f8100"),
            ("APPLICATION", 16383, True, "7fff7f"),
            ("CONTEXT", 30, False, "9e"),
            ("CONTEXT", 31, True, "bf1f"),
            ("CONTEXT", 127, False, "9f7f"),
            ("CONTEXT", 128, False, "9f8100"),
            ("CONTEXT", 16383, True, "bfff7f"),
            ("PRIVATE", 30, True, "fe"),
            ("PRIVATE", 31, False, "df1f"),
            ("PRIVATE", 127, False, "df7f"),
            ("PRIVATE", 128, True, "ff8100"),
            ("PRIVATE", 16383, False, "dfff7f"),
        ]
        for cls, number, constructed, expected in cases:
            with self.subTest(cls=cls, number=number, constructed=constructed):
                self.assertEqual(tags.identifier_octets(cls, number, constructed).hex(), expected)

    def test_known_identifiers_of_the_apdu_module(self):
        self.assertEqual(tags.identifier_octets("CONTEXT", 211, False).hex(), "9f8153")
        self.assertEqual(tags.identifier_octets("CONTEXT", 1013, True).hex(), "bf8775")
        self.assertEqual(tags.tag_value("CONTEXT", 48, True), 0xBF300000)
        self.assertEqual(tags.tag_value("CONTEXT", 211, False), 0x9F815300)
        self.assertEqual(tags.tag_text(0xBF814900), "BF 81 49")

    def test_numbers_the_runtime_cannot_read_are_refused(self):
        for number in (-1, 16384):
            with self.subTest(number=number):
                with self.assertRaises(ValueError):
                    tags.identifier_octets("CONTEXT", number, False)


if __name__ == "__main__":
    unittest.main()
