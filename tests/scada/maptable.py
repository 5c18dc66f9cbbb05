"""A register map's table read from its scada/<map>_init_parameters.cpp, and the register values that
its columns give for chosen parameter values: what an outside master must read."""
import re
import struct

# (physic, unit) -> (scale, offset): the register's unit = offset + stored value * scale.
# Unit 0 is the stored unit; only the pairs that the tables use.
UNITS = {
    (2, 2): (1000.0, 0), (2, 4): (1 / 60, 0), (2, 6): (1 / 3600, 0),  # s -> ms, min, h
    (3, 3): (1.0, 0), (4, 4): (1000.0, 0), (5, 1): (0.001, 0),
    (9, 1): (1000.0, 0),                                                # A -> mA
    (10, 1): (0.001, 0), (11, 1): (0.001, 0), (12, 1): (0.001, 0),      # W, VA, var -> k
    (15, 1): (1.0, 0), (16, 1): (0.001, 0), (18, 2): (10.197162, 0),    # Ohm -> kOhm, MPa -> kgf/cm2
    (20, 1): (9.80665, 0), (24, 1): (0.001, 0),
}


def _size(type_code):
    return 2 if type_code in (3, 5, 6, 9, 13, 15) else 1


class Row:
    def __init__(self, **kw):
        self.__dict__.update(kw)

    @property
    def size(self):
        return _size(self.type)

    @property
    def signed(self):
        return self.type in (2, 3) or self.min < 0


def _calls(text):
    return [(name, [float(a) for a in args.split(",")] if args.strip() else [])
            for name, args in re.findall(r"\.?(\w+)\(([^()]*)\)", text)]


def _apply(row, calls):
    for name, a in calls:
        if name == "at":
            row["first"], row["last"] = int(a[0]), int(a[-1])
        elif name in ("id", "ids"):
            row["id"], row["lastId"] = int(a[0]), int(a[-1])
        elif name == "computed":
            row["id"] = row["lastId"] = 0
        elif name == "reserved":
            row["id"] = row["lastId"] = -1
        elif name in ("op", "physic", "unit", "type"):
            row[name] = int(a[0])
        elif name == "coef":
            row["coef"] = a[0]
        elif name == "range":
            row["min"], row["max"] = a
        elif name == "valueRange":
            row["min"], row["max"] = a[0] / row["coef"], a[1] / row["coef"]
    return row


def load(path):
    """The table's rows in table order (coil rows first), each a Row."""
    text = open(path, encoding="utf-8").read()
    base = dict(first=0, last=0, id=0, lastId=0, op=1, physic=0, unit=0, type=4, coef=1.0, min=0.0, max=0.0)
    m = re.search(r"constexpr ScadaRow R = ScadaRow\(\)([^;]*);", text)
    if m:
        base = _apply(base, _calls(m.group(1)))
    rows = []
    for line in re.findall(r"^\s*(R\.at\(.*\)),\s*$", text, re.M):
        cols = _apply(dict(base), _calls(line[1:]))
        step = _size(cols["type"])
        count = (cols["last"] - cols["first"] + 1) // step
        for k in range(count):
            rid = cols["id"] + k if cols["lastId"] != cols["id"] else cols["id"]
            rows.append(Row(address=cols["first"] + k * step, id=rid, op=cols["op"], physic=cols["physic"],
                            unit=cols["unit"], type=cols["type"], coef=cols["coef"], min=cols["min"],
                            max=cols["max"]))
    return rows


def registers(rows):
    """Register rows (no coils), ascending."""
    return [r for r in rows if r.type != 7]


def blocks(rows, most=125):
    """(first address, count) of requests that read every register once: runs without gaps, cut at
    row boundaries into requests of at most `most` registers."""
    out = []
    for r in registers(rows):
        if out and out[-1][0] + out[-1][1] == r.address and out[-1][1] + r.size <= most:
            out[-1][1] += r.size
        else:
            out.append([r.address, r.size])
    return [tuple(b) for b in out]


def f32(v):
    return struct.unpack("<f", struct.pack("<f", v))[0]


def unit_factor(row):
    return UNITS[(row.physic, row.unit)] if row.unit else (1.0, 0)


def to_register_unit(row, value):
    scale, offset = unit_factor(row)
    return offset + value * scale


def words(row, value):
    """The register words that a row of a rounded type carries for a stored value (a float32 cell)."""
    if row.type in (6, 12, 13):
        raise ValueError("register %d: a raw type is not modelled here" % row.address)
    v = to_register_unit(row, f32(value)) / row.coef
    n = int(abs(v) + 0.5) * (1 if v >= 0 else -1)
    if row.size == 1:
        n = max(-32768, min(32767, n)) if row.signed else max(0, min(65535, n))
        return [n & 0xFFFF]
    n = max(-2 ** 31, min(2 ** 31 - 1, n)) if row.signed else max(0, min(2 ** 32 - 1, n))
    return [(n >> 16) & 0xFFFF, n & 0xFFFF]


def distinctive_values(rows, skip=()):
    """A value for every mirrored parameter such that the first register naming it reads a number that
    no other parameter gives (negative on signed registers)."""
    values = {}
    for r in registers(rows):
        if r.id <= 0 or r.id in values or r.id in skip:
            continue
        target = 101 + 3 * len(values)
        if r.signed:
            target = -target
        scale, offset = unit_factor(r)
        values[r.id] = (target * r.coef - offset) / scale
    return values


def expected(rows, values):
    """address -> expected word for every register; parameters absent from `values` read 0."""
    out = {}
    for r in registers(rows):
        w = words(r, values.get(r.id, 0.0)) if r.id > 0 else [0] * r.size
        for k, x in enumerate(w):
            out[r.address + k] = x
    return out
