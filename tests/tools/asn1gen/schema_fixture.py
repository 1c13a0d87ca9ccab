"""Loads schema texts written to a temporary folder, as the generator would read them from files."""

import os
import sys
import tempfile
import textwrap

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "asn1gen"))

import codes  # noqa: E402
from schema import Schema  # noqa: E402

HEADER = "namespace test::unit\ntags EXPLICIT\n"


class SchemaFolder:
    """Schema files in a temporary folder; load() generates nothing, it only resolves and checks."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()

    def close(self):
        self.folder.cleanup()

    def write(self, name, text):
        path = os.path.join(self.folder.name, name)
        with open(path, "w", encoding="utf-8") as handle:
            handle.write(textwrap.dedent(text).lstrip("\n"))
        return path

    def load(self, name="main.asn1g"):
        schema = Schema(self.folder.name)
        unit = schema.load(os.path.join(self.folder.name, name))
        schema.resolve()
        codes.check_unit(unit)
        return unit

    def record(self, unit, cname):
        return next(record for record in unit.records if record.cname == cname)


def site_codes(record):
    return [(site.key, site.code, site.raised) for site in record.sites]
