"""End-to-end checks of a register map, shared by the per-map scripts.

The map's rows are read from its table source (scada/<map>_init_parameters.cpp). Every parameter that a
mirrored row shows gets a value of its own through RVK_SIM_VALUES, chosen so that its first row reads a
distinct register value; the program runs on its simulated controller and Debian's pymodbus reads every
block of the map in requests of at most 125 registers and compares each register with the value that the
row's unit, coefficient and type give. Computed rows are compared with what the script expects of them."""
import math
import os
import re
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

from pymodbus.client import ModbusTcpClient

from peercheck import check, failures, finish, program_command

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# (scale, offset) of the units other than each quantity's stored unit (column 0) that the rows use:
# the register's unit = offset + stored value * scale.
UNITS = {
    (2, 4): (1.0 / 60.0, 0.0),        # duration in minutes
    (2, 6): (1.0 / 3600.0, 0.0),      # duration in hours
    (7, 1): (0.001, 0.0),             # frequency in kHz
    (9, 1): (1000.0, 0.0),            # current in mA
    (10, 1): (0.001, 0.0),            # power in kW
    (11, 1): (0.001, 0.0),            # apparent power in kVA
    (12, 1): (0.001, 0.0),            # reactive power in kvar
    (16, 1): (0.001, 0.0),            # resistance in kOhm
    (18, 1): (9.8692327, 0.0),        # pressure in atm
    (18, 2): (10.197162, 0.0),        # pressure in kgf/cm2
    (18, 4): (145.03774, 0.0),        # pressure in psi
    (23, 1): (1.0 / 24.0, 0.0),       # flow per hour
    (24, 1): (0.001, 0.0),            # power in kW
}
TWO_REGISTER_TYPES = {3, 5, 6, 9, 13, 15}


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def wait_until(fn, timeout):
    """Polls fn until it returns a true value; returns (value, seconds) or (None, timeout)."""
    start = time.monotonic()
    while time.monotonic() - start < timeout:
        v = fn()
        if v:
            return v, time.monotonic() - start
        time.sleep(0.02)
    return None, timeout


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


class Row:
    def __init__(self, address, pid, kind, op, ph, un, typ, coef, lo, hi):
        self.address, self.id, self.kind = address, pid, kind
        self.op, self.ph, self.un, self.type = op, ph, un, typ
        self.coef, self.min, self.max = coef, lo, hi

    @property
    def signed(self):
        return self.type in (2, 3) or self.min < 0


def expand(first, last, id_first, id_last, kind, cols):
    step = 2 if cols[3] in TWO_REGISTER_TYPES else 1
    rows = []
    for k, address in enumerate(range(first, last + 1, step)):
        pid = id_first + k if id_last != id_first else id_first
        rows.append(Row(address, pid, kind, *cols))
    return rows


def span(text):
    m = re.fullmatch(r"\{\s*(-?\d+)\s*,\s*(-?\d+)\s*\}", text.strip())
    if m:
        return int(m.group(1)), int(m.group(2))
    return int(text), int(text)


