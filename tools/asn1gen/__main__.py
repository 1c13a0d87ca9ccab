"""asn1gen: generates the C++ codec of one schema unit (see README.md).

    python3 tools/asn1gen --root REPO --out DIR SCHEMA [--samples DIR --harness HEADER] [--depfile FILE]
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import codes  # noqa: E402
import emit_samples  # noqa: E402
from emit_cpp import UnitEmitter  # noqa: E402
from errors import SchemaError  # noqa: E402
from schema import Schema  # noqa: E402


def write_if_changed(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if os.path.exists(path):
        with open(path, encoding="utf-8") as handle:
            if handle.read() == text:
                return
    with open(path, "w", encoding="utf-8") as handle:
        handle.write(text)


def generate(args):
    schema = Schema(args.root)
    unit = schema.load(args.schema)
    schema.resolve()
    codes.check_unit(unit)
    schema_path = schema.include_path(args.schema, os.path.splitext(args.schema)[1])
    outputs = []
    if args.out:
        emitter = UnitEmitter(unit, schema_path)
        base = os.path.join(args.out, os.path.splitext(unit.header)[0])
        write_if_changed(base + ".h", emitter.header())
        write_if_changed(base + ".cpp", emitter.source())
        outputs += [base + ".h", base + ".cpp"]
    if args.samples:
        all_records = [record for loaded in schema.units.values() for record in loaded.records]
        base = os.path.join(args.samples, os.path.splitext(unit.header)[0])
        write_if_changed(base + "_samples.cpp", emit_samples.emit(unit, schema_path, args.harness, all_records))
        write_if_changed(base + "_types.txt", emit_samples.type_list(unit))
        outputs += [base + "_samples.cpp"]
    if args.depfile:
        inputs = " ".join(path.replace(" ", "\\ ") for path in schema.read_files())
        write_if_changed(args.depfile, "".join(f"{output}: {inputs}\n" for output in outputs))


def main(argv=None):
    parser = argparse.ArgumentParser(prog="asn1gen", description=__doc__.split("\n")[0])
    parser.add_argument("schema", help="the unit's main schema file")
    parser.add_argument("--root", required=True, help="repository root: include paths are relative to it")
    parser.add_argument("--out", help="directory that receives <path of the schema>.h and .cpp")
    parser.add_argument("--samples", help="directory that receives the generic-test table and the type list")
    parser.add_argument("--harness", default="tests/codec/z3950/generated_codec_harness.h",
                        help="header of the generic-test harness")
    parser.add_argument("--depfile", help="write the schema files read, for the build tool")
    args = parser.parse_args(argv)
    try:
        generate(args)
    except SchemaError as error:
        print(f"{error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
