import unittest

from schema_fixture import HEADER, SchemaFolder

import samples
from emit_cpp import UnitEmitter
from errors import SchemaError

RAW_SCHEMA = HEADER + """codes -100 to -111
    unraised -103 -106
    Extension ::= @code(-100) SEQUENCE {
        identifier [0] IMPLICIT INTEGER,
        item [2] ANY DEFINED BY identifier @raw(KeepsRaw)
    }
    Service ::= @code(-104) SEQUENCE {
        mode [0] IMPLICIT OBJECT IDENTIFIER OPTIONAL,
        parameters [1] ANY DEFINED BY mode OPTIONAL @raw(KeepsParametersRaw),
        note [2] IMPLICIT VisibleString
    }
    Holder ::= @code(-107) SEQUENCE {
        count [0] IMPLICIT INTEGER,
        extensions [1] IMPLICIT @code(-110) SEQUENCE OF Extension OPTIONAL,
        choice [2] @code(-111) CHOICE { one [0] IMPLICIT Extension, two [1] IMPLICIT INTEGER } OPTIONAL
    }
"""

class RawAnyTest(unittest.TestCase):
    """@raw: an ANY kept as its raw element where a hand-written predicate of its key says so."""

    def setUp(self):
        self.files = SchemaFolder()
        self.addCleanup(self.files.close)

    def load(self, text):
        self.files.write("main.asn1g", text)
        return self.files.load()

    def test_decoder_branches_on_the_predicate_and_encoder_keeps_the_binding(self):
        unit = self.load(RAW_SCHEMA)
        emitter = UnitEmitter(unit, "main.asn1g")
        header, source = emitter.header(), emitter.source()
        self.assertIn("int KeepsRaw(BerInteger key);", header)
        self.assertIn("int KeepsParametersRaw(const BerOid* key);", header)
        self.assertIn("if (KeepsRaw(value->identifier) != 0) {", source)
        # A malformed raw element raises the holder's length code.
        self.assertIn("ASN_DecodeRawAny(buf, &value->item, itemLength, in.count, ctx, -101);", source)
        self.assertIn("if (KeepsParametersRaw(&value->mode) != 0) {", source)
        encoder = source[source.index("uint32_t EncodeExtensionContent"):source.index("void DecodeExtensionContent")]
        self.assertNotIn("Bind", encoder)

    def test_optional_key_only_for_a_raw_any(self):
        self.load(RAW_SCHEMA)
        plain = RAW_SCHEMA.replace(" @raw(KeepsParametersRaw)", "")
        with self.assertRaisesRegex(SchemaError, "mode must be an earlier mandatory"):
            self.load(plain)
        with self.assertRaisesRegex(SchemaError, "@raw applies to an ANY"):
            self.load(HEADER + "A ::= SEQUENCE { n [0] IMPLICIT INTEGER @raw(KeepsRaw) }\n")
        with self.assertRaisesRegex(SchemaError, "@raw needs the ANY tagged"):
            self.load(HEADER + "A ::= SEQUENCE { n [0] IMPLICIT INTEGER, v ANY DEFINED BY n @raw(KeepsRaw) }\n")

    def test_samples_leave_out_what_needs_an_any(self):
        unit = self.load(RAW_SCHEMA)
        holder = self.files.record(unit, "Holder")
        self.assertFalse(samples.supported(self.files.record(unit, "Extension")))
        self.assertTrue(samples.supported(holder))
        maker = samples.SampleMaker(unit.records)
        named = dict(maker.samples(holder))
        # count always; the list of extensions never; the CHOICE only by its alternative "two".
        self.assertEqual(sorted(named["max"]), [0, 2])
        self.assertEqual(named["max"][2][0].name, "two")
        self.assertEqual(samples.sample_octets(holder, named["min"]).hex(), "3003800100")


if __name__ == "__main__":
    unittest.main()