def read_table(name):
    """The rows of scada/<name>_init_parameters.cpp, coil rows left out, in table order.

    Lines are written either as every column {Register, Id, Op, Ph, Un, Type, Coef, Min, Max} or as the
    map's defaults R plus what differs: R.at(a[, b]).id(x) / .ids(x, y) / .computed() / .reserved() ..."""
    text = open(os.path.join(ROOT, "scada", name + "_init_parameters.cpp")).read()
    kinds = {"kCalc": "calc", "kCmd": "cmd", "kZero": "zero"}
    rows = []
    defaults = dict(op=1, ph=0, un=0, type=4, coef=1.0, min=0.0, max=0.0, id=(0, 0))
    m = re.search(r"constexpr ScadaRow R = ScadaRow\(\)((?:\.\w+\([^)]*\))*);", text)
    calls = re.compile(r"\.(\w+)\(([^)]*)\)")
    fields = {"op": "op", "physic": "ph", "unit": "un", "type": "type", "coef": "coef"}

    def apply(row, chain):
        for method, args in calls.findall(chain):
            a = [x.strip() for x in args.split(",")] if args.strip() else []
            if method in fields:
                row[fields[method]] = float(a[0]) if method == "coef" else int(a[0])
            elif method == "range":
                row["min"], row["max"] = float(a[0]), float(a[1])
            elif method == "at":
                row["at"] = (int(a[0]), int(a[-1]))
            elif method == "id":
                row["id"] = (int(a[0]), int(a[0]))
            elif method == "ids":
                row["id"] = (int(a[0]), int(a[1]))
            elif method == "computed":
                row["id"] = (0, 0)
            elif method == "reserved":
                row["id"] = (-1, -1)
        return row

    if m:
        apply(defaults, m.group(1))
    for line in text.split("\n"):
        line = line.split("//")[0].strip()
        b = re.fullmatch(r"R((?:\.\w+\([^)]*\))+),", line)
        if b:
            r = apply(dict(defaults), b.group(1))
            cols = (r["op"], r["ph"], r["un"], r["type"], r["coef"], r["min"], r["max"])
            kind = "mirror" if r["id"][0] > 0 else ("calc" if r["id"][0] == 0 else "reserved")
            rows += expand(r["at"][0], r["at"][1], r["id"][0], r["id"][1], kind, cols)
            continue
        c = re.fullmatch(r"\{(\{[^}]*\}|\d+),\s*(\{[^}]*\}|[-\w]+),([^{}]*)\},", line)
        if not c:
            continue
        first, last = span(c.group(1))
        idtext = c.group(2).strip()
        if idtext in kinds:
            ids, kind = (0, 0), kinds[idtext]
        else:
            ids = span(idtext)
            kind = "mirror" if ids[0] > 0 else ("calc" if ids[0] == 0 else "reserved")
        op, ph, un, typ, coef, lo, hi = [x.strip() for x in c.group(3).split(",")]
        cols = (int(op), int(ph), int(un), int(typ), float(coef), float(lo), float(hi))
        rows += expand(first, last, ids[0], ids[1], kind, cols)
    return [r for r in rows if r.type != 7]


def unit(row):
    if row.un == 0 or row.un >= 9:
        return 1.0, 0.0
    return UNITS[(row.ph, row.un)]


def register(value, row):
    """The register that a row shows for a stored value, as the read path converts it."""
    scale, offset = unit(row)
    x = f32(f32(offset) + f32(f32(value) * f32(scale))) / f32(row.coef)
    if math.isnan(x):
        return 0
    r = math.copysign(math.floor(abs(x) + 0.5), x)
    lo, hi = (-32768, 32767) if row.signed else (0, 65535)
    return int(min(max(r, lo), hi)) & 0xFFFF


def stored(reg, row):
    """The stored value whose row reads `reg` (a signed register value where the row is signed)."""
    scale, offset = unit(row)
    return f32((reg * f32(row.coef) - offset) / scale)


def choose(rows, taken, first=1001):
    """Values of their own for the parameters of the mirrored rows not in `taken`: id -> value."""
    values = {}
    n = 0
    for row in rows:
        if row.kind != "mirror" or row.id in taken or row.id in values:
            continue
        n += 1
        reg = first + 13 * n
        values[row.id] = stored(-reg if row.signed else reg, row)
    return values


def blocks(rows, size=125):
    """Runs of consecutive registers, cut to requests of at most `size`."""
    out = []
    for row in rows:
        if out and row.address == out[-1][0] + out[-1][1] and out[-1][1] < size:
            out[-1][1] += 1
        else:
            out.append([row.address, 1])
    return out


def read_all(c, rows):
    """Every register of the map, address -> value, or None when a block failed."""
    got = {}
    for first, count in blocks(rows):
        r = c.read_holding_registers(first, count, slave=1)
        if r.isError():
            return None
        got.update(zip(range(first, first + count), r.registers))
    return got


def reg(c, address, count=1):
    r = c.read_holding_registers(address, count, slave=1)
    return None if r.isError() else (r.registers[0] if count == 1 else r.registers)


def mismatches(c, rows, values, computed):
    """Reads the whole map; the rows that differ from what is expected: mirrored rows the values' register,
    computed rows `computed` (address -> value, or a test of the value), every other row 0."""
    got = read_all(c, rows)
    if got is None:
        return ["a block could not be read"]
    wrong = []
    for row in rows:
        if row.kind == "mirror":
            want = register(values[row.id], row)
        elif row.address in computed:
            want = computed[row.address]
        elif row.kind in ("calc", "cmd"):
            wrong.append("%d: no expected value" % row.address)
            continue
        else:
            want = 0
        if not (want(got[row.address]) if callable(want) else got[row.address] == want):
            wrong.append("%d: %d, expected %s" % (row.address, got[row.address], want if not callable(want) else "?"))
    return wrong


