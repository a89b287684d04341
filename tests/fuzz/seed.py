# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""seed.py DIR TEST.cpp...: a fuzzing corpus from the tests' tables: every string literal of the
test sources, one file each, as UTF-8 (the harness reads a first byte of 0 as UTF-8)."""

import hashlib
import os
import re
import sys

LITERAL = re.compile(r'(?:QStringLiteral\(|\{|, |\()"((?:[^"\\]|\\.)*)"')


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    seen = set()
    for path in sys.argv[2:]:
        with open(path, encoding="utf-8") as f:
            for text in LITERAL.findall(f.read()):
                text = re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), text)
                text = text.replace('\\"', '"').replace("\\\\", "\\")
                if not text or text in seen:
                    continue
                seen.add(text)
                data = b"\0" + text.encode("utf-8")
                name = hashlib.sha1(data).hexdigest()
                with open(os.path.join(out, name), "wb") as f:
                    f.write(data)
    print(f"{len(seen)} seeds in {out}")


if __name__ == "__main__":
    main()
