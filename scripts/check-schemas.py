#!/usr/bin/env python3
"""Runs every command with --format json on a few option sets and checks each document against
the command's JSON Schema in docs/schema/COMMAND.json.

    scripts/check-schemas.py --bin DIR      (DIR: the folder of the built lotto739-cli)

Each schema is also checked for strictness on the documents it accepts: a value replaced by an
object, or an object given a key of no command, must be refused (the first element of each
array stands for the rest). Needs python3-jsonschema. Exit status 0 when every document is
valid and every such change refused, 1 otherwise.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

import jsonschema

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HISTORY = ["--history", "examples/random-draws.csv", "--history-columns", "3-9"]
WHEEL = ["--wheel", "3,7,11,14,19,22,25,28,31,36", "--guarantee", "3-if-4"]

# (schema, arguments, exit status), in the command forms and the flag forms; the files named are
# made in the temporary folder first.
RUNS = [
    ("count", ["count", "-f", "7=5", "-q"], 0),
    ("count", ["-f", "1=100,2=180,3=3,4=4,7=5"], 0),
    ("count", ["-f", "32=6", "--page", "1", "--export", "--stats", "--sample", "3", "--seed", "1"], 0),
    ("count", ["--game", "7/12", "-f", "1=50", "--stats", "-q"], 0),
    ("count", ["-f", "1,2", "-q"], 0),
    ("list", ["list"], 0),
    ("list", ["--game", "7/50", "--list"], 0),
    ("funnel", ["funnel", "-f", "1=100,2=180,7=5,31"], 0),
    ("funnel", ["--funnel"], 0),
    ("explain", ["explain", "5,12,19,23,28,31,36", "-f", "1=100,7=5,52"], 0),
    ("explain", ["--explain", "1,2,3,4,5,6,7"], 0),
    ("backtest", ["backtest", "-f", "1=100,2=180,7=5,52"] + HISTORY, 0),
    ("backtest", ["-f", "31", "--backtest", "--history", "examples/random-draws.csv"], 0),
    ("history-stats", ["history-stats"] + HISTORY, 0),
    ("history-stats", ["--history-stats", "-f", "3=3,7=5", "--last", "20"] + HISTORY, 0),
    ("check-tickets", ["check-tickets", "examples/tickets.txt", "--bonus-column", "10"] + HISTORY, 0),
    ("check-tickets", ["--check-tickets", "twice.txt", "--draw", "3,9,12,19,25,31,34"], 0),
    ("wheel", ["wheel", "3,7,11,14,19,22,25,28,31,36", "--guarantee", "3-if-4", "--seed", "739"], 0),
    ("wheel", ["--wheel", "1-12", "--guarantee", "2-if-7", "--seed", "1"], 0),
    ("wheel", ["wheel", "1-12", "--guarantee", "3-if-4", "--tickets", "5", "--keys", "13", "--seed", "1"], 0),
    ("wheel", ["wheel", "1-13", "--guarantee", "3-if-4", "-f", "1=60", "--filtered-tickets", "--tickets", "9"], 0),
    ("wheel", ["--wheel", "3,7,11,14,19,22,25,28,31,36", "--guarantee", "3-if-4", "--repair", "two.txt"], 0),
    ("odds", ["odds", "two.txt"], 0),
    ("odds", ["--odds", "twice.txt", "-f", "32=6"], 0),
    ("reduce", ["reduce", "3", "-f", "32=6", "--seed", "739"], 0),
    ("reduce", ["-f", "32=6", "--reduce", "3", "--seed", "739", "--tickets-from", "any"], 0),
    ("reduce", ["reduce", "3", "-f", "32=6", "--seed", "739", "--repair", "two.txt", "--tickets", "1"], 0),
    ("check-wheel", ["check-wheel", "two.txt"] + WHEEL, 1),
    ("check-wheel", WHEEL + ["--check-wheel", "twice.txt"], 1),
    ("check-wheel", ["-f", "32=6", "--reduce", "2", "--check-wheel", "twice.txt"], 1),
]

FILES = {
    "two.txt": "3,7,11,25,28,31,36\n7,11,14,19,22,31,36\n",
    "twice.txt": "3,7,11,25,28,31,36\n3 7 11 25 28 31 36\n14,19,22,25,28,31,36\n",
}


def places(document, path=()):
    """The paths of every value in the document, the first element of each array for the rest."""
    yield path
    if isinstance(document, dict):
        for key, value in document.items():
            yield from places(value, path + (key,))
    elif isinstance(document, list) and document:
        yield from places(document[0], path + (0,))


def changed(document, path, change):
    """A copy of the document with change applied to the value at path."""
    copy = json.loads(json.dumps(document))
    if not path:
        return change(copy)
    parent = copy
    for step in path[:-1]:
        parent = parent[step]
    parent[path[-1]] = change(parent[path[-1]])
    return copy


def loose_places(validator, document):
    """Where the schema takes a value it should refuse: an object for a value, or an extra key."""
    found = []
    for path in places(document):
        value = changed(document, (), lambda d: d)
        for step in path:
            value = value[step]
        if path and validator.is_valid(changed(document, path, lambda v: {"unexpected": 1})):
            found.append("/".join(map(str, path)) + " takes an object")
        if isinstance(value, dict) and validator.is_valid(
                changed(document, path, lambda v: dict(v, unexpected=1))):
            found.append(("/".join(map(str, path)) or "the document") + " takes an unknown key")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--bin", required=True, help="folder holding the built lotto739-cli")
    args = parser.parse_args()
    program = os.path.join(os.path.abspath(args.bin), "lotto739-cli")
    schemas = {}
    failures = 0
    with tempfile.TemporaryDirectory(prefix="check-schemas-") as folder:
        shutil.copytree(os.path.join(ROOT, "examples"), os.path.join(folder, "examples"),
                        ignore=shutil.ignore_patterns("consumer"))
        for name, text in FILES.items():
            with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                f.write(text)
        for schema_name, arguments, status in RUNS:
            if schema_name not in schemas:
                with open(os.path.join(ROOT, "docs", "schema", schema_name + ".json"), encoding="utf-8") as f:
                    schemas[schema_name] = json.load(f)
                jsonschema.Draft7Validator.check_schema(schemas[schema_name])
            command = [program] + arguments + ["--format", "json"]
            done = subprocess.run(command, cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            shown = "lotto739-cli " + " ".join(arguments) + " --format json"
            if done.returncode != status:
                print(f"{shown}: exit status {done.returncode}, expected {status}: "
                      f"{done.stderr.decode(errors='replace').strip()}", file=sys.stderr)
                failures += 1
                continue
            try:
                document = json.loads(done.stdout)
                validator = jsonschema.Draft7Validator(schemas[schema_name])
                validator.validate(document)
                loose = loose_places(validator, document)
                if loose:
                    print(f"{shown}: docs/schema/{schema_name}.json is loose: " + "; ".join(loose[:5]),
                          file=sys.stderr)
                    failures += 1
            except (ValueError, jsonschema.ValidationError) as error:
                print(f"{shown}: not valid against docs/schema/{schema_name}.json: {error}",
                      file=sys.stderr)
                failures += 1
    print(f"check-schemas: {len(RUNS) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
