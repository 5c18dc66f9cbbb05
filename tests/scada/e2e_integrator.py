#!/usr/bin/python3
"""The Modbus server as a SCADA integrator meets it: the program with profile 3 on its simulated
controller, driven by Debian's pymodbus from the moment it starts.

- Until the first synchronisation ends every read answers exception 6; then the mirror's values, none of
  the writable registers outside the range its writes accept.
- A write read back at once reads the written value (50 trials on two registers); a write that the
  controller refuses reads the old value again well before the 2 s time-out.
- Requests write nothing to the log; 2000 reconnections write a handful of lines.

Usage: e2e_integrator.py <path of rvk_gui> <source folder>. Exit status 0 only when every check passed."""
import logging
import os
import re
import socket
import sys
import time

from pymodbus.client import ModbusTcpClient

from peerprogram import Program, wait_until
from peercheck import check, exception_code, finish

FIRST, COUNT = 544, 45  # the writable block 544..588

logging.getLogger("pymodbus").setLevel(logging.CRITICAL)  # refused connections before the program listens


def writable_ranges(path):
    """{register: (min, max)} of the table's writable one-register rows of a parameter."""
    line = r"\{(\d+), (-?\d+), (\d+), \d+, \d+, (\d+), [\d.]+, ([\d.]+), ([\d.]+)\}"
    return {int(a): (float(lo), float(hi)) for a, pid, op, typ, lo, hi in re.findall(line, open(path).read())
            if op == "2" and typ == "4" and int(pid) > 0}


def reg(c, address):
    r = c.read_holding_registers(address, 1, slave=1)
    return None if r.isError() else r.registers[0]


def log_size(prog):
    return os.fstat(prog.log.fileno()).st_size


def log_since(prog, offset):
    prog.log.seek(offset)
    return prog.log.read().decode(errors="replace").splitlines()


def start_up(port, ranges):
    c = ModbusTcpClient("127.0.0.1", port=port, timeout=3, retries=0)
    busy, other, outside = 0, [], []
    served_at = None
    start = time.monotonic()
    while time.monotonic() - start < 60 and (served_at is None or time.monotonic() - served_at < 1.0):
        if not c.connect():
            time.sleep(0.01)
            continue
        r = c.read_holding_registers(FIRST, COUNT, slave=1)
        if r.isError():
            if exception_code(r) == 6 and served_at is None:
                busy += 1
            else:
                other.append(r)
        else:
            served_at = served_at or time.monotonic()
            outside += [(a, r.registers[a - FIRST]) for a, (lo, hi) in ranges.items()
                        if not lo <= r.registers[a - FIRST] <= hi]
        time.sleep(0.01)
    check("%d reads before the first synchronisation ended, each answered exception 6" % busy,
          busy > 0 and not other, other[:3])
    check("served %.1f s after the start, no writable register outside its range"
          % ((served_at or start) - start), served_at is not None and not outside, outside[:10])
    return c


def read_back(c):
    stale = []
    for i in range(50):
        for address, values in ((550, (1000, 1100)), (579, (20, 21))):
            value = values[i % 2]
            r = c.write_register(address, value, slave=1)
            got = reg(c, address)
            if r.isError() or got != value:
                stale.append((i, address, value, got, r))
    check("50 trials on 550 and 579, each read at once after its write: %d stale" % len(stale), not stale,
          stale[:5])
    v, secs = wait_until(lambda: reg(c, 550) == 1100 and reg(c, 579) == 21, 3.0)
    check("the controller's values follow (%.0f ms)" % (secs * 1000), v)


def refused_write(c):
    # 560 takes 0..9999; its parameter, the pressure unit 585, only 0..5.
    old = reg(c, 560)
    r = c.write_register(560, 7, slave=1)
    check("write 560 := 7 acknowledged", not r.isError(), r)
    start = time.monotonic()
    v, secs = wait_until(lambda: reg(c, 560) == old, 3.0)
    check("refused by the controller, 560 reads %s again after %.0f ms" % (old, secs * 1000),
          v and secs < 1.5, reg(c, 560))


def reconnections(prog, port):
    offset = log_size(prog)
    for _ in range(2000):
        socket.create_connection(("127.0.0.1", port), timeout=2).close()
    c = ModbusTcpClient("127.0.0.1", port=port, timeout=3, retries=0)
    v, _ = wait_until(lambda: c.connect() and reg(c, 579) is not None, 10.0)
    check("served after 2000 reconnections", v)
    c.close()
    time.sleep(0.3)  # a look for a change that must not come: a busy machine only looks less long
    lines = log_since(prog, offset)
    check("2000 reconnections: %d log lines" % len(lines), len(lines) <= 4, lines[:10])


def main():
    program, source = sys.argv[1], sys.argv[2]
    ranges = writable_ranges(os.path.join(source, "scada", "scada_vuduzu2000_init_parameters.cpp"))
    check("%d writable registers of parameters in the table" % len(ranges), len(ranges) >= 30, len(ranges))
    prog = Program(program, {578: 3, 580: 17})
    with prog as port:
        c = start_up(port, ranges)
        offset = log_size(prog)
        read_back(c)
        lines = log_since(prog, offset)
        check("200 requests: %d log lines" % len(lines), not lines, lines[:5])
        refused_write(c)
        c.close()
        reconnections(prog, port)
    finish()


if __name__ == "__main__":
    main()
