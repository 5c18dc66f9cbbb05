#!/usr/bin/python3
"""The RiZovo map (SCADA profile 9) end to end. Usage: e2e_ri_zovo.py <rvk_gui>."""
import sys

from mapsession import run_map
from peercheck import check, exception_code


# Blocked; digital input 1 on; idle 1 d 1 h 1 min; run 2 d 7 h 33 min; stop setpoint 110 % of 42.5 A;
# manual mode without SCADA start; analog input 1 in use; the four inputs' scales, setpoints and actions.
# The program writes its version (p541) at start-up.
FIXED = {633: 3, 24: 1, 529: 90061, 526: 200000, 155: 110, 10017: 42.5, 15: 0, 2087: 0, 823: 1, 822: 3,
         824: 4, 825: 20, 275: 8, 277: 16, 268: 2, 2113: 1,
         828: 0, 829: 10, 290: 1, 292: 9, 283: 3, 2114: 2,
         832: 0, 833: 200, 305: 50, 307: 150, 298: 0, 2115: 3,
         836: -10, 837: 10, 320: -5, 322: 5, 313: 2, 2116: 0, 541: 3.38}
COMPUTED = {2080: [3], 2092: [1], 2093: [1], 2094: [1], 2104: [33], 2105: [7], 2106: [2], 705: [460], 741: [1],
            783: [25], 784: [3], 787: [75], 788: [2], 791: [10], 792: [2], 795: [90], 796: [3],
            799: [25], 800: [0], 803: [75], 804: [2], 807: [25], 808: [3], 811: [75], 812: [0], 826: [1]}


def exercise(m, values):
    c = m.c
    r = c.read_input_registers(2040, 40, slave=1)
    check("input registers read the same rows", not r.isError() and r.registers == m.read(2040, 40))
    check("412 has no register size -> 4", exception_code(c.read_holding_registers(412, 1, slave=1)) == 4)
    check("2211 is no row -> 2", exception_code(c.read_holding_registers(2211, 2, slave=1)) == 2)
    check("600 is no row -> 2", exception_code(c.read_holding_registers(600, 1, slave=1)) == 2)
    check("2044 read-only -> 4", m.write(2044, [1]) == 4)
    check("788 code 4 -> 4", m.write(788, [4]) == 4)

    # Writes reach the controller; the registers then show what it applied.
    check("write 703, 783, 788", m.write(703, [555]) is None and m.write(783, [50]) is None
          and m.write(788, [3]) is None)
    want = {703: [555], 705: [610], 783: [50], 788: [3]}
    v, got, secs = m.settled(want)
    check("rated current 55.5 A, stop current 61 A, setpoint 50 %%, action code 3 read back (%.1f s)" % secs, v,
          got)


if __name__ == "__main__":
    run_map(sys.argv[1], 9, "scada_ri_zovo", exercise, FIXED, COMPUTED, computed_rest=0, env={"TZ": "UTC"})
