# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""What the build-time tools share."""


def write_if_changed(path, text):
    """Writes `text` to `path` unless the file already holds it, so that what is made from the
    file is made again only when it changes."""
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
