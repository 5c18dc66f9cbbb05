"""A register map end to end: the program on its simulated controller, its map read and written by Debian's
pymodbus as an outside master.

run_map() gives every parameter that the map mirrors a value of its own, waits until every register of the
table reads what its columns give (maptable), reads every block as holding and as input registers, checks
that the values hold while the plant model steps, then hands the session to the script's own checks."""
import math
import time

from pymodbus.client import ModbusTcpClient

import maptable
from peercheck import check, exception_code, finish
from peerprogram import Program, wait_until

MOST_REGISTERS = 125


class MapSession:
    """The running map as a master sees it. `holding` and `inputs` are the table addresses at which the two
    address spaces start (0 and 0: one table that both serve; profile 4 has 30000 and 40000)."""

    def __init__(self, client, rows=(), holding=0, inputs=0, computed=None, computed_rest=None):
        self.c = client
        self.rows = maptable.registers(rows)
        self.holding = holding
        self.inputs = inputs
        self.computed = computed or {}
        self.computed_rest = computed_rest

    def want(self, values, computed=None):
        """{address: words} that the map must show for the parameter values, its computed rows as `computed`
        (or the run's) gives them."""
        return maptable.expected(self.rows, values, self.computed if computed is None else computed,
                                 self.computed_rest)

    def is_input(self, address):
        return bool(self.inputs) and address >= self.inputs

    def space(self, address, function=None):
        """(read function, PDU address) of a table address; `function` "input" reads a one-table map's
        registers as input registers."""
        if self.is_input(address):
            return self.c.read_input_registers, address - self.inputs
        read = self.c.read_input_registers if function == "input" else self.c.read_holding_registers
        return read, address - self.holding

    def read(self, address, count=1, function=None):
        fn, pdu = self.space(address, function)
        r = fn(pdu, count, slave=1)
        return None if r.isError() else list(r.registers)

    def reg(self, address):
        """One register, or None when the read failed."""
        words = self.read(address)
        return words[0] if words else None

    def write(self, address, words):
        """None when the write was accepted, else the exception code."""
        r = self.c.write_registers(address - self.holding, words, slave=1)
        return exception_code(r) if r.isError() else None

    def requests(self):
        """[first, count, rows]: every row read once, in requests of at most 125 registers that cut no row,
        span no gap and stay in one address space."""
        out = []
        for r in self.rows:
            last = out[-1] if out else None
            if (last and last[0] + last[1] == r.address and last[1] + r.size <= MOST_REGISTERS
                    and self.is_input(last[0]) == self.is_input(r.address)):
                last[1] += r.size
                last[2].append(r)
            else:
                out.append([r.address, r.size, [r]])
        return out

    def snapshot(self, function=None):
        """Every register row: ({address: words}, or None when a request failed; answer times in ms)."""
        got = {}
        latencies = []
        for first, count, rows in self.requests():
            start = time.monotonic()
            words = self.read(first, count, function)
            latencies.append((time.monotonic() - start) * 1000.0)
            if words is None:
                return None, latencies
            for r in rows:
                at = r.address - first
                got[r.address] = words[at:at + r.size]
        return got, latencies

    def differences(self, want, got=None, function=None):
        """The registers that do not read what `want` ({address: words, or a test of the words}) says."""
        if got is None:
            got = self.snapshot(function)[0]
        if got is None:
            return ["a request failed"]
        wrong = []
        for a, w in sorted(want.items()):
            have = got.get(a) if a in got else self.read(a, len(w) if isinstance(w, list) else 1, function)
            if w is None:
                wrong.append("%d: no expected value" % a)
            elif not (w(have) if callable(w) else have == w):
                wrong.append("%d: %s, not %s" % (a, have, "as tested" if callable(w) else w))
        return wrong

    def settled(self, want, timeout=5.0):
        """Waits until the registers read `want`; a written row shows the written words until the controller
        reports its parameter, so the first look comes 0.3 s on. (ok, what they read, seconds)."""
        time.sleep(0.3)
        ok, secs = wait_until(lambda: not self.differences(want, {}), timeout)
        return ok, {a: self.read(a, len(w)) for a, w in want.items()}, secs + 0.3

    def compare(self, name, values, computed=None, timeout=5.0):
        """Checks every register of the map against the values and computed rows, waiting up to `timeout`
        for written values to come back."""
        want = self.want(values, computed)
        ok, secs = wait_until(lambda: not self.differences(want), timeout)
        kinds = {}
        for r in self.rows:
            kinds[r.kind] = kinds.get(r.kind, 0) + 1
        detail = ", ".join("%d %s" % (n, k) for k, n in sorted(kinds.items()))
        check("%s: every register as expected (%s; %.1f s)" % (name, detail, secs), ok,
              "; ".join(self.differences(want)[:20]))

    def write_mirrored(self, values, skip=()):
        """Writes every writable mirrored row (but those of the parameters in `skip`) with a register value in
        its range and in its parameter's, other than the one it shows; returns the values that the map shows
        then."""
        limits = maptable.catalogue()
        after = dict(values)
        refused = []
        written = 0
        for row in self.rows:
            if row.id <= 0 or row.op != 2 or row.id in skip:
                continue
            scale, offset = maptable.unit_factor(row)
            smin, smax = limits[row.id]
            lo = max(int(row.min), math.ceil((smin * scale + offset) / row.coef - 1e-6))
            hi = min(int(row.max), math.floor((smax * scale + offset) / row.coef + 1e-6))
            current = maptable.words(row, after[row.id])
            candidates = [v for v in (lo + 1, lo, hi, (lo + hi) // 2)
                          if lo <= v <= hi and maptable.words(row, maptable.stored(row, v)) != current]
            if not candidates:
                refused.append("%d: no value to write" % row.address)
                continue
            v = candidates[0] & ((1 << (16 * row.size)) - 1)
            after[row.id] = maptable.stored(row, candidates[0])
            code = self.write(row.address, [v >> 16, v & 0xFFFF] if row.size == 2 else [v])
            written += 1
            if code is not None:
                refused.append("%d := %d -> %s" % (row.address, v, code))
        check("%d writes of mirrored rows accepted" % written, written and not refused, refused)
        return after


def check_energy(m, values):
    """Every energy counter of the map that holds its value of maptable.ENERGY reads that value x 10 exactly."""
    rows = [r for r in m.rows if r.id in maptable.ENERGY and values.get(r.id) == maptable.ENERGY[r.id]]
    wrong = []
    for r in rows:
        want = maptable.ENERGY[r.id] * 10
        got = m.read(r.address, 2)
        if got != [want >> 16, want & 0xFFFF]:
            wrong.append("%d: %s, not %d" % (r.address, got, want))
    check("%d energy counters read their value x 10 exactly" % len(rows), rows and not wrong, wrong)


def serve(program, profile, values, ready, body, env=None, timeout=7, responses=()):
    """Starts the program with SCADA profile `profile` and `values` ({id: value}) on its simulated controller,
    runs body(client) once ready(client) holds, stops the program and closes the check count."""
    with Program(program, {578: profile, **values}, env) as port:
        c = ModbusTcpClient("127.0.0.1", port=port, timeout=timeout, retries=0)
        for response in responses:
            c.register(response)
        # Through the client's own connection: the server keeps one client, a probe would replace it.
        up, secs = wait_until(lambda: c.connect() and ready(c), 60.0)
        check("program serves profile %d on port %d (%.1f s)" % (profile, port, secs), up)
        if up:
            body(c)
        c.close()
    finish()


def run_map(program, profile, table, body, fixed=None, computed=None, computed_rest=None, env=None, holding=0,
            inputs=0, table_rows=None):
    """The end-to-end run of one map: scada/<table>_init_parameters.cpp read, every mirrored parameter but
    those of `fixed` a value of its own, the computed rows as `computed` gives them (the others read
    `computed_rest`; None: each must be listed), every register checked as the opening says, then
    body(session, values)."""
    rows = maptable.load(table)
    if table_rows is not None:
        check("table of %d rows read from the source" % table_rows, len(rows) == table_rows, len(rows))
    values = maptable.distinctive_values(rows, fixed)

    def session(c):
        return MapSession(c, rows, holding, inputs, computed, computed_rest)

    def opening(c):
        m = session(c)
        m.compare("as chosen", values, timeout=20.0)
        want = m.want(values)
        spaces = (("holding", None), ("input", "input")) if not (holding or inputs) else (("holding and input", None),)
        for name, function in spaces:
            got, latencies = m.snapshot(function)
            diff = m.differences(want, got)
            check("%s registers: %d requests read %d registers, slowest answer %.1f ms, mean %.1f ms"
                  % (name, len(latencies), sum(r.size for r in m.rows), max(latencies),
                     sum(latencies) / len(latencies)), not diff, diff[:12])
        time.sleep(1.5)  # a look for a change that must not come: a busy machine only looks less long
        diff = m.differences(want)
        check("chosen values hold after plant steps", not diff, diff[:12])
        body(m, values)

    first = session(None).requests()[0][0]
    serve(program, profile, values, lambda c: session(c).read(first) is not None, opening, env)
