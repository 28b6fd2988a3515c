#!/usr/bin/env python3
"""Mutation score of the test suite.

Draws a seeded sample of mutants from src/, spread over every folder in
proportion to its code lines (at least MIN_PER_FOLDER each); builds each one
in a worktree of the chosen revision and runs the whole CTest suite on it.

A mutant is one small change on one line: a comparison, logical or
arithmetic operator swapped, an integer constant moved by one, true and
false swapped, a '!' dropped, or a statement line (a call or an assignment)
deleted. Comments and string literals are never touched.

  killed      a test failed (or timed out) on the mutant
  survived    every test passed
  stillborn   the mutant does not build; it is not part of the sample and
              the next site of the same folder is drawn in its place

Score = killed / (killed + survived). Results go to a tab-separated file, one
line a mutant, written as each one ends; a second run with the same file
and seed goes on where the first stopped.

Run through scripts/mutation, which installs the packages and sets up the
display; see docs/testing.md.
"""

import argparse
import json
import os
import random
import re
import subprocess
import sys
import time
from pathlib import Path

MIN_PER_FOLDER = 6
SOURCE_SUFFIXES = (".cpp", ".h")

# Binary operators are written with a space on each side in this tree
# (clang-format), which tells them from template brackets, '->' and '<<'.
OPERATOR_SWAPS = [
    (" == ", " != "),
    (" != ", " == "),
    (" < ", " <= "),
    (" <= ", " < "),
    (" > ", " >= "),
    (" >= ", " > "),
    (" && ", " || "),
    (" || ", " && "),
    (" + ", " - "),
    (" - ", " + "),
    (" * ", " / "),
    (" += ", " -= "),
    (" -= ", " += "),
]

INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
BOOLEAN = re.compile(r"\b(true|false)\b")
NEGATION = re.compile(r"!(?!=)")
CALL_STATEMENT = re.compile(r"^[A-Za-z_][\w:.\->\[\]]*\(.*\);$")
ASSIGNMENT_STATEMENT = re.compile(r"^[A-Za-z_][\w.\->\[\]]* (=|\+=|-=|\|=) .*;$")


def code_mask(line, in_block_comment):
    """Returns (mask, in_block_comment): mask[i] is True where line[i] is code,
    not a comment or a string or character literal."""
    mask = [False] * len(line)
    i = 0
    while i < len(line):
        if in_block_comment:
            end = line.find("*/", i)
            if end < 0:
                return mask, True
            i = end + 2
            in_block_comment = False
            continue
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            in_block_comment = True
            i += 2
            continue
        c = line[i]
        if c in "\"'":
            # Raw strings are left alone whole: the rest of the line is skipped.
            if c == '"' and i > 0 and line[i - 1] == "R":
                break
            j = i + 1
            while j < len(line) and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            i = j + 1
            continue
        mask[i] = True
        i += 1
    return mask, in_block_comment


def balanced(text):
    depth = 0
    for c in text:
        depth += c == "("
        depth -= c == ")"
        if depth < 0:
            return False
    return depth == 0


def sites_of_line(line, mask):
    """Every mutant one line gives: (column, old text, new text, operator)."""
    stripped = line.strip()
    if not stripped or stripped.startswith("#") or stripped.startswith("static_assert"):
        return []
    if "clang-format" in line or "Q_OBJECT" in line:
        return []

    def is_code(start, length):
        return all(mask[start : start + length])

    found = []
    for old, new in OPERATOR_SWAPS:
        start = line.find(old)
        while start >= 0:
            if is_code(start, len(old)):
                found.append((start, old, new, "operator"))
            start = line.find(old, start + 1)
    for m in INTEGER.finditer(line):
        if is_code(m.start(), len(m.group(1))):
            value = int(m.group(1), 10) if not m.group(1).startswith("0") or m.group(1) == "0" else None
            if value is None:
                continue
            new = "1" if value == 0 else ("0" if value == 1 else str(value + 1))
            found.append((m.start(), m.group(1), new, "constant"))
    for m in BOOLEAN.finditer(line):
        if is_code(m.start(), len(m.group(1))):
            new = "false" if m.group(1) == "true" else "true"
            found.append((m.start(), m.group(1), new, "boolean"))
    for m in NEGATION.finditer(line):
        if is_code(m.start(), 1):
            found.append((m.start(), "!", "", "negation"))
    if all(mask[line.index(stripped[0]) : len(line.rstrip())]) and not stripped.startswith("return"):
        if (CALL_STATEMENT.match(stripped) or ASSIGNMENT_STATEMENT.match(stripped)) and balanced(stripped):
            indent = line[: len(line) - len(line.lstrip())]
            found.append((len(indent), stripped, ";", "statement"))
    return found


