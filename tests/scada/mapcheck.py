"""Reading a whole register map as an outside master does, for the end-to-end scripts."""
import sys
import time

from pymodbus.client import ModbusTcpClient

import maptable
from peercheck import check, finish
from peerprogram import Program, wait_until


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


def reg(c, address):
    r = c.read_holding_registers(address, 1, slave=1)
    return None if r.isError() else r.registers[0]


def run_map(profile, row_count, writes, own):
    """The end-to-end run of one map: argv is <path of rvk_gui> <the map's init_parameters.cpp>. Every
    mirrored parameter but those the panel writes itself (`own`, with the values it writes) gets a value
    of its own; once they are served, every block is checked, then writes(client, rows, want) runs."""
    program, source = sys.argv[1], sys.argv[2]
    rows = maptable.load(source)
    check("table of %d rows read from the source" % row_count, len(rows) == row_count, len(rows))
    values = maptable.distinctive_values(rows, skip=own)
    want = maptable.expected(rows, {**values, **own})
    with Program(program, {578: profile, **values}) as port:
        c = ModbusTcpClient("127.0.0.1", port=port, timeout=7, retries=0)
        first = maptable.registers(rows)[0].address
        # Through the client's own connection: the server keeps one client, a probe would replace it.
        ready, secs = wait_until(lambda: c.connect() and reg(c, first) is not None, 60.0)
        check("program serves port %d (%.1f s)" % (port, secs), ready)
        if ready:
            ok, secs = wait_until(lambda: not differences(read_map(c, rows)[0], want), 20.0)
            check("%d mirrored parameters reach their registers (%.1f s)" % (len(values), secs), ok)
            check_every_block(c, rows, want, "profile %d" % profile)
            writes(c, rows, want)
        c.close()
    finish()
