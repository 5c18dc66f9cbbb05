#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 6 (Zevodorar), driven by Debian's pymodbus.

Usage: e2e_zevodorar.py <path of rvk_gui>. Every mirrored parameter a value of its own; reads the whole
map while the station is stopped, started by coil 64 and stopped by coil 65, and checks that the
reserved writable block refuses writes. Exit status 0 only when every check passed."""
import sys

from mapsession import run_map
from peercheck import check, exception_code

# Inputs of the computed registers: stopped, started last by reason 3, stopped by reason 21.
# Temperatures below zero.
FIXED = {13: 0, 179: 0, 633: 0, 447: 1, 15: 2, 533: 3, 535: 21, 843: 0, 1011: 77, 526: 70000, 20010: 12.5,
         10246: -5, 10260: -12}

STOPPED = {277: 0x0101, 256: 176, 289: 176, 290: 0x0103, 291: 77, 295: 4464, 296: 1, 298: 45000, 299: 0}
# Coil 64 starts the station and coil 65 stops it, as operator commands (start and stop reason 1).
STARTED = {**STOPPED, **{277: 0x0301, 256: 197, 289: 197}}
STOPPED_AGAIN = {**STOPPED, **{290: 0x0124}}


def body(m, values):
    c = m.c
    check("300, 301: temperatures -5 and -12 read 65531, 65524", m.read(300, 2) == [65531, 65524], m.read(300, 2))
    r = c.write_coil(64, True, slave=1)
    check("coil 64 on", not r.isError(), r)
    m.compare("started by coil 64", values, STARTED, timeout=15.0)
    r = c.write_coil(65, True, slave=1)
    check("coil 65 on", not r.isError(), r)
    m.compare("stopped by coil 65", values, STOPPED_AGAIN, timeout=15.0)

    check("600 reserved -> 4", exception_code(c.write_register(600, 5, slave=1)) == 4)
    check("544..546 reserved -> 4", exception_code(c.write_registers(544, [1, 2, 3], slave=1)) == 4)
    check("256 read-only -> 4", exception_code(c.write_register(256, 1, slave=1)) == 4)
    check("300..304 -> 2", exception_code(c.read_holding_registers(300, 5, slave=1)) == 2)
    check("395 -> 2", exception_code(c.read_input_registers(395, 1, slave=1)) == 2)
    m.compare("refused writes changed nothing", values, STOPPED_AGAIN, timeout=1.0)


if __name__ == "__main__":
    run_map(sys.argv[1], 6, "scada_zevodorar", body, FIXED, STOPPED)
