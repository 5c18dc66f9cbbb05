#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 11 (Dez), driven by Debian's pymodbus.

Usage: e2e_dez.py <path of rvk_gui>. Every mirrored parameter a value of its own; reads the whole map,
writes the frequency setpoint and the stop command. Exit status 0 only when every check passed."""
import sys

from mapread import compare_map, reg, run_map, wait_until, write_mirrored
from peercheck import check, exception_code

INPUTS = {13: 2, 592: 0}  # running; the stop command reads 0 until written
COMPUTED = {373: 0}


def body(c, rows, values):
    compare_map(c, rows, values, COMPUTED, "as chosen", timeout=10.0)
    after = write_mirrored(c, rows, values, skip=(592,))
    compare_map(c, rows, after, COMPUTED, "setpoint written")

    r = c.write_register(1, 1, slave=1)
    check("stop command accepted", not r.isError(), r)
    done, secs = wait_until(lambda: reg(c, 1) == 0, 3.0)
    check("the controller took the stop command (%.1f s)" % secs, done, reg(c, 1))
    check("1 := 2 -> 4", exception_code(c.write_register(1, 2, slave=1)) == 4)
    check("0..1 with a stop of 0 -> 4", exception_code(c.write_registers(0, [7, 0], slave=1)) == 4)
    check("443 read-only -> 4", exception_code(c.write_register(443, 1, slave=1)) == 4)
    check("373 read-only -> 4", exception_code(c.write_register(373, 0, slave=1)) == 4)
    check("381 -> 2", exception_code(c.read_holding_registers(380, 3, slave=1)) == 2)
    compare_map(c, rows, after, COMPUTED, "refused writes changed nothing", timeout=1.0)


if __name__ == "__main__":
    run_map(11, "scada_dez", sys.argv[1], INPUTS, body, 0)
