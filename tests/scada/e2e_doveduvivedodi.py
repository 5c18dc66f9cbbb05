#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 7, driven by Debian's pymodbus.

Usage: e2e_doveduvivedodi.py <path of rvk_gui>.
Every mirrored parameter gets a value of its own; every register must read what the table's columns
give for it. Then the writes that the map accepts and refuses. Exit status 0 only when every check passed."""
import sys
import time

from mapsession import run_map
from peercheck import check
from peerprogram import wait_until

# Written by the panel itself once synchronised: its version.
OWN = {541: 3.38}


def writes(m, values):
    write, reg = m.write, m.reg
    check("124 := 150", write(124, [150]) is None)
    check("124 reads back 150", wait_until(lambda: reg(124) == 150, 3.0)[0], reg(124))
    for address, value, name in ((124, 10000, "above the range"), (46, 1, "placeholder"), (241, 1, "reserved"),
                                 (0, 1, "read-only"), (130, 0, "x0.001 below 0.001"),
                                 (134, 10000, "x0.001 above 9.999"), (235, 29, "below 3 Hz"),
                                 (235, 2001, "above 200 Hz"), (229, 2, "command 2")):
        check("%d := %d (%s) -> 4" % (address, value, name), write(address, [value]) == 4)
    check("256 absent -> 2", write(256, [1]) == 2)

    # Ranges in the value's units: 5.000 at x0.001, 3.0 Hz at x0.1.
    check("130 := 5000", write(130, [5000]) is None)
    check("235 := 30", write(235, [30]) is None)
    check("225 := 4321 (password 1)", write(225, [4321]) is None)
    check("47..49 := 12, 7, 30", write(47, [12, 7, 30]) is None)
    back = {130: 5000, 235: 30, 225: 4321, 47: 12, 48: 7, 49: 30}
    ok, secs = wait_until(lambda: all(reg(a) == v for a, v in back.items()), 3.0)
    check("written values read back (%.0f ms)" % (secs * 1000), ok, {a: reg(a) for a in back})
    check("48..50 ending in a reserved register -> 4", write(48, [5, 40, 0]) == 4)
    time.sleep(0.5)  # a look for a change that must not come: a busy machine only looks less long
    check("nothing of it applied", reg(48) == 7 and reg(49) == 30, (reg(48), reg(49)))

    # Motor data (operation 3), p782 at 137 among it, is never written over Modbus, stopped or running: the
    # controller keeps its values.
    motor = {a: reg(a) for a in (137, 138, 182, 183, 184, 185, 188, 198)}
    for state in ("stopped", "running"):
        check("183 := 150 while %s -> 4" % state, write(183, [150]) == 4)
        check("137 := 1 while %s -> 4" % state, write(137, [1]) == 4)
        check("182..185 while %s -> 4" % state, write(182, [1000, 120, 630, 850]) == 4)
        if state == "stopped":
            check("229 := 1 (start)", write(229, [1]) is None)
            ok, secs = wait_until(lambda: reg(173) == 28, 5.0)
            check("station runs, start reason 28 in 173 (%.1f s)" % secs, ok, reg(173))
    check("230 := 1 (stop)", write(230, [1]) is None)
    ok, secs = wait_until(lambda: reg(197) == 28, 5.0)
    check("station stops, stop reason 28 in 197 (%.1f s)" % secs, ok, reg(197))
    check("motor data unchanged", {a: reg(a) for a in motor} == motor, {a: reg(a) for a in motor})


if __name__ == "__main__":
    run_map(sys.argv[1], 7, "scada_doveduvivedodi", writes, OWN, computed_rest=0, table_rows=256)
