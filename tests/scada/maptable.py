"""A register map's table read from its scada/<map>_init_parameters.cpp, and the register words that its
columns give for chosen parameter values: what an outside master must read, computed here apart from the
program's own code.

A table line is either every column, {Register, Id, Op, Ph, Un, Type, Coef, Min, Max}, or the map's defaults
`constexpr ScadaRow R = ScadaRow()...;` plus what differs: R.at(a[, b]).id(x) / .ids(x, y) / .computed() /
.reserved() / .op() / .physic() / .unit() / .type() / .coef() / .range() / .valueRange()."""
import math
import os
import re
import struct
from fractions import Fraction

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# (physic, unit) -> (scale, offset): the register's unit = offset + stored value x scale. Unit 0 (and 9 and
# up) is the stored unit; the pairs that the tables use, each as the quantity's units convert.
UNITS = {
    (2, 2): (1000.0, 0.0),            # duration in ms
    (2, 4): (1.0 / 60.0, 0.0),        # duration in minutes
    (2, 6): (1.0 / 3600.0, 0.0),      # duration in hours
    (3, 3): (1.0, 0.0),               # percent
    (4, 4): (1000.0, 0.0),            # length in mm
    (5, 1): (0.001, 0.0),             # density in g/cm3
    (7, 1): (0.001, 0.0),             # frequency in kHz
    (9, 1): (1000.0, 0.0),            # current in mA
    (10, 1): (0.001, 0.0),            # power in kW
    (11, 1): (0.001, 0.0),            # apparent power in kVA
    (12, 1): (0.001, 0.0),            # reactive power in kvar
    (15, 1): (1.0, 0.0),              # Hz/s
    (16, 1): (0.001, 0.0),            # resistance in kOhm
    (18, 1): (9.8692327, 0.0),        # pressure in atm
    (18, 2): (10.197162, 0.0),        # pressure in kgf/cm2
    (18, 3): (10.0, 0.0),             # pressure in bar
    (18, 4): (145.03774, 0.0),        # pressure in psi
    (19, 1): (1.8, 32.0),             # temperature in F
    (20, 1): (9.80665, 0.0),          # vibration in m/s2
    (23, 1): (1.0 / 24.0, 0.0),       # flow per hour
    (24, 1): (0.001, 0.0),            # power in kW
}
TWO_REGISTER_TYPES = (3, 5, 6, 9, 13, 15)
ONE_REGISTER_TYPES = (1, 2, 4, 8, 10, 12, 14)
COIL_TYPE = 7
# The energy counters (0.1 kWh a count on every map): values above 2^24, which a quotient taken against the float
# nearest to 0.1 reads three counts low. 20028's 21475312 reads 214753120.
ENERGY = {pid: 21475312 + 4096 * k for k, pid in enumerate(list(range(20028, 20049)) + [20051])}
# Names of paramId 0 in the tables that tell computed rows, command rows and rows that read 0 apart.
KINDS = {"kCalc": "calc", "kCmd": "cmd", "kZero": "zero"}


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def size_of(type_code):
    """Registers of a row of this type; 0 for a type that no register read serves."""
    return 2 if type_code in TWO_REGISTER_TYPES else 1 if type_code in ONE_REGISTER_TYPES else 0


class Row:
    def __init__(self, **kw):
        self.__dict__.update(kw)

    @property
    def size(self):
        return size_of(self.type)

    @property
    def signed(self):
        return self.type in (2, 3) or self.min < 0

    def __repr__(self):
        return "Row(%d, id %d, %s, type %d)" % (self.address, self.id, self.kind, self.type)


