#!/usr/bin/env python3
"""Checks that the layers of src/ depend one way.

Reads the manifest CMake writes (build/<preset>/layers.txt): one line per layer,
"LIBRARY FOLDER USES LINKS", USES and LINKS comma separated ("-" for none; LINKS "-"
also for a layer not built by this preset). Fails, naming what is wrong, when
  - the layers' USES form a cycle;
  - a library links a project library outside the layers it may use;
  - a file of src/ includes a folder other than its own and those its layer may use,
    or belongs to no layer;
  - a file outside the platform twins and the Win32 layers includes <windows.h>;
  - a file outside src/window names the headless layer's own types (its controls,
    windows, columns, menu items): the program reaches that layer only through the
    window layer's interface, as it reaches the real one.

    check-layers.py MANIFEST SOURCE_ROOT
"""

import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
WINDOWS_FOLDERS = ("window/win32", "app/win32")
HEADLESS_TYPES = re.compile(r"\bHeadless(Control|Window|Column|MenuItem)\b")


def read_manifest(path):
    layers = {}
    with open(path, encoding="utf-8") as manifest:
        for line in manifest:
            fields = line.split()
            if not fields:
                continue
            # A built library that links nothing leaves its last field empty.
            name, folder, uses, links = (fields + ["-", "-"])[:4]
            split = lambda text: set() if text == "-" else set(filter(None, text.split(",")))
            layers[name] = {"folder": folder, "uses": split(uses), "links": split(links)}
    return layers


def closure(layers, name, trail=()):
    """Every layer `name` may use, directly or through the ones it uses."""
    if name in trail:
        cycle = " -> ".join(trail[trail.index(name):] + (name,))
        raise ValueError(f"the layers use each other in a cycle: {cycle}")
    reachable = set()
    for used in layers[name]["uses"]:
        if used not in layers:
            raise ValueError(f"{name} uses {used}, which is no layer")
        reachable |= {used} | closure(layers, used, trail + (name,))
    return reachable


def layer_of(path, folders):
    """The layer folder a source file belongs to: the longest folder that holds it."""
    best = None
    for folder in folders:
        if os.path.dirname(path) == folder and (best is None or len(folder) > len(best)):
            best = folder
    return best


def main(manifest_path, source_root):
    layers = read_manifest(manifest_path)
    problems = []
    allowed = {}
    try:
        for name in layers:
            allowed[name] = closure(layers, name)
    except ValueError as cycle:
        print(f"check-layers: {cycle}")
        return 1

    for name, layer in sorted(layers.items()):
        for linked in sorted(layer["links"]):
            if linked in layers and linked not in allowed[name]:
                problems.append(
                    f"{name} ({layer['folder']}) links {linked} ({layers[linked]['folder']}), "
                    f"which it may not use")

    folders = {layer["folder"]: name for name, layer in layers.items()}
    src = os.path.join(source_root, "src")
    for directory, _, files in os.walk(src):
        for file_name in sorted(files):
            if not file_name.endswith((".cpp", ".h")):
                continue
            path = os.path.relpath(os.path.join(directory, file_name), src).replace(os.sep, "/")
            folder = layer_of(path, folders)
            if folder is None:
                problems.append(f"src/{path} lies in no layer's folder")
                continue
            may_use = {folder} | {layers[used]["folder"] for used in allowed[folders[folder]]}
            with open(os.path.join(directory, file_name), encoding="utf-8") as source:
                text = source.read()
            if not (path + "/").startswith("window/"):
                for named in sorted(set(HEADLESS_TYPES.findall(text))):
                    problems.append(f"src/{path} names Headless{named}: outside src/window "
                                    f"the headless layer is used through its interface only")
            for bracket, included in INCLUDE.findall(text):
                if bracket == "<":
                    if included.lower() == "windows.h" and not (
                            folder in WINDOWS_FOLDERS or file_name.endswith("_win32.cpp")):
                        problems.append(f"src/{path} includes <windows.h>: only the platform "
                                        f"twins and the Win32 layers may")
                    continue
                included_folder = os.path.dirname(included)
                if included_folder not in may_use:
                    problems.append(
                        f"src/{path} includes \"{included}\": {folder}/ may include only "
                        f"{', '.join(sorted(may_use))}")

    for problem in problems:
        print(f"check-layers: {problem}")
    if problems:
        return 1
    print(f"check-layers: {len(layers)} layers, every include and link goes downward")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
