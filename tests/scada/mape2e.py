"""A register map end to end: the program on its simulated controller with a chosen value for every
parameter that the map mirrors, read and written by Debian's pymodbus.

The map's table is read from its scada/<map>_init_parameters.cpp (the defaults line `constexpr ScadaRow R`
and one `R.at(...)...` line a register or run); each mirrored register is checked against the value that
its columns give: unit, coefficient, rounding, saturation and signedness computed here, apart from the
program's own code."""
import math
import os
import re
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import time

from pymodbus.client import ModbusTcpClient

from peercheck import check, exception_code, failures, finish

# (physic, unit): register unit = offset + stored value x scale; the pairs that the maps use, the rest 1:1.
UNITS = {
    (2, 4): (1.0 / 60.0, 0.0), (2, 6): (1.0 / 3600.0, 0.0), (4, 4): (1000.0, 0.0), (9, 1): (1000.0, 0.0),
    (10, 1): (0.001, 0.0), (11, 1): (0.001, 0.0), (16, 1): (0.001, 0.0), (18, 1): (9.8692327, 0.0),
    (18, 2): (10.197162, 0.0), (18, 3): (10.0, 0.0), (18, 4): (145.03774, 0.0), (19, 1): (1.8, 32.0),
    (20, 1): (9.80665, 0.0), (24, 1): (0.001, 0.0),
}
TWO_REGISTER_TYPES = (3, 5, 6, 9, 13, 15)
ONE_REGISTER_TYPES = (1, 2, 4, 8, 10, 12, 14)


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def registers(row):
    return 2 if row["type"] in TWO_REGISTER_TYPES else 1


def _chain(row, text):
    ids = None
    first = last = None
    for name, args in re.findall(r"\.(\w+)\(([^)]*)\)", text):
        a = [x.strip() for x in args.split(",")] if args else []
        if name == "at":
            first, last = int(a[0]), int(a[-1])
        elif name == "id":
            ids = (int(a[0]), int(a[0]))
        elif name == "ids":
            ids = (int(a[0]), int(a[1]))
        elif name == "computed":
            ids = (0, 0)
        elif name == "reserved":
            ids = (-1, -1)
        elif name in ("op", "physic", "unit", "type"):
            row[name] = int(a[0])
        elif name == "coef":
            row["coef"] = float(a[0])
        elif name == "range":
            row["min"], row["max"] = float(a[0]), float(a[1])
    return first, last, ids


