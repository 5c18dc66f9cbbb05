"""Reading a whole register map as an outside master does, for the end-to-end scripts."""
import time

import maptable
from peercheck import check


def read_map(c, rows, function="holding"):
    """address -> word for every register, in requests of at most 125 registers; also the slowest
    answer in ms. None when a request failed."""
    read = c.read_holding_registers if function == "holding" else c.read_input_registers
    got = {}
    slowest = 0.0
    for first, count in maptable.blocks(rows):
        start = time.monotonic()
        r = read(first, count, slave=1)
        slowest = max(slowest, (time.monotonic() - start) * 1000)
        if r.isError() or len(r.registers) < count:
            return None, slowest
        got.update({first + k: r.registers[k] for k in range(count)})
    return got, slowest


def differences(got, want):
    if got is None:
        return ["a request failed"]
    return ["%d: %d, not %d" % (a, got.get(a, -1), w) for a, w in sorted(want.items()) if got.get(a) != w]


def check_every_block(c, rows, want, name):
    """Every block read by holding and by input registers, each register as `want` says."""
    for function in ("holding", "input"):
        got, slowest = read_map(c, rows, function)
        diff = differences(got, want)
        check("%s: %d requests read %d registers as %s registers, slowest answer %.1f ms"
              % (name, len(maptable.blocks(rows)), len(want), function, slowest), not diff, diff[:12])
