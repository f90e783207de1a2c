#!/usr/bin/env python3
"""Checks the program's reading of JSON string values against Python's json module.

Writes random texts as JSON string bodies in the spellings JSON allows (raw or \\u-escaped
non-ASCII, upper- or lower-case hex, escaped slashes, \\u00XX for the short escapes), feeds them
to json_decode (the program's reading) and compares its output with json.loads, byte for byte.

    json_differential.py JSON_DECODE_EXE [COUNT] [SEED]
"""
import json
import random
import re
import subprocess
import sys

# Code points a value may hold: ASCII with the characters that need escapes, controls, Latin,
# Hangul and CJK, and characters above the BMP (surrogate pairs when escaped).
RANGES = [(0x20, 0x7E), (0x00, 0x1F), (0x7F, 0x7FF), (0xAC00, 0xD7A3), (0x4E00, 0x9FFF),
          (0xE000, 0xFFFF), (0x10000, 0x10FFFF)]
SPECIAL = '"\\/\b\f\n\r\t'


def random_text(rng):
    chars = []
    for _ in range(rng.randrange(0, 24)):
        if rng.random() < 0.3:
            chars.append(rng.choice(SPECIAL))
        else:
            low, high = rng.choice(RANGES)
            chars.append(chr(rng.randint(low, high)))
    return "".join(chars)


def spellings(text, rng):
    """Valid bodies of the same text, the quotes of json.dumps stripped."""
    plain = json.dumps(text, ensure_ascii=False)[1:-1]
    escaped = json.dumps(text, ensure_ascii=True)[1:-1]
    yield plain
    yield escaped
    upper = re.sub(r"\\u([0-9a-f]{4})", lambda m: "\\u" + m.group(1).upper(), escaped)
    yield upper
    yield plain.replace("/", "\\/")
    # Any character may be written as \uXXXX, the short escapes too.
    long_form = "".join(
        "\\u%04x" % ord(c) if ord(c) < 0x10000 and (c in SPECIAL or rng.random() < 0.3)
        else json.dumps(c, ensure_ascii=False)[1:-1] for c in text)
    yield long_form


def main():
    exe = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 11)
    bodies = []
    for _ in range(count):
        bodies.extend(spellings(random_text(rng), rng))
    assert all("\n" not in b for b in bodies)
    result = subprocess.run([exe], input="\n".join(bodies).encode("utf-8") + b"\n",
                            capture_output=True, check=True)
    lines = result.stdout.decode("ascii").split("\n")[:-1]
    if len(lines) != len(bodies):
        print(f"json_decode answered {len(lines)} lines for {len(bodies)} values")
        return 1
    failures = 0
    for body, got in zip(bodies, lines):
        want = json.loads('"' + body + '"').encode("utf-8").hex()
        if got != want:
            failures += 1
            if failures <= 5:
                print(f"differs: body {body!r}\n  json: {want}\n  ours: {got}")
    print(f"{len(bodies)} JSON string values, {failures} read differently from Python's json")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
