#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 5 (Zizedu), driven by Debian's pymodbus.

Usage: e2e_zizedu.py <path of rvk_gui>. Every mirrored parameter a value of its own, the inputs of the
computed registers chosen below; reads the whole map, writes every writable row and command register,
and checks what the map shows afterwards. Exit status 0 only when every check passed."""
import sys

from mapsession import run_map
from peercheck import check, exception_code

# Inputs of the computed registers; the program runs in UTC+3.
FIXED = {
    13: 0, 674: 1, 806: 2,                 # stopped (settings that need it stopped take writes)
    528: 7384, 529: 3725,                  # ran 2 h 3 min 4 s, stopped for 1 h 2 min 5 s
    15: 1, 533: 4, 535: 0,                 # control mode, start and stop reasons
    22: 5, 703: 0, 39: 3,
    562: 1709623230,                       # 2024-03-05 10:20:30 local
    532: 915148800,                        # 1999-01-01 03:00:00 local
    178: 3, 402: 0, 447: 3, 449: 7384, 450: 3599,
    586: 1, 587: 0, 585: 4, 822: 6, 1105: 2, 826: 3, 1106: 1,
    691: 2, 673: 0, 680: 3, 483: 3, 474: 0, 475: 3, 477: 123, 499: 3, 503: 0,
    721: 400, 10030: 200, 10032: 100, 10034: 300, 10036: 40, 10038: 20,
    10246: -5,                             # IGBT temperature below zero
    581: 19200, 540: 0x12345678, 544: 1709677800, 545: 1735629630, 551: 915148800, 550: 0xFFFF0001, 705: 1,
}

# What the computed registers show for those inputs (541 is the program's own version, 3.38).
COMPUTED = {
    249: 32, 250: 0x0305, 251: 0x0A18, 252: 0x1E14, 253: 1, 254: 0x0205, 255: 0x2100,
    277: 0, 300: 1, 764: 0x0305, 765: 0x0A18, 766: 0x1E14,
    812: 1, 816: 0, 824: 1, 825: 2, 826: 3, 827: 0, 828: 59, 849: 3, 866: 8, 871: 9, 879: 5,
    890: 14, 904: 10, 931: 1, 937: 2, 951: 2, 959: 0, 960: 5, 961: 123, 969: 1, 987: 0,
    1007: 500, 1009: 250, 1011: 750, 1013: 100, 1015: 50, 1025: 5, 1026: 4,
    1051: 0x1234, 1052: 0x5678, 1054: 6, 1055: 3, 1056: 24, 1058: 31, 1059: 12, 1060: 24,
    1062: 1, 1063: 1, 1064: 0, 1065: 0xFFFF, 1066: 0x0001, 1069: 2, 1072: 0, 1073: 3,
    2312: 2, 2313: 3, 2314: 0x0101, 2315: 0x0300, 2316: 0x0000,
}

# Command writes and what the registers show once the controller has applied them.
COMMANDS = [
    (849, [9], {849: 9}), (866, [7], {866: 7}), (871, [10], {871: 10}), (879, [2], {879: 2}),
    (890, [7], {890: 7}), (904, [1], {904: 1}), (812, [0], {812: 0}), (816, [1], {816: 1}),
    (931, [0], {931: 0}), (937, [1], {937: 1}), (951, [0], {951: 0}), (959, [1], {959: 1}),
    (969, [0], {969: 0}), (987, [1], {987: 1}), (960, [2], {960: 2}), (961, [150], {961: 150}),
    (1007, [250], {1007: 250}), (1025, [3], {1025: 3}), (1026, [4], {}), (1069, [3], {1069: 3}),
    (825, [5], {825: 5}), (828, [10], {828: 10}),
]


def clock_moved(words):
    # 2025-12-31 11:21:30 set; the controller's clock runs on from there.
    second, minute = words[0] >> 8, words[0] & 0xFF
    return (minute == 21 and second >= 30) or minute == 22


def body(m, values):
    c = m.c
    check("272: IGBT temperature -5 reads 65531", m.reg(272) == 65531, m.reg(272))
    after = m.write_mirrored(values)
    computed = dict(COMPUTED)
    refused = []
    for address, words, shows in COMMANDS:
        r = c.write_registers(address, words, slave=1)
        if r.isError():
            refused.append("%d := %s %s" % (address, words, r))
        computed.update(shows)
    check("%d command writes accepted" % len(COMMANDS), not refused, refused)
    r = c.write_registers(764, [0x0C1F, 0x0B19, 0x1E15], slave=1)
    check("764..766 := 2025-12-31 11:21:30 in one request", not r.isError(), r)
    for a in (250, 764):
        computed.update({a: 0x0C1F, a + 1: 0x0B19, a + 2: clock_moved})
    m.compare("after the writes", after, computed)

    for address, words, name in [(757, [7], "reserved 757"), (829, [1], "829 of no parameter"),
                                 (937, [3], "937 := 3"), (764, [0x021E], "30 February"),
                                 (1026, [3], "1026 := 3"), (1024, [7, 11], "1024..1025 with a bad code")]:
        check("%s -> 4" % name, exception_code(c.write_registers(address, words, slave=1)) == 4)
    check("300..305 -> 2", exception_code(c.read_holding_registers(300, 6, slave=1)) == 2)
    check("1073..1074 -> 2", exception_code(c.read_holding_registers(1073, 2, slave=1)) == 2)
    m.compare("refused writes changed nothing", after, computed, timeout=1.0)


if __name__ == "__main__":
    run_map(sys.argv[1], 5, "scada_zizedu", body, FIXED, COMPUTED, env={"TZ": "MSK-3"})
