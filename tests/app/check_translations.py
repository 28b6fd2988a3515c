"""Checks the translations under res/translations against the program's texts.

Every .ts file holds exactly the texts lupdate finds in src/ (none missing,
none left over), each translated (no unfinished, obsolete or empty entry),
with the same %1-style places and the same line breaks as its source (a
prompt's tooltip follows its line break). Usage: check_translations.py ROOT
"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LUPDATE = "/usr/lib/qt6/bin/lupdate"


def messages(path):
    entries = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            entries[(name, message.findtext("source"))] = message.find("translation")
    return entries


def main(root):
    root = Path(root)
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / "fresh.ts"
        subprocess.run([LUPDATE, "-silent", "-locations", "none", str(root / "src"), "-ts", str(fresh)], check=True)
        wanted = set(messages(fresh))
    problems = []
    files = sorted((root / "res" / "translations").glob("*.ts"))
    if not files:
        problems.append("no translations in res/translations")
    for ts in files:
        found = messages(ts)
        for key in sorted(wanted - set(found)):
            problems.append(f"{ts.name}: missing {key}")
        for key in sorted(set(found) - wanted):
            problems.append(f"{ts.name}: no longer in the program {key}")
        for (context, source), translation in found.items():
            text = translation.text or ""
            if translation.get("type") in ("unfinished", "obsolete", "vanished") or not text:
                problems.append(f"{ts.name}: not translated {(context, source)}")
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                problems.append(f"{ts.name}: places differ in {(context, source)}")
            elif source.count("\n") != text.count("\n"):
                problems.append(f"{ts.name}: line breaks differ in {(context, source)}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