def load(path):
    """The rows of a map's table, as its source lists them."""
    text = open(path, encoding="utf-8").read()
    row = dict(id=0, op=1, physic=0, unit=0, type=4, coef=1.0, min=0.0, max=0.0)
    _chain(row, re.search(r"constexpr ScadaRow R = (.*);", text).group(1))
    defaults = dict(row)
    rows = []
    for line in text.splitlines():
        line = line.strip()
        if not line.startswith("R.at("):
            continue
        r = dict(defaults)
        first, last, ids = _chain(r, line[1:])
        ids = ids or (0, 0)
        step = registers(r) if last != first else 1
        for k in range((last - first + 1) // step if last != first else 1):
            rows.append(dict(r, address=first + k * step, id=ids[0] + k if ids[1] != ids[0] else ids[0]))
    return rows


def register_value(row, value):
    """The register number that a row shows for a stored value, unrounded."""
    scale, offset = UNITS.get((row["physic"], row["unit"]), (1.0, 0.0))
    converted = f32(f32(offset) + f32(f32(value) * f32(scale)))
    return converted / f32(row["coef"])


def encode(row, value):
    """The register words of a row for a stored value."""
    x = register_value(row, value)
    r = int(math.copysign(math.floor(abs(x) + 0.5), x))
    signed = row["type"] in (2, 3) or row["min"] < 0
    bits = 16 * registers(row)
    lo, hi = (-(1 << (bits - 1)), (1 << (bits - 1)) - 1) if signed else (0, (1 << bits) - 1)
    r = max(lo, min(hi, r)) & ((1 << bits) - 1)
    return [r >> 16, r & 0xFFFF] if bits == 32 else [r]


def choose_values(rows, fixed):
    """A value for every mirrored parameter: `fixed` ones as given, the others so that the register of the
    largest scale shows a number of its own (above 65535 for a two-register row, negative for a signed one),
    no row of it reads 0 and none is close to a rounding half."""
    by_id = {}
    for r in rows:
        if r["id"] > 0:
            by_id.setdefault(r["id"], []).append(r)
    values = dict(fixed)
    for k, (pid, its) in enumerate(sorted(by_id.items())):
        if pid in values:
            continue
        lead = max(its, key=lambda r: abs(UNITS.get((r["physic"], r["unit"]), (1.0, 0.0))[0] / r["coef"]))
        scale, offset = UNITS.get((lead["physic"], lead["unit"]), (1.0, 0.0))
        # Apart enough that the rows of smaller scale tell them apart too.
        if registers(lead) == 2:
            target = 70000 + 1237 * k
        elif lead["type"] == 2 or lead["min"] < 0:
            target = -(10 + 7 * k)
        else:
            target = 100 + 37 * k
        for _ in range(40):
            value = f32((target * lead["coef"] - offset) / scale)
            halves = [abs(abs(register_value(r, value)) % 1.0 - 0.5) for r in its]
            if min(halves) > 0.01 and all(any(encode(r, value)) for r in its):
                break
            target += 1 if min(halves) <= 0.01 else 100
        values[pid] = value
    return values


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


def settled(m, want, timeout=5.0):
    """Waits until the registers read `want` ({address: words}) from the controller's values: a written row
    shows the written words until the controller reports its parameter, so the first look comes 0.3 s on."""
    time.sleep(0.3)
    v, secs = wait_until(lambda: all(m.read(a, len(w)) == w for a, w in want.items()), timeout)
    return v, {a: m.read(a, len(w)) for a, w in want.items()}, secs + 0.3


class Program:
    """The program run from a folder of its own: it copies its database into the folder it starts from, so
    two runs side by side must not share one."""

    def __init__(self, program, env):
        self.dir = tempfile.mkdtemp(prefix="rvk_e2e_")
        path = os.path.join(self.dir, os.path.basename(program))
        try:
            os.link(program, path)
        except OSError:
            shutil.copy2(program, path)
        self.log = tempfile.TemporaryFile()
        self.proc = subprocess.Popen([path], env=env, stdout=self.log, stderr=subprocess.STDOUT)

    def stop(self):
        """SIGTERM; the exit code, None when it had to be killed. Prints the program's log after a failure."""
        self.proc.send_signal(signal.SIGTERM)
        try:
            code = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            code = None
        shutil.rmtree(self.dir, ignore_errors=True)
        return code

    def print_log(self):
        self.log.seek(0)
        print(self.log.read().decode(errors="replace")[-4000:])

    def close(self):
        """Stops the program, checks that it quit cleanly and prints its log after any failure."""
        code = self.stop()
        check("program quits cleanly", code == 0, code)
        if failures:
            self.print_log()


class Map:
    """The running map as a master sees it; `holding` and `inputs` are the table offsets of the two
    address spaces (both 0 but for profile 4)."""

    def __init__(self, client, rows, holding=0, inputs=0):
        self.c = client
        self.rows = rows
        self.holding = holding
        self.inputs = inputs

    def space(self, address):
        """(read function, PDU address) of a table address."""
        if self.inputs and address >= self.inputs:
            return self.c.read_input_registers, address - self.inputs
        return self.c.read_holding_registers, address - self.holding

    def read(self, address, count=1):
        fn, pdu = self.space(address)
        r = fn(pdu, count, slave=1)
        return None if r.isError() else list(r.registers)

    def write(self, address, words):
        r = self.c.write_registers(address - self.holding, words, slave=1)
        return None if not r.isError() else exception_code(r)

    def requests(self):
        """The readable rows in requests of at most 125 registers that cut no row and span no gap."""
        readable = [r for r in self.rows if r["type"] in ONE_REGISTER_TYPES + TWO_REGISTER_TYPES]
        out = []
        for r in readable:
            n = registers(r)
            last = out[-1] if out else None
            if (last and last[0] + last[1] == r["address"] and last[1] + n <= 125
                    and self.space(last[0])[0] == self.space(r["address"])[0]):
                last[1] += n
                last[2].append(r)
            else:
                out.append([r["address"], n, [r]])
        return out

    def snapshot(self):
        """Every readable register: {address: words}, and the latency of each request in ms."""
        got = {}
        latencies = []
        for first, count, rows in self.requests():
            start = time.monotonic()
            words = self.read(first, count)
            latencies.append((time.monotonic() - start) * 1000.0)
            if words is None:
                return None, latencies
            for r in rows:
                at = r["address"] - first
                got[r["address"]] = words[at:at + registers(r)]
        return got, latencies


def expected_words(rows, values, computed):
    """{address: words}: mirrored rows from their values, computed rows as given, every other row 0."""
    out = {}
    for r in rows:
        if r["type"] not in ONE_REGISTER_TYPES + TWO_REGISTER_TYPES:
            continue
        if r["id"] > 0:
            out[r["address"]] = encode(r, values[r["id"]])
        elif r["address"] in computed:
            out[r["address"]] = computed[r["address"]]
        else:
            out[r["address"]] = [0] * registers(r)
    return out


def differences(got, want):
    if got is None:
        return "read failed"
    return {a: (got.get(a), w) for a, w in want.items() if got.get(a) != w}


def run(program, profile, rows, fixed, computed, exercise, holding=0, inputs=0):
    """Starts the program with SCADA profile `profile` and every mirrored parameter chosen, checks every
    readable register of the table, then runs exercise(map, values)."""
    values = choose_values(rows, fixed)
    chosen = dict(values)
    chosen[578] = profile
    port = free_port()
    env = dict(os.environ, RVK_SIM_VALUES=";".join("%d=%s" % (k, v if isinstance(v, int) else "%.9g" % v)
                                                for k, v in sorted(chosen.items())),
               RVK_SCADA_PORT=str(port), QT_QPA_PLATFORM="offscreen", TZ="UTC")
    prog = Program(program, env)
    try:
        c = ModbusTcpClient("127.0.0.1", port=port, timeout=7, retries=0)
        m = Map(c, rows, holding, inputs)
        first = m.requests()[0][0]
        ready, secs = wait_until(lambda: c.connect() and m.read(first) is not None, 60.0)
        check("profile %d serves port %d (%.1f s)" % (profile, port, secs), ready)
        if ready:
            want = expected_words(rows, values, computed)
            mirrored = sum(1 for r in rows if r["id"] > 0)
            _, secs = wait_until(lambda: not differences(m.snapshot()[0], want), 15.0)
            got, latencies = m.snapshot()
            check("%d registers, %d of them mirrored, read as the table gives them (%.1f s)"
                  % (len(want), mirrored, secs), not differences(got, want), differences(got, want))
            print("     whole map in %d requests: slowest answer %.1f ms, mean %.1f ms"
                  % (len(latencies), max(latencies), sum(latencies) / len(latencies)))
            time.sleep(1.5)
            got, _ = m.snapshot()
            check("chosen values hold after plant steps", not differences(got, want), differences(got, want))
            exercise(m, values)
        c.close()
    finally:
        prog.close()
    finish()
