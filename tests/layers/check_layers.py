#!/usr/bin/env python3
"""The layers of src/: the top CMakeLists.txt adds the folders lowest layer
first, and a folder may include and link only folders added before it. Each
library links exactly the folders its sources include.

    check_layers.py SOURCE_DIR
"""
import pathlib
import re
import sys

EXPECTED = ["platform", "system", "settings", "playlist", "engine", "session", "shell", "player", "prefs", "app"]

root = pathlib.Path(sys.argv[1])
layers = re.findall(r"add_subdirectory\(src/(\w+)\)", (root / "CMakeLists.txt").read_text())
faults = [] if layers == EXPECTED else [f"layer order is {layers}, not {EXPECTED}"]
# "layer/...", <layer/...> or "../layer/...".
include = re.compile(r'#\s*include\s*["<](?:\.\./)*(\w+)/')
for level, self in enumerate(layers):
    folder = root / "src" / self
    included = set()
    for path in sorted(folder.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for used in set(include.findall(path.read_text(errors="replace"))) - {self}:
            if used not in layers:
                continue
            included.add(used)
            if used not in layers[:level]:
                faults.append(f"{path.relative_to(root)} includes {used}, which is not a lower layer")
    links = set(re.findall(r"taleno_(\w+)", (folder / "CMakeLists.txt").read_text())) - {self, "library"}
    if links != included:
        faults.append(f"src/{self}/CMakeLists.txt links {sorted(links)} but its sources include {sorted(included)}")
print("\n".join(faults) or f"{len(layers)} layers, each including and linking only lower ones")
sys.exit(1 if faults else 0)