def compare_map(c, rows, values, computed, name, timeout=5.0):
    """Checks the whole map, waiting up to `timeout` for written values to come back."""
    settled, secs = wait_until(lambda: not mismatches(c, rows, values, computed), timeout)
    kinds = {}
    for row in rows:
        kinds[row.kind] = kinds.get(row.kind, 0) + 1
    detail = ", ".join("%d %s" % (n, k) for k, n in sorted(kinds.items()))
    check("%s: every register as expected (%s; %.1f s)" % (name, detail, secs), settled,
          "; ".join(mismatches(c, rows, values, computed)[:20]))


def catalogue():
    """The simulated controller's parameters: id -> (min, max) in the stored unit."""
    out = {}
    with open(os.path.join(ROOT, "resources", "db", "parameters.tsv")) as f:
        head = f.readline().rstrip("\n").split("\t")
        for line in f:
            cells = dict(zip(head, line.rstrip("\n").split("\t")))
            out[int(cells["id"])] = (float(cells["min"]), float(cells["max"]))
    return out


def write_mirrored(c, rows, values, skip=()):
    """Writes every writable mirrored row (but those of the parameters in `skip`) with a register value in
    its range and in its parameter's, other than the one it shows; returns the values that the map should
    show then."""
    limits = catalogue()
    after = dict(values)
    refused = []
    written = 0
    for row in rows:
        if row.kind != "mirror" or row.op != 2 or row.id in skip:
            continue
        scale, offset = unit(row)
        smin, smax = limits[row.id]
        lo = max(int(row.min), math.ceil((smin * scale + offset) / row.coef - 1e-6))
        hi = min(int(row.max), math.floor((smax * scale + offset) / row.coef + 1e-6))
        current = register(after[row.id], row)
        candidates = [v for v in (lo + 1, lo, hi, (lo + hi) // 2) if lo <= v <= hi and v != current]
        if not candidates:
            refused.append("%d: no value to write" % row.address)
            continue
        v = candidates[0]
        r = c.write_register(row.address, v, slave=1)
        written += 1
        if r.isError():
            refused.append("%d := %d %s" % (row.address, v, r))
        after[row.id] = stored(v, row)
    check("%d writes of mirrored rows accepted" % written, written and not refused, refused)
    return after


def run(profile, program, extra_values, body, probe, env_extra=None):
    """Starts the program with SCADA profile `profile` and `extra_values` (id -> value) on its simulated
    controller, waits until register `probe` answers, calls body(client), stops the program and reports."""
    port = free_port()
    values = ";".join(["578=%d" % profile] + ["%d=%r" % kv for kv in sorted(extra_values.items())])
    env = dict(os.environ, RVK_SIM_VALUES=values, RVK_SCADA_PORT=str(port), QT_QPA_PLATFORM="offscreen")
    env.update(env_extra or {})
    log = tempfile.TemporaryFile()
    proc = subprocess.Popen(program_command(program), env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        c = ModbusTcpClient("127.0.0.1", port=port, timeout=7, retries=0)
        ready, secs = wait_until(lambda: c.connect() and reg(c, probe) is not None, 60.0)
        check("program serves profile %d on port %d (%.1f s)" % (profile, port, secs), ready)
        if ready:
            body(c)
        c.close()
    finally:
        proc.send_signal(signal.SIGTERM)
        try:
            code = proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            proc.kill()
            code = None
        check("program quits cleanly", code == 0, code)
        if failures:
            log.seek(0)
            sys.stdout.write(log.read().decode(errors="replace")[-4000:])
    finish()


def run_map(profile, name, program, inputs, body, probe, env_extra=None):
    """Runs the program on map scada/<name> with `inputs` (id -> value) and a value of its own for every
    other parameter that a mirrored row shows; calls body(client, rows, values)."""
    rows = read_table(name)
    values = {**inputs, **choose(rows, inputs)}
    run(profile, program, values, lambda c: body(c, rows, values), probe, env_extra)
