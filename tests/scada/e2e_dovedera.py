#!/usr/bin/python3
"""The Dovedera map (SCADA profile 4) end to end: holding register n is table row 30000 + n, input register
n row 40000 + n. Usage: e2e_dovedera.py <rvk_gui>."""
import sys

import maptable
from mapsession import check_energy, run_map
from peercheck import check, exception_code


# 14:05:09 on 3 March 2025 (UTC) as the last stop and the clock; blocked, p401 5, mode 0; an overvoltage
# trip; stop reason 42.
WHEN = 1741010709
FIXED = {633: 3, 401: 5, 15: 0, 635: 1, 44: 1, 535: 42, 534: WHEN, 562: WHEN, **maptable.ENERGY}
COMPUTED = {40000: [38], 40001: [1], 40002: [0], 40003: [24], 40004: [6403], 40005: [782], 40006: [1289],
            30075: [6403], 30076: [782], 30077: [1289]}


def exercise(m, values):
    c = m.c
    check_energy(m, values)
    r = c.read_holding_registers(10000, 1, slave=1)
    check("holding 10000 is row 40000", not r.isError() and r.registers == [38], r)
    check("input 154 is no row -> 2", exception_code(c.read_input_registers(154, 1, slave=1)) == 2)
    check("holding 81 refuses -> 4", m.write(30081, [1]) == 4)
    check("holding 43 reserved -> 4", m.write(30043, [0]) == 4)
    check("holding 0 below its range -> 4", m.write(30000, [50]) == 4)
    check("31 February -> 4", m.write(30075, [25 * 256 + 2, 31 * 256 + 9]) == 4)

    check("write holding 0", m.write(30000, [500]) is None)
    v, got, secs = m.settled({30000: [500]})
    check("holding 0 reads back 500 (%.1f s)" % secs, v, got)

    # The whole clock in one request: 09:10:11 on 15 February 2025; the controller's clock runs on from it.
    check("write the clock", m.write(30075, [25 * 256 + 2, 15 * 256 + 9, 10 * 256 + 11]) is None)
    v, got, secs = m.settled({30075: [25 * 256 + 2, 15 * 256 + 9]})
    minute = (m.read(30077) or [0])[0] >> 8
    check("clock reads 2025-02-15 09:10 (%.1f s)" % secs, v and minute in (10, 11), (got, minute))


if __name__ == "__main__":
    run_map(sys.argv[1], 4, "scada_dovedera", exercise, FIXED, COMPUTED, computed_rest=0, env={"TZ": "UTC"},
            holding=30000, inputs=40000)