def all_sites(root):
    """Mutation sites by folder of src/: {folder: [(path, line no, column, old, new, kind)]}."""
    by_folder = {}
    code_lines = {}
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES:
            continue
        folder = path.relative_to(root / "src").parts[0]
        in_comment = False
        for number, line in enumerate(path.read_text(encoding="utf-8").split("\n"), start=1):
            mask, in_comment = code_mask(line, in_comment)
            if any(mask):
                code_lines[folder] = code_lines.get(folder, 0) + 1
            for column, old, new, kind in sites_of_line(line, mask):
                by_folder.setdefault(folder, []).append(
                    (str(path.relative_to(root)), number, column, old, new, kind)
                )
    return by_folder, code_lines


def quotas(code_lines, count):
    """Mutants per folder: MIN_PER_FOLDER each, the rest in proportion to code lines."""
    folders = sorted(code_lines)
    result = {f: MIN_PER_FOLDER for f in folders}
    rest = count - MIN_PER_FOLDER * len(folders)
    total = sum(code_lines.values())
    shares = {f: rest * code_lines[f] / total for f in folders}
    for f in folders:
        result[f] += int(shares[f])
    leftover = count - sum(result.values())
    for f in sorted(folders, key=lambda f: shares[f] - int(shares[f]), reverse=True)[:leftover]:
        result[f] += 1
    return result


def apply(tree, site):
    path, number, column, old, new, _ = site
    file = tree / path
    original = file.read_text(encoding="utf-8")
    lines = original.split("\n")
    line = lines[number - 1]
    assert line[column : column + len(old)] == old, (site, line)
    lines[number - 1] = line[:column] + new + line[column + len(old) :]
    file.write_text("\n".join(lines), encoding="utf-8")
    return original


def run(command, cwd, timeout, log):
    started = time.monotonic()
    try:
        done = subprocess.run(
            command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout, text=True, errors="replace"
        )
        output, code = done.stdout, done.returncode
    except subprocess.TimeoutExpired as e:
        output, code = (e.stdout or b"").decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or ""), -1
    log.write(output)
    log.flush()
    return code, output, time.monotonic() - started


def failed_tests(output):
    """The tests that failed in a ctest output, in order."""
    names = re.findall(r"^\s*\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|Exception|Child aborted)", output, re.M)
    if not names:
        names = re.findall(r"Test +#\d+: (\S+) \.+\*+(?:Failed|Timeout|Exception)", output)
    return list(dict.fromkeys(names)) or ["suite"]


def test_folders(build):
    """{test name: the tests/ folder of its program}."""
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, stdout=subprocess.PIPE, text=True, check=True)
    folders = {}
    for test in json.loads(listing.stdout)["tests"]:
        command = test.get("command") or [""]
        m = re.search(r"/tests/([^/]+)/", command[0])
        folders[test["name"]] = m.group(1) if m else ""
    return folders


