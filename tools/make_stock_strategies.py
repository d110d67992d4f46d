#!/usr/bin/python3
"""Write the stock strategy script and its five pieces into resources/stock/.

The strategy editor resets AIDefaultStrategies.ai to the stock script and
assembles it from five pieces cut from that script, with the twelve values
in between.  The script is kept here as text; the pieces are cut from it
line by line, so they always agree with it.  Every file is plain ASCII with
CR LF line ends and no BOM.
"""

import os
import sys

CRLF = "\r\n"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STOCK_DIR = os.path.join(ROOT, "resources", "stock")

# The address the about box and the main menu show.
CONTACT = "sorvane@example.org"
CREDIT = "rem Made with Sorvane by " + CONTACT

BANNER = "rem " + "*" * 20


def modifier(weight, relation):
    return "aiStrategy.setStrategicObjectsModifier ControlPoint      %s %s" % (
        weight, relation)


def values(aggression, attacks, defences):
    return [
        "aiStrategy.Aggression %d" % aggression,
        "aiStrategy.NumberOfAttacks %d" % attacks,
        "aiStrategy.NumberOfDefences %d" % defences,
    ]


def condition(name, hostile, neutral):
    return [
        "aiStrategy.createConstantCondition " + name,
        "aiStrategy.setConditionStrength Hostile %s" % hostile,
        "aiStrategy.setConditionStrength Neutral %s" % neutral,
        "",
    ]


FRONT = [
    "",                                                   # 1
    BANNER,                                               # 2
    "rem ** Default stuff **",                            # 3
    BANNER,                                               # 4
    "",                                                   # 5
    "rem ** Create Conditions **",                        # 6
    "",                                                   # 7
] + condition("basicEnemyCPCond", "1.0", "0.0") \
  + condition("basicNeutralCPCond", "0.0", "1.0") \
  + condition("noEnemyCond", "0.0", "0.5") \
  + condition("noNeutralCond", "0.5", "0.0") + [       # 8-23
    "rem *** Create Prerequisites ***",                   # 24
    "",                                                   # 25
    "aiStrategy.createPrerequisite basicEnemyPrereq",     # 26
    "aiStrategy.addCondition basicEnemyCPCond",           # 27
    "aiStrategy.addCondition noNeutralCond",              # 28
    "",                                                   # 29
    "rem aiStrategy.createPrerequisite basicNeutralPrereq",  # 30
    "rem aiStrategy.addCondition basicNeutralCPCond",     # 31
    "",                                                   # 32
    "aiStrategy.createPrerequisite guardPrereq",          # 33
    "aiStrategy.addCondition noEnemyCond",                # 34
    "aiStrategy.addCondition noNeutralCond",              # 35
    "",                                                   # 36
    "rem Per strategy: how eager the bots",               # 37
    "rem are, how many attack and how",                   # 38
    "rem many defend.",                                   # 39
    "",                                                   # 40
    "rem *** Create Strategies ***",                      # 41
    "",                                                   # 42
    "rem Hold what is owned.",                            # 43
    "",                                                   # 44
    "aiStrategy.createStrategy basicGuard",               # 45
]

ATTACK_NEUTRAL = [
    "aiStrategy.createStrategy basicAttackNeutral",
] + values(1, 3, 0) + [
    modifier("10.0", "Hostile"),
    modifier("12.0", "Neutral"),
    "aiStrategy.setPrerequisite basicNeutralPrereq",
]

SCRIPT = FRONT + values(0, 0, 4) + [                      # 46-48
    modifier("10.0", "Owned"),                            # 49
    "aiStrategy.setPrerequisite guardPrereq",             # 50
    "",                                                   # 51
    "aiStrategy.createStrategy basicAttackEnemy",         # 52
] + values(1, 3, 0) + [                                   # 53-55
    modifier("10.0", "Hostile"),                          # 56
    modifier("12.0", "Neutral"),                          # 57
    "aiStrategy.setPrerequisite basicEnemyPrereq",        # 58
    "",                                                   # 59
] + ["rem " + line for line in ATTACK_NEUTRAL] + [        # 60-66
    "",                                                   # 67
    "",                                                   # 68
    "aiStrategy.createStrategy basicDefend",              # 69
] + values(0, 1, 3) + [                                   # 70-72
    modifier("10.0", "Hostile"),                          # 73
    modifier("20.0", "Neutral"),                          # 74
    "aiStrategy.setPrerequisite basicPrereq",             # 75
    "",                                                   # 76
    "",                                                   # 77
    "",                                                   # 78
    "rem *** Add Strategies ***",                         # 79
    "",                                                   # 80
    "rem New strategies go here, after the four basic ones above,",  # 81
    "",                                                   # 82
    "rem each one made by createStrategy and then given its values.",  # 83
]


def unrem(line):
    return line[4:] if line.startswith("rem ") else line


def stock(first, last):
    """Stock lines first..last, counted from 1."""
    return SCRIPT[first - 1:last]


PIECES = {
    "Strategies_front.txt": (stock(1, 45), 1268, 45),
    "Strategies_middle1.txt": ([""] + stock(49, 52), 157, 5),
    "Strategies_middle2.txt": ([""] + stock(56, 59) + [unrem(SCRIPT[59])],
                               237, 6),
    "Strategies_middle3.txt": ([""] + [unrem(line) for line in stock(64, 68)]
                               + stock(69, 69), 234, 7),
    "Strategies_end.txt": ([""] + stock(73, 78) + [CREDIT],
                           190 + len(CREDIT) + 2, 8),
    "Strategies_reset.txt": (SCRIPT, 2608, 83),
}


def encode(lines):
    return "".join(line + CRLF for line in lines).encode("ascii")


def check(name, data, size, line_count):
    assert len(data) == size, "%s is %d bytes, not %d" % (name, len(data), size)
    assert data.startswith(b"\r\n") and data.endswith(b"\r\n"), name
    assert data.count(b"\r\n") == line_count, name
    assert data.count(b"\r") == line_count == data.count(b"\n"), name
    assert all(b < 0x80 for b in data), name


def main():
    assert len(FRONT) == 45 and len(SCRIPT) == 83
    assert SCRIPT[44] == "aiStrategy.createStrategy basicGuard"
    assert SCRIPT[65] == "rem aiStrategy.setPrerequisite basicNeutralPrereq"
    assert SCRIPT[82].startswith("rem ")
    os.makedirs(STOCK_DIR, exist_ok=True)
    for name, (lines, size, line_count) in PIECES.items():
        data = encode(lines)
        check(name, data, size, line_count)
        path = os.path.join(STOCK_DIR, name)
        with open(path, "wb") as f:
            f.write(data)
        print("%s: %d bytes" % (os.path.relpath(path, ROOT), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
