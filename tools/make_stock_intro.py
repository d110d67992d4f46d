#!/usr/bin/python3
"""Write the three start-up scripts of the intro remover into resources/stock/.

The intro remover replaces a mod's Init.con with one of three texts: the
game's stock script (Intro_Reset.txt), the same script with every intro
movie skippable with Esc (Intro_EscTrue.txt), and the script without any
intro movie (Intro_Complete.txt).  The stock script is written here once;
the other two are derived from it, and the checks below keep the exact
sizes and layout the program relies on.
"""

import os
import sys

CRLF = "\r\n"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STOCK_DIR = os.path.join(ROOT, "resources", "stock")

MOVIE = "bf2Engine.playMovie Movies\\"

RESET_LINES = [
    "rem ** gameLogic hasn't been initialized yet **",                      # 1
    "",                                                                     # 2
    "",                                                                     # 3
    "rem *** These should be noops in server & editor",                     # 4
    MOVIE + "health.bik 0",                                                 # 5
    MOVIE + "warning.bik 0",                                                # 6
    MOVIE + "EA.bik 1",                                                     # 7
    MOVIE + "dice.bik 1",                                                   # 8
    MOVIE + "legal.bik 1",                                                  # 9
    MOVIE + "intro.bik 0",                                                  # 10
    "",                                                                     # 11
    "rem SettingsManager.boolSet GSDebugTextures 1",                        # 12
    "",                                                                     # 13
    "rem *** Network optimisations for playtests, remove before release",   # 14
    "Vars.Set net.clientUpdateRate 30",                                     # 15
    "Vars.Set net.serverSnapshotRate 30",                                   # 16
    "Vars.Set net.interpolationDelay 0.1",                                  # 17
    "Vars.Set net.maxPacketBytes 1400",                                     # 18
    "",                                                                     # 19
    "rem *** Set the titan whiteout variables, used when a titan explodes.",  # 20
    "vars.set titan-exp-whiteout-at_health -38",                            # 21
    "vars.set titan-exp-whiteout-delay 0",                                  # 22
]

# The three movies that the stock script makes the player watch (flag 1).
UNSKIPPABLE = (7, 8, 9)


def esc_true_lines():
    lines = list(RESET_LINES)
    for n in UNSKIPPABLE:
        assert lines[n - 1].endswith(" 1")
        lines[n - 1] = lines[n - 1][:-1] + "0"
    return lines


def complete_lines():
    return RESET_LINES[:4] + [""] + RESET_LINES[10:]


def encode(lines):
    return "".join(line + CRLF for line in lines).encode("ascii")


def check(data, size, line_count):
    assert len(data) == size, "%d bytes instead of %d" % (len(data), size)
    assert all(b < 0x80 for b in data), "non-ASCII byte"
    assert data.count(b"\r\n") == line_count, "wrong number of CR LF"
    assert data.count(b"\r") == line_count and data.count(b"\n") == line_count
    assert data.endswith(b"\r\n") and not data.startswith(b"\r\n")
    lines = data[:-2].split(b"\r\n")
    assert len(lines) == line_count
    for line in lines:
        assert line == line.rstrip(), "blank at a line end: %r" % line
    return [line.decode("ascii") for line in lines]


def check_all(reset, esc_true, complete):
    lines = check(reset, 755, 22)
    check(esc_true, 755, 22)
    check(complete, 518, 17)
    movies = lines[4:10]
    assert all(line.startswith(MOVIE) for line in movies)
    assert sum(len(line) for line in movies) == 227
    assert lines[11].startswith("rem ") and "SettingsManager.boolSet GSDebugTextures" in lines[11]
    assert lines[13].startswith("rem ") and "playtest" in lines[13]
    assert all(line.startswith("Vars.Set ") for line in lines[14:18])
    assert lines[19].startswith("rem ") and "titan whiteout" in lines[19]
    assert b"playMovie" not in complete


def write(name, data):
    path = os.path.join(STOCK_DIR, name)
    with open(path, "wb") as f:
        f.write(data)
    print("%s: %d bytes" % (os.path.relpath(path, ROOT), len(data)))


def main():
    os.makedirs(STOCK_DIR, exist_ok=True)
    reset = encode(RESET_LINES)
    esc_true = encode(esc_true_lines())
    complete = encode(complete_lines())
    check_all(reset, esc_true, complete)
    write("Intro_Reset.txt", reset)
    write("Intro_EscTrue.txt", esc_true)
    write("Intro_Complete.txt", complete)
    return 0


if __name__ == "__main__":
    sys.exit(main())
