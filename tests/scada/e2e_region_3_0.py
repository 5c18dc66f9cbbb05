#!/usr/bin/python3
"""The Zevovo30 map (SCADA profiles 2, 8 and 12) end to end.
Usage: e2e_region_3_0.py <rvk_gui> <profile>."""
import sys

import maptable
from mapsession import check_energy, run_map
from peercheck import check, exception_code


# Blocked, p401 5, mode 0, DHS link with type 13, meter link without a meter; a trip of p875 only; stop
# reason 20; 14:05:09 on 3 March 2025 (UTC) as the last stop and the clock; turbine action 2, door action
# off, phase action 3; maintenance of quantity 2 with the sensor at the outlet, value 123; start and end
# frequencies 250 and 10 Hz over 120 s. Display units, slave address: values they may take.
WHEN = 1741010709
FIXED = {633: 3, 401: 5, 703: 1, 39: 13, 704: 1, 705: 0, 635: 1, 875: 1, 535: 20, 534: WHEN, 562: WHEN,
         178: 2, 402: 0, 103: 3, 474: 3, 475: 2, 1215: 1, 689: 123, 465: 250, 466: 10, 467: 120,
         585: 3, 586: 1, 580: 17, **maptable.ENERGY}
CLOCK = [[6403], [782], [1289]]
COMPUTED = {256: [102], 257: [0], 258: [32768], 259: [6], 260: CLOCK[0], 261: CLOCK[1], 262: CLOCK[2],
            301: [4], 346: CLOCK[0], 347: CLOCK[1], 348: CLOCK[2], 634: CLOCK[0], 635: CLOCK[1], 636: CLOCK[2],
            578: [1], 591: [0], 598: [4], 601: [123], 619: [1], 643: [200]}


def exercise(m, values):
    c = m.c
    check_energy(m, values)
    r = c.read_input_registers(256, 40, slave=1)
    check("input registers read the same rows", not r.isError() and r.registers == m.read(256, 40))
    check("354 is no row -> 2", exception_code(c.read_holding_registers(354, 1, slave=1)) == 2)
    check("reserved 604 -> 4", m.write(604, [0]) == 4)
    check("status 256 -> 4", m.write(256, [0]) == 4)
    check("slave address 248 -> 4", m.write(628, [248]) == 4)
    check("maintenance code 7 -> 4", m.write(598, [7]) == 4)

    check("write 544, 578, 598, 643", m.write(544, [450]) is None and m.write(578, [0]) is None
          and m.write(598, [11]) is None and m.write(643, [100]) is None)
    want = {544: [450], 578: [0], 598: [11], 643: [100]}
    v, got, secs = m.settled(want)
    check("p720 450, turbine action off, maintenance 11, rate 1 Hz/s read back (%.1f s)" % secs, v, got)

    check("write the second clock", m.write(634, [25 * 256 + 2, 15 * 256 + 9, 10 * 256 + 11]) is None)
    date = [25 * 256 + 2, 15 * 256 + 9]
    v, got, secs = m.settled({346: date, 634: date})
    minute = (m.read(348) or [0])[0] >> 8
    check("both clocks read 2025-02-15 09:10 (%.1f s)" % secs, v and minute in (10, 11), (got, minute))


if __name__ == "__main__":
    run_map(sys.argv[1], int(sys.argv[2]), "scada_region_3_0", exercise, FIXED, COMPUTED, computed_rest=0,
            env={"TZ": "UTC"})
