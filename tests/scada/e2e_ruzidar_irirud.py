#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 10, driven by Debian's pymodbus.

Usage: e2e_ruzidar_irirud.py <path of rvk_gui>.
Every mirrored parameter gets a value of its own; every register must read what the table's columns
give for it. Every write is refused and changes nothing. Exit status 0 only when every check passed."""
import struct
import sys
import time

from mapsession import run_map
from peercheck import check, exception_code

# Written by the panel itself once synchronised: its version.
OWN = {541: 3.38}


def writes(m, values):
    c = m.c
    # Each writable register with a value inside its range: the map refuses them all.
    writable = [r for r in m.rows if r.op == 2]
    codes = {}
    for r in writable:
        word = struct.unpack("<H", struct.pack("<h" if r.min < 0 else "<H", int(r.min)))[0]
        code = exception_code(c.write_register(r.address, word, slave=1))
        codes.setdefault(code, []).append(r.address)
    check("%d writable registers, each written once in its range -> 4" % len(writable),
          list(codes) == [4], {k: v[:10] for k, v in codes.items()})
    check("104 := 5000 (p773) -> 4", exception_code(c.write_register(104, 5000, slave=1)) == 4)
    check("99..100 := 1, 1 -> 4", exception_code(c.write_registers(99, [1, 1], slave=1)) == 4)
    check("5 read-only -> 4", exception_code(c.write_register(5, 400, slave=1)) == 4)
    check("518..521 := 0, 1, 0, 2 -> 4", exception_code(c.write_registers(518, [0, 1, 0, 2], slave=1)) == 4)
    check("45 absent -> 2", exception_code(c.write_register(45, 1, slave=1)) == 2)
    time.sleep(0.5)  # a look for a change that must not come: a busy machine only looks less long
    diff = m.differences(m.want(values))
    check("every register still reads its value", not diff, diff[:12])


if __name__ == "__main__":
    run_map(sys.argv[1], 10, "scada_ruzidar_irirud", writes, OWN, computed_rest=0, table_rows=653)