def exact(names):
    return "^(" + "|".join(re.escape(n) for n in names) + ")$"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--count", type=int, default=150)
    parser.add_argument("--tree", required=True, help="worktree of the revision to mutate")
    parser.add_argument("--build", required=True, help="its build folder, already configured and built")
    parser.add_argument("--results", required=True)
    parser.add_argument("--jobs", type=int, default=os.cpu_count())
    parser.add_argument("--list", action="store_true", help="print the sample's sites and stop")
    parser.add_argument(
        "--all-killers",
        action="store_true",
        help="run the whole suite on every mutant and name every test that fails (slower; the score is the same)",
    )
    args = parser.parse_args()
    tree, build, results = Path(args.tree), Path(args.build), Path(args.results)

    by_folder, code_lines = all_sites(tree)
    wanted = quotas(code_lines, args.count)
    rng = random.Random(args.seed)
    order = {}
    for folder in sorted(by_folder):
        sites = list(by_folder[folder])
        rng.shuffle(sites)
        order[folder] = sites
    if args.list:
        for folder in sorted(order):
            print(folder, wanted[folder], len(order[folder]))
        return 0

    done = {}
    if results.exists():
        for row in results.read_text(encoding="utf-8").splitlines()[1:]:
            cells = row.split("\t")
            done[(cells[2], int(cells[3]), int(cells[4]), cells[5])] = cells
    else:
        results.write_text("folder\tstatus\tfile\tline\tcolumn\tkind\told\tnew\tkilled_by\tseconds\n", encoding="utf-8")

    tests = test_folders(build)
    # The build and test output of every mutant, beside the build.
    log = open(build.parent / (results.stem + ".log"), "a", encoding="utf-8")
    # A test that fails is run once more: only a failure that repeats kills the
    # mutant, so a test that a busy machine makes late now and then does not.
    ctest = ["ctest", "--output-on-failure", "--repeat", "until-pass:2", "-j", str(args.jobs)]
    if not args.all_killers:
        ctest.insert(1, "--stop-on-failure")
    ctest += ["--timeout", "240"]
    for folder in sorted(order):
        taken = 0
        for site in order[folder]:
            if taken == wanted[folder]:
                break
            key = (site[0], site[1], site[2], site[5])
            if key in done:
                taken += done[key][1] != "stillborn"
                continue
            log.write(f"\n===== {folder} {site}\n")
            original = apply(tree, site)
            started = time.monotonic()
            try:
                code, output, _ = run(["ninja", "-C", str(build)], tree, 1800, log)
                if code != 0:
                    status, killer = "stillborn", ""
                else:
                    # The tests of the mutated folder first: a mutant they
                    # kill is known sooner. Then the rest of the suite.
                    near = [t for t in tests if tests[t] == folder]
                    failed = []
                    for selection in (["-R", exact(near)], ["-E", exact(near)]) if near else ([],):
                        code, output, _ = run(ctest + selection, build, 3600, log)
                        if code != 0:
                            failed += failed_tests(output)
                            if not args.all_killers:
                                break
                    status, killer = ("killed", ",".join(failed)) if failed else ("survived", "")
            finally:
                (tree / site[0]).write_text(original, encoding="utf-8")
            seconds = int(time.monotonic() - started)
            row = [folder, status, site[0], str(site[1]), str(site[2]), site[5], site[3], site[4], killer, str(seconds)]
            with open(results, "a", encoding="utf-8") as out:
                out.write("\t".join(c.replace("\t", " ") for c in row) + "\n")
            print("\t".join(row[:6] + row[8:]), flush=True)
            taken += status != "stillborn"
    # The tree is built back to the unmutated code, so it is ready for another run.
    run(["ninja", "-C", str(build)], tree, 1800, log)

    rows = [r.split("\t") for r in results.read_text(encoding="utf-8").splitlines()[1:]]
    killed = sum(r[1] == "killed" for r in rows)
    survived = sum(r[1] == "survived" for r in rows)
    if killed + survived:
        print(f"killed {killed} of {killed + survived}: {100 * killed / (killed + survived):.1f} %")
    return 0


if __name__ == "__main__":
    sys.exit(main())
