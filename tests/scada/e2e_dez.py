#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 11 (Dez), driven by Debian's pymodbus.

Usage: e2e_dez.py <path of rvk_gui>. Every mirrored parameter a value of its own; reads the whole map,
writes the frequency setpoint and the stop command. Exit status 0 only when every check passed."""
import sys

from mapsession import run_map
from peercheck import check, exception_code
from peerprogram import wait_until

# Running; the stop command reads 0 until written; downhole temperatures below zero.
FIXED = {13: 2, 592: 0, 15004: -5.5, 15003: -12.25}
COMPUTED = {373: 0}


def body(m, values):
    c = m.c
    check("380, 382: temperatures -5.5 and -12.25 at 0.01 read -550 and -1225",
          (m.reg(380), m.reg(382)) == (0x10000 - 550, 0x10000 - 1225), (m.reg(380), m.reg(382)))
    after = m.write_mirrored(values, skip=(592,))
    m.compare("setpoint written", after)

    r = c.write_register(1, 1, slave=1)
    check("stop command accepted", not r.isError(), r)
    done, secs = wait_until(lambda: m.reg(1) == 0, 3.0)
    check("the controller took the stop command (%.1f s)" % secs, done, m.reg(1))
    check("1 := 2 -> 4", exception_code(c.write_register(1, 2, slave=1)) == 4)
    check("0..1 with a stop of 0 -> 4", exception_code(c.write_registers(0, [7, 0], slave=1)) == 4)
    check("443 read-only -> 4", exception_code(c.write_register(443, 1, slave=1)) == 4)
    check("373 read-only -> 4", exception_code(c.write_register(373, 0, slave=1)) == 4)
    check("381 -> 2", exception_code(c.read_holding_registers(380, 3, slave=1)) == 2)
    m.compare("refused writes changed nothing", after, timeout=1.0)


if __name__ == "__main__":
    run_map(sys.argv[1], 11, "scada_dez", body, FIXED, COMPUTED)