def _apply(cols, chain):
    """The columns with a chain of setters applied in order (valueRange divides by the coefficient set so far)."""
    for name, args in re.findall(r"\.(\w+)\(([^()]*)\)", chain):
        a = [float(x) for x in args.split(",")] if args.strip() else []
        if name == "at":
            cols["first"], cols["last"] = int(a[0]), int(a[-1])
        elif name in ("id", "ids"):
            cols["id"], cols["lastId"] = int(a[0]), int(a[-1])
        elif name == "computed":
            cols["id"] = cols["lastId"] = 0
        elif name == "reserved":
            cols["id"] = cols["lastId"] = -1
        elif name in ("op", "physic", "unit", "type"):
            cols[name] = int(a[0])
        elif name == "coef":
            cols["coef"] = a[0]
        elif name == "range":
            cols["min"], cols["max"] = a
        elif name == "valueRange":
            c = cols["coef"]
            cols["min"], cols["max"] = (a[0] / c, a[1] / c) if c else (a[0], a[1])
    return cols


def _span(text):
    nums = [int(x) for x in re.findall(r"-?\d+", text)]
    return nums[0], nums[-1]


def _expand(cols, kind=None):
    """The rows of one table line, as the program expands its runs."""
    step = 2 if cols["type"] in TWO_REGISTER_TYPES else 1
    span = cols["last"] - cols["first"] + 1
    count = span // step if span > 1 else 1
    rows = []
    for k in range(count):
        pid = cols["id"] + k if cols["lastId"] != cols["id"] else cols["id"]
        rows.append(Row(address=cols["first"] + k * step, id=pid,
                        kind=kind or ("mirror" if pid > 0 else "calc" if pid == 0 else "reserved"),
                        op=cols["op"], physic=cols["physic"], unit=cols["unit"], type=cols["type"],
                        coef=cols["coef"], min=cols["min"], max=cols["max"]))
    return rows


def load(path):
    """Every row of the table (coil rows too), ascending by address."""
    if not os.path.isabs(path) and not os.path.exists(path):
        path = os.path.join(ROOT, "scada", path + "_init_parameters.cpp")
    text = open(path, encoding="utf-8").read()
    base = dict(first=0, last=0, id=0, lastId=0, op=1, physic=0, unit=0, type=4, coef=1.0, min=0.0, max=0.0)
    m = re.search(r"constexpr ScadaRow R = ScadaRow\(\)([^;]*);", text)
    if m:
        base = _apply(dict(base), m.group(1))
    rows = []
    for line in text.splitlines():
        line = line.split("//")[0].strip()
        chain = re.fullmatch(r"R((?:\.\w+\([^()]*\))+),", line)
        if chain:
            rows += _expand(_apply(dict(base), chain.group(1)))
            continue
        brace = re.fullmatch(r"\{(\{[^}]*\}|-?\d+),\s*(\{[^}]*\}|[-\w]+),([^{}]*)\},", line)
        if not brace:
            continue
        cols = dict(base)
        cols["first"], cols["last"] = _span(brace.group(1))
        idtext = brace.group(2).strip()
        kind = KINDS.get(idtext)
        cols["id"], cols["lastId"] = (0, 0) if kind else _span(idtext)
        op, ph, un, typ, coef, lo, hi = [x.strip() for x in brace.group(3).split(",")]
        cols.update(op=int(op), physic=int(ph), unit=int(un), type=int(typ), coef=float(coef), min=float(lo),
                    max=float(hi))
        rows += _expand(cols, kind)
    return sorted(rows, key=lambda r: r.address)


def registers(rows):
    """The rows that a register read serves, ascending."""
    return [r for r in rows if r.size]


def unit_factor(row):
    """(scale, offset) of the row's unit; a unit that the table here does not know is an error."""
    if row.unit == 0 or row.unit >= 9 or row.physic > 32:
        return 1.0, 0.0
    return UNITS[(row.physic, row.unit)]


def decimal(coef):
    """A coefficient as the table writes it: 0.1 is 1/10, not the float nearest to it."""
    return Fraction(repr(coef))


