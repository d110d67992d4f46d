#!/usr/bin/python3
"""Write the two stock pieces of AIDefault.ai into resources/stock/.

Sorvane builds AIDefault.ai from a fixed front part, the generated
settings and a fixed end part.  Both fixed parts are kept here as text and
written byte for byte (CR LF line ends, plain ASCII, no BOM).  The checks
below make sure the files keep the exact sizes and layout the program
relies on.
"""

import os
import sys

CRLF = "\r\n"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STOCK_DIR = os.path.join(ROOT, "resources", "stock")

BANNER = "echo " + "*" * 89

FRONT_LINES = [
    BANNER,                                                   # 1
    "echo AIDefault.ai " + "*" * 76,                          # 2
    BANNER,                                                   # 3
    "",                                                       # 4
    "aiSettings.setNSides 2",                                 # 5
    "aiSettings.setAutoSpawnBots 1",                          # 6
    "aiSettings.setMaxNAutoControllers 64",                   # 7
    "",                                                       # 8
    "aiSettings.maxBotsIncludeHumans 0",                      # 9
    "aiSettings.setMaxNBots 16",                              # 10
    "aiSettings.setBotSkill 0.4",                             # 11
    "",                                                       # 12
    "rem For more than 15 bots in single player, set "
    "maxBotsIncludeHumans to 0 and setMaxNBots in the lines",  # 13
    "above.",                                                 # 14
    "rem The game menu caps the bot count unless "
    "overrideMenuSettings is set to 1.",                      # 15
    "rem Bot skill ranges from 0.0 (novice) to 1.0 (expert).",  # 16
    "rem A large number of expert bots needs a fast "
    "computer to run well.",                                  # 17
    "",                                                       # 18
    "rem Example for 32 bot game with expert bots",           # 19
    "",                                                       # 20
    "aiSettings.overrideMenuSettings 1",                      # 21
    "aiSettings.maxBotsIncludeHumans 0",                      # 22
]

# Lines 7 and 10 end in a single trailing space: the layout leaves exactly
# two characters beyond the required commands, and a trailing blank is the
# one filler the game console ignores without changing any value.
END_LINES = [
    "",                                   # 1
    "rem aiSettings.setBotSkill 1.0",     # 2
    "",                                   # 3
    "run BotNames.ai",                    # 4
    "",                                   # 5
    "aiSettings.setInformationGrid",      # 6
    "Dimension 32 ",                      # 7
    "",                                   # 8
    "aiSettings.setDiscoverCloake",       # 9
    "dEnemyDistance 3.0 ",                # 10
    "",                                   # 11
    "",                                   # 12
    "run AIPathFinding.ai",               # 13
    "run AutoControllers.ai",             # 14
    "",                                   # 15
    "rem EOF",                            # 16
]


def encode(lines):
    data = "".join(line + CRLF for line in lines).encode("ascii")
    return data


def check_common(data, line_count):
    assert not data.startswith(b"\xef\xbb\xbf"), "BOM present"
    assert all(b < 0x80 for b in data), "non-ASCII byte"
    assert data.endswith(b"\r\n"), "missing final CR LF"
    assert data.count(b"\r\n") == line_count, "wrong number of CR LF"
    assert data.count(b"\r") == line_count, "stray CR"
    assert data.count(b"\n") == line_count, "stray LF"
    lines = data[:-2].split(b"\r\n")
    assert len(lines) == line_count
    return [line.decode("ascii") for line in lines]


def check_front(data):
    assert len(data) == 915, "front is %d bytes" % len(data)
    lines = check_common(data, 22)
    assert not data.startswith(b"\r\n")
    one = "echo " + "*" * 89
    two = "echo AIDefault.ai " + "*" * 76
    assert len(one) == 94 and len(two) == 94
    assert lines[0] == one and lines[1] == two and lines[2] == one
    empty = {4, 8, 12, 18, 20}
    for n, line in enumerate(lines, 1):
        assert (line == "") == (n in empty), "line %d emptiness" % n
    fixed = {
        5: "aiSettings.setNSides 2",
        6: "aiSettings.setAutoSpawnBots 1",
        7: "aiSettings.setMaxNAutoControllers 64",
        9: "aiSettings.maxBotsIncludeHumans 0",
        10: "aiSettings.setMaxNBots 16",
        11: "aiSettings.setBotSkill 0.4",
        14: "above.",
        19: "rem Example for 32 bot game with expert bots",
        21: "aiSettings.overrideMenuSettings 1",
        22: "aiSettings.maxBotsIncludeHumans 0",
    }
    for n, text in fixed.items():
        assert lines[n - 1] == text, "line %d is %r" % (n, lines[n - 1])
    for n in (13, 15, 16, 17):
        assert lines[n - 1].startswith("rem "), "line %d not a comment" % n
    assert not lines[13].startswith("rem")
    assert "15 bots" in lines[12] and "single player" in lines[12]


def check_end(data):
    assert len(data) == 215, "end is %d bytes" % len(data)
    lines = check_common(data, 16)
    assert data.startswith(b"\r\n")
    assert data.endswith(b"rem EOF\r\n")
    empty = {1, 3, 5, 8, 11, 12, 15}
    for n, line in enumerate(lines, 1):
        assert (line == "") == (n in empty), "line %d emptiness" % n
    non_empty = [line for line in lines if line]
    assert non_empty[0] == "rem aiSettings.setBotSkill 1.0"
    assert lines[1] == "rem aiSettings.setBotSkill 1.0"
    for text in ("run BotNames.ai", "run AIPathFinding.ai",
                 "run AutoControllers.ai"):
        assert text in lines, "missing %r" % text
    grid = lines.index("aiSettings.setInformationGrid")
    assert lines[grid + 1].split() == ["Dimension", "32"]
    cloak = lines.index("aiSettings.setDiscoverCloake")
    assert lines[cloak + 1].split() == ["dEnemyDistance", "3.0"]
    assert lines[-1] == "rem EOF"


def write(name, data):
    path = os.path.join(STOCK_DIR, name)
    with open(path, "wb") as f:
        f.write(data)
    with open(path, "rb") as f:
        assert f.read() == data
    print("%s: %d bytes" % (os.path.relpath(path, ROOT), len(data)))
    return path


def main():
    os.makedirs(STOCK_DIR, exist_ok=True)
    front = encode(FRONT_LINES)
    end = encode(END_LINES)
    check_front(front)
    check_end(end)
    write("AIDefault_front.txt", front)
    write("AIDefault_end.txt", end)
    return 0


if __name__ == "__main__":
    sys.exit(main())
