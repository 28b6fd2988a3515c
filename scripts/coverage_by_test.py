#!/usr/bin/env python3
"""Runs each CTest test of a gcov-instrumented build on its own and records
the lines of src/ it ran; prints the lines only each test runs. Driven by
scripts/coverage-by-test."""
import argparse
import collections
import json
import os
import pathlib
import re
import subprocess


def test_names(build):
    listing = subprocess.run(["ctest", "-N"], cwd=build, capture_output=True, text=True, check=True).stdout
    return re.findall(r"^\s*Test\s+#\d+: (\S+)$", listing, re.M)


def lines_run(build):
    """The src/ lines (file:line) the .gcda files of the build say were run."""
    run = set()
    for data in pathlib.Path(build, "src").rglob("*.gcda"):
        report = subprocess.run(["gcov", "--json-format", "--stdout", str(data)], cwd="/tmp",
                                capture_output=True, text=True).stdout
        for document in filter(str.strip, report.splitlines()):
            for source in json.loads(document).get("files", []):
                name = source["file"]
                if "/src/" not in "/" + name:
                    continue
                name = name[name.index("src/"):]
                run.update(f"{name}:{line['line_number']}" for line in source["lines"] if line["count"] > 0)
    return run


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--results", required=True)
    args = parser.parse_args()
    results = json.loads(pathlib.Path(args.results).read_text()) if os.path.exists(args.results) else {}
    for name in test_names(args.build):
        if name in results:
            continue
        for data in pathlib.Path(args.build).rglob("*.gcda"):
            data.unlink()
        test = subprocess.run(["ctest", "-R", "^" + re.escape(name) + "$"], cwd=args.build, capture_output=True)
        results[name] = sorted(lines_run(args.build))
        print(f"{name}: {len(results[name])} lines{'' if test.returncode == 0 else ' (the test failed)'}", flush=True)
        pathlib.Path(args.results).write_text(json.dumps(results))
    runs = collections.Counter(line for lines in results.values() for line in lines)
    print(f"\n{len(runs)} lines of src/ run by the suite\nunique  run  test")
    rows = sorted((sum(runs[line] == 1 for line in lines), len(lines), name) for name, lines in results.items())
    for unique, total, name in rows:
        print(f"{unique:6} {total:4}  {name}")


if __name__ == "__main__":
    main()
