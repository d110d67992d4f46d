#!/usr/bin/python3
"""Write the stock bot-name list into resources/stock/BotNames.txt.

"Reset and Save" of the bot-name editor puts this list back into
BotNames.ai: 100 lines "aiSettings.addBotName " followed by an initial, a
full stop, a blank and a surname of 3 to 12 letters, each line ended by
CR LF, 3,398 bytes in all.  The surnames are invented here from syllables
with a fixed seed, so the file comes out the same on every run; the checks
below hold the sizes and layout the program relies on.
"""

import os
import random
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STOCK = os.path.join(ROOT, "resources", "stock", "BotNames.txt")

COMMAND = "aiSettings.addBotName "
COUNT = 100
SIZE = 3398
SURNAME_LETTERS = SIZE - COUNT * (len(COMMAND) + len("X. ") + 2)  # 698

INITIALS = "ABCDEFGHJKLMNOPRSTVW"
SYLLABLES = ["bar", "den", "kol", "mar", "ves", "vin", "ros", "lan", "dor",
             "hal", "mer", "sto", "fen", "gar", "lis", "nor", "pel", "rak",
             "sen", "tor", "val", "wen", "bri", "cal", "dra", "ka", "an",
             "ol", "ma", "ra", "to", "ne", "li", "sa", "ho", "be"]
ENDINGS = ["ek", "an", "ov", "os", "son", "ard", "ley", "ton", "ner", "vik",
           "berg", "wick", "ski", "dal", "ing", "mont", "ez"]


def surname(rng, length):
    # Syllables of two or three letters, then an ending, exactly `length`.
    ending = rng.choice([e for e in ENDINGS if length - len(e) >= 2 or length == len(e)])
    front = length - len(ending)
    letters = ""
    while front > 0:
        size = 2 if front in (2, 4) else 3
        letters += rng.choice([s for s in SYLLABLES if len(s) == size])
        front -= size
    return (letters + ending).capitalize()


def lengths(rng):
    # Lengths from 3 to 12 letters whose sum is exactly SURNAME_LETTERS.
    result = [rng.randint(4, 10) for _ in range(COUNT)]
    i = 0
    while sum(result) != SURNAME_LETTERS:
        step = 1 if sum(result) < SURNAME_LETTERS else -1
        if 3 <= result[i % COUNT] + step <= 12:
            result[i % COUNT] += step
        i += 7
    return result


def names():
    rng = random.Random(2142)
    seen = set()
    result = []
    for length in lengths(rng):
        while True:
            name = rng.choice(INITIALS) + ". " + surname(rng, length)
            if name not in seen:
                break
        seen.add(name)
        result.append(name)
    return result


def check(data):
    assert len(data) == SIZE, "list is %d bytes" % len(data)
    assert all(b < 0x80 for b in data)
    assert data.endswith(b"\r\n")
    assert data.count(b"\r\n") == COUNT
    assert data.count(b"\r") == COUNT and data.count(b"\n") == COUNT
    lines = data[:-2].decode("ascii").split("\r\n")
    assert len(lines) == COUNT and len(set(lines)) == COUNT
    assert lines != sorted(lines) and lines != sorted(lines, reverse=True)
    for line in lines:
        assert line.startswith(COMMAND), line
        name = line[len(COMMAND):]
        assert name[0].isupper() and name[1:3] == ". ", line
        assert 3 <= len(name) - 3 <= 12 and name[3:].isalpha(), line
        assert 28 <= len(line) <= 37, line


def main():
    data = "".join(COMMAND + name + "\r\n" for name in names()).encode("ascii")
    check(data)
    with open(STOCK, "wb") as f:
        f.write(data)
    print("%s: %d bytes" % (os.path.relpath(STOCK, ROOT), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
