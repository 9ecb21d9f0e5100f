#!/usr/bin/python3
"""Checks reports for programs against the report's JSON Schema.

Usage: check-report-json.py SCHEMA FILE...  Prints each file that does not validate with its first errors
and exits 1; exits 0 when all do.
"""
import json
import sys

import jsonschema


def main(arguments):
    if len(arguments) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(arguments[0], encoding="utf-8") as schema_file:
        schema = json.load(schema_file)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failed = 0
    for path in arguments[1:]:
        with open(path, encoding="utf-8") as report_file:
            report = json.load(report_file)
        errors = sorted(validator.iter_errors(report), key=lambda e: list(e.absolute_path))
        if errors:
            failed += 1
            print(path, file=sys.stderr)
            for error in errors[:5]:
                where = "/".join(str(p) for p in error.absolute_path)
                print("  " + where + ": " + error.message, file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