def register_value(row, value):
    """The register number that a row shows for a stored value, unrounded: the unit conversion in float32,
    then the exact quotient of the table's decimal coefficient."""
    scale, offset = unit_factor(row)
    converted = f32(f32(offset) + f32(f32(value) * f32(scale)))
    if not math.isfinite(converted) or not row.coef:
        return converted
    return Fraction(converted) / decimal(row.coef)


def words(row, value):
    """The register words of a row for a stored value: rounded half away from zero, its lowest 16 or 32 bits
    (two's complement); NaN reads 0, a value beyond the 32-bit range the row's extreme on its side."""
    if row.type in (6, 12, 13):
        raise ValueError("register %d: a raw type is not modelled here" % row.address)
    x = register_value(row, value)
    bits = 16 * row.size
    if x != x:
        return [0] * row.size
    n = x if math.isinf(x) else math.floor(abs(x) + Fraction(1, 2)) * (1 if x >= 0 else -1)
    if not -(1 << 31) <= n < (1 << 32):
        top = (1 << (bits - 1)) - 1 if row.signed else (1 << bits) - 1
        n = top if n > 0 else top + 1 if row.signed else 0
    n &= (1 << bits) - 1
    return [n >> 16, n & 0xFFFF] if bits == 32 else [n]


def stored(row, register):
    """The stored value whose row reads `register` (a signed number where the row is signed): register x the
    decimal coefficient, back to the stored unit in float32."""
    scale, offset = unit_factor(row)
    v = f32(float(Fraction(register) * decimal(row.coef)))
    return f32(f32(v - f32(offset)) / f32(scale))


def distinctive_values(rows, fixed=None):
    """A value for every mirrored parameter: those of `fixed` as given, the others such that the row of the
    largest scale shows a number of its own (above 65535 on a two-register row, negative on a signed one),
    no row of it reads 0 and none is close to a rounding half."""
    by_id = {}
    for r in registers(rows):
        if r.id > 0:
            by_id.setdefault(r.id, []).append(r)
    values = dict(fixed or {})
    for k, (pid, its) in enumerate(sorted(by_id.items())):
        if pid in values:
            continue
        lead = max(its, key=lambda r: abs(unit_factor(r)[0] / (r.coef or 1.0)))
        if lead.size == 2:
            target = 70000 + 1237 * k
        elif lead.signed:
            target = -(10 + 7 * k)
        else:
            target = 100 + 37 * k
        # Apart enough that the rows of smaller scale tell them apart too.
        for _ in range(40):
            value = stored(lead, target)
            halves = [abs(abs(register_value(r, value)) % 1.0 - 0.5) for r in its]
            if min(halves) > 0.01 and all(any(words(r, value)) for r in its):
                break
            target += 1 if min(halves) <= 0.01 else 100
        values[pid] = value
    return values


def expected(rows, values, computed=None, computed_rest=None):
    """{address: words} of every register row: mirrored rows from `values`, computed and command rows as
    `computed` gives them (words, one word, or a test of the words) and the others of them as
    `computed_rest` (None: the script must list each), every other row 0."""
    computed = computed or {}
    out = {}
    for r in registers(rows):
        if r.address in computed:
            want = computed[r.address]
            out[r.address] = [want] if isinstance(want, int) else want
        elif r.id > 0:
            out[r.address] = words(r, values[r.id])
        elif r.kind in ("calc", "cmd") and computed_rest is None:
            out[r.address] = None
        elif r.kind in ("calc", "cmd"):
            out[r.address] = [computed_rest] * r.size
        else:
            out[r.address] = [0] * r.size
    return out


def catalogue():
    """The simulated controller's parameters: id -> (min, max) in the stored unit."""
    out = {}
    with open(os.path.join(ROOT, "resources", "db", "parameters.tsv"), encoding="utf-8") as f:
        head = f.readline().rstrip("\n").split("\t")
        for line in f:
            cells = dict(zip(head, line.rstrip("\n").split("\t")))
            out[int(cells["id"])] = (float(cells["min"]), float(cells["max"]))
    return out
