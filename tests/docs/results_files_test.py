#!/usr/bin/env python3
"""Checks the results files against their documentation.

Runs bormek-run on a copy of every example and test fixture, then checks
each <project>.json against docs/results-format.schema.json with the
jsonschema package (an independent validator), checks that the schema
rejects a damaged file, and that docs/results-format.md names every key the
schema knows.

    results_files_test.py BORMEK_RUN SOURCE_DIR
"""
import copy
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile

import jsonschema


def schema_keys(node, keys):
    """Every property name the schema declares, at any depth."""
    if isinstance(node, dict):
        for name in node.get("properties", {}):
            keys.add(name)
        for name in node.get("required", []):
            keys.add(name)
        for value in node.values():
            schema_keys(value, keys)
    elif isinstance(node, list):
        for value in node:
            schema_keys(value, keys)
    return keys


def run_projects(runner, source, folder):
    projects = sorted(glob.glob(os.path.join(source, "examples", "*.bkd")) +
                      glob.glob(os.path.join(source, "tests", "fixtures", "*.bkd")))
    copies = []
    for project in projects:
        copies.append(shutil.copy(project, folder))
    # A project that stops still leaves its results file; the exit code only
    # reports the first status that was not 0.
    subprocess.run([runner] + copies, check=False, stdout=subprocess.DEVNULL)
    return [os.path.splitext(path)[0] + ".json" for path in copies]


def damaged(document):
    """The document with a required key gone and an unknown one added."""
    broken = copy.deepcopy(document)
    del broken["run_status"]["meaning"]
    broken["unknown_key"] = 1
    return broken


def main(argv):
    runner, source = argv[1], argv[2]
    with open(os.path.join(source, "docs", "results-format.schema.json"), encoding="utf-8") as f:
        schema = json.load(f)
    with open(os.path.join(source, "docs", "results-format.md"), encoding="utf-8") as f:
        documentation = f.read()
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)

    failures = []
    checks = 0
    statuses = set()
    with tempfile.TemporaryDirectory() as folder:
        for path in run_projects(runner, source, folder):
            checks += 1
            name = os.path.basename(path)
            if not os.path.exists(path):
                failures.append(f"{name}: no results file was written")
                continue
            with open(path, encoding="utf-8") as f:
                document = json.load(f)
            statuses.add(document["run_status"]["code"])
            for error in validator.iter_errors(document):
                failures.append(f"{name}: {error.json_path}: {error.message}")
            checks += 1
            if not list(validator.iter_errors(damaged(document))):
                failures.append(f"{name}: the schema accepts a damaged copy")

    for status in (0, 5, 7):
        checks += 1
        if status not in statuses:
            failures.append(f"no project ended with status {status}")
    for key in sorted(schema_keys(schema, set())):
        checks += 1
        if f"`{key}`" not in documentation:
            failures.append(f"docs/results-format.md does not name `{key}`")

    for failure in failures:
        print(failure)
    print(f"{checks - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
