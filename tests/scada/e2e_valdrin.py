#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 1 (the maker's map), driven by Debian's pymodbus.

Usage: e2e_valdrin.py <path of rvk_gui>. Starts the program on a free loopback port (TZ=UTC), reads every
block of the map, writes settings and the clock, unblocks, starts and stops the station and fetches the
controller's compressed log over 0x41/0x42, also while a late reply of another slice arrives. Exit status 0
only when every check passed."""
import sys
import time

from pymodbus.file_message import FileRecord, ReadFileRecordRequest

import maptable
from mapsession import MapSession, check_energy, serve
from peer_pymodbus import CommandLogRequest, CommandLogResponse, ReadLogRequest, ReadLogResponse
from peercheck import check, exception_code
from peerprogram import wait_until


# 2025-03-03 14:05:09 UTC and its words: date (month + 256 * years after 2000), day (hour + 256 * day),
# time (second + 256 * minute).
MOMENT = 1741010709
MOMENT_WORDS = [0x1903, 0x030E, 0x0509]

# Chosen values, and what the map's columns and computations make of them: register -> words (735.9 A at
# 0.01 A a unit keeps the lowest 16 bits of 73590 in register 69; the energy counters as maptable.ENERGY).
CHOSEN = {**maptable.ENERGY, 580: 17, 2: 735.9, 709: 1323, 10001: 59.97, 10002: 48.5, 20052: -12.3, 10246: -5.5, 527: 7200, 541: 3.38,
          11: 2500, 1658: MOMENT, 13: 0, 633: 3, 535: 1029, 585: 1, 570: 2, 10228: 3999.7, 39: 5, 43: 2, 238: 1,
          534: MOMENT, 532: MOMENT, 562: MOMENT, 550: 0xDEADBEEF, 14: 2, 44: 1, 499: 3}
# Every protection action parameter of the protection words 93 and 415 off but two.
CHOSEN.update({a: 0 for a in (58, 73, 103, 148, 118, 133, 163, 178, 208, 918, 936, 223, 253, 388, 402, 417, 328, 343,
                              358, 373, 88, 193, 268, 283, 298, 313)})
EXPECTED = {
    1: [17], 69: [8054], 47: [1323], 15: [600], 11: [485], 943: [0x0CCC, 0xDF60], 987: [0xFFFF, 0xFF85],
    43: [0xFFC9],
    99: [0, 2], 141: [0, 338], 25: [3], 894: [MOMENT >> 16, MOMENT & 0xFFFF],
    2: [0], 3: [16], 4: [7], 97: [1], 133: [4], 129: [3], 189: [6], 215: [2],
    93: [0, 0x0401], 415: [0, 0x0400], 8: [MOMENT_WORDS[0]], 10: [MOMENT_WORDS[1]], 12: [MOMENT_WORDS[2]],
    992: [MOMENT >> 16, MOMENT & 0xFFFF] + MOMENT_WORDS, 913: MOMENT_WORDS, 449: [0xDEAD, 0xBEEF],
    271: [0, 2], 560: [0, 0, 1, 0], 453: [1], 916: [1], 4096: [0, 0],
}


def regs(c, address, count=1):
    return MapSession(c).read(address, count)


def read_everything(c):
    """The whole map in requests of at most 125 registers; a request that would end inside a two-register
    row is one register shorter. Returns the number of registers read and the failures."""
    got, bad = 0, []
    for first, end in ((0, 1000), (4096, 4100)):
        a = first
        while a < end:
            n = min(125, end - a)
            r = c.read_holding_registers(a, n, slave=1)
            if r.isError() and exception_code(r) == 2 and n > 1:
                n -= 1
                r = c.read_holding_registers(a, n, slave=1)
            if r.isError():
                bad.append(a)
                a += 1
                continue
            got += len(r.registers)
            a += n
    return got, bad


def command(c, code):
    r = c.execute(CommandLogRequest(command=code, slave=1))
    return exception_code(r) if r.isError() else r.payload


def read_log(c, offset, count):
    r = c.execute(ReadLogRequest(address=offset, count=count, slave=1))
    return exception_code(r) if r.isError() else r.data


def bytes_or_none(v):
    return v if isinstance(v, bytes) else None


def fetch_log(c, size):
    data = b""
    for offset in range(0, size, 200):
        block = read_log(c, offset, min(200, size - offset))
        if not isinstance(block, bytes):
            return None
        data += block
    return data


def run(c):
    def values():
        return {a: regs(c, a, len(w)) for a, w in EXPECTED.items()}
    v, secs = wait_until(lambda: values() == EXPECTED, 15.0)
    check("chosen and computed values (%.1f s)" % secs, v,
          {a: got for a, got in values().items() if got != EXPECTED[a]})
    got, bad = read_everything(c)
    check("every block read (%d registers)" % got, got == 1004 and not bad, bad)
    check_energy(MapSession(c, maptable.load("scada_valdrin")), CHOSEN)
    check("second word without a row -> 2", exception_code(c.read_holding_registers(28, 1, slave=1)) == 2)
    check("185/186, 493/494, 4098/4099 read as two rows each", regs(c, 186) == [0] and regs(c, 4099) == [0]
          and regs(c, 493, 3) is not None and regs(c, 494) is not None)

    # Settings: one register, scaled, three at once; refusals change nothing.
    for address, words, reads in ((1, [42], [42]), (11, [455], [455]), (417, [1, 2, 0], [1, 2, 0]),
                                  (189, [2], [2]), (451, [0x1234, 0x5678], [0x1234, 0x5678])):
        r = c.write_registers(address, words, slave=1)
        v, secs = wait_until(lambda: regs(c, address, len(reads)) == reads, 3.0)
        check("write %d -> %s (%.0f ms)" % (address, words, secs * 1000), not r.isError() and v,
              regs(c, address, len(reads)))
    for address, words in ((419, [3]), (147, [10]), (119, [2]), (913, [0x1900]), (914, [0x2009])):
        check("write %d %s -> 4" % (address, words),
              exception_code(c.write_registers(address, words, slave=1)) == 4)
    time.sleep(0.5)  # a look for a change that must not come: a busy machine only looks less long
    check("refusals kept the values", regs(c, 417, 3) == [1, 2, 0] and regs(c, 913, 3) == MOMENT_WORDS,
          (regs(c, 417, 3), regs(c, 913, 3)))
    r = c.write_register(914, 0x1F09, slave=1)
    v, secs = wait_until(lambda: (regs(c, 913, 2) or [0])[:2] == [0x1903, 0x1F09], 3.0)
    check("clock to the 31st, 09 h (%.0f ms)" % (secs * 1000), not r.isError() and v, regs(c, 913, 3))

    # Unblock, start and stop; register 3 is the station's condition.
    for name, address, condition in (("unblock", 122, 4), ("start", 119, 1), ("stop", 121, 4)):
        r = c.write_register(address, 1, slave=1)
        v, secs = wait_until(lambda: regs(c, 3) == [condition], 15.0)
        check("%s (%.1f s)" % (name, secs), not r.isError() and v, regs(c, 3))
    check("stopped by telecontrol", regs(c, 4) == [2] and regs(c, 97) == [3], (regs(c, 4), regs(c, 97)))

    # The compressed log: command 1, wait for it, read it whole over 0x42 and over 0x14.
    check("0x41 start", command(c, 1) == b"\x00\x01")
    v, secs = wait_until(lambda: regs(c, 4096) == [1], 3.0)
    check("compressing", v)
    check("0x41 start while compressing -> 4", command(c, 1) == 4)
    v, secs = wait_until(lambda: regs(c, 4096) == [2], 10.0)
    size_words = regs(c, 4098, 2) or [0, 0]
    size = (size_words[0] << 16) | size_words[1]
    check("log ready, %d bytes (%.1f s)" % (size, secs), v and size > 0)
    start = time.monotonic()
    log = fetch_log(c, size)
    seconds = time.monotonic() - start
    check("0x42 whole log, %d bytes in %.2f s (%.0f B/s)" % (len(log or b""), seconds, len(log or b"") / seconds),
          log is not None and len(log) == size)
    records = b""
    for k in range((size + 241) // 242):
        r = c.execute(ReadFileRecordRequest([FileRecord(reference_type=6, file_number=k, record_number=0,
                                                        record_length=121)], slave=1))
        data = r.records[0].record_data if not r.isError() and r.records else b""
        records += b"".join(data[i + 1:i + 2] + data[i:i + 1] for i in range(0, len(data), 2))
    check("0x42 bytes are the 0x14 bytes", log is not None and records[:size] == log)
    check("0x42 past the end -> 4", read_log(c, size - 1, 2) == 4)
    check("0x42 count 0 -> 3", read_log(c, 0, 0) == 3)

    if log:
        # Writes hold the link for several seconds: the first slice times out and its reply comes late,
        # while the map waits for the next slice of the same size, which must get its own bytes.
        a, b = 200, 400
        check("slices differ", log[a:a + 200] != log[b:b + 200])
        for _ in range(60):
            c.write_registers(601, [0] * 20, slave=1)
        check("slice behind the writes times out -> 4", read_log(c, a, 200) == 4)
        block, secs = wait_until(lambda: bytes_or_none(read_log(c, b, 200)), 30.0)
        check("next slice gets its own bytes (%.1f s)" % secs, block == log[b:b + 200])

    check("0x41 release", command(c, 2) == b"")
    v, secs = wait_until(lambda: regs(c, 4098, 2) == [0, 0], 3.0)
    check("log size 0", v)
    check("0x42 without a log -> 4", read_log(c, 0, 10) == 4)


def main():
    serve(sys.argv[1], 1, CHOSEN, lambda c: regs(c, 1) is not None, run, env={"TZ": "UTC0"}, timeout=12,
          responses=(CommandLogResponse, ReadLogResponse))


if __name__ == "__main__":
    main()
