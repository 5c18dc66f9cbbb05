#!/usr/bin/python3
"""The panel on its simulated controller with SCADA profile 3, driven by Debian's pymodbus.

Usage: e2e_vuduzu2000.py <path of rvk_gui>. Starts the program on a free loopback port, checks the
Vuduzu2000 map end to end and stops the program. Exit status 0 only when every check passed."""
import sys
import time

from pymodbus.file_message import FileRecord, ReadFileRecordRequest, WriteFileRecordRequest
from pymodbus.mei_message import ReadDeviceInformationRequest

from mapsession import MapSession, serve
from peercheck import check, exception_code
from peerprogram import wait_until


# Values chosen through RVK_SIM_VALUES: current A 735.9 A, voltage AB 1323 V, output frequency 59.97 Hz, and
# the registers that carry them (A/10, V, Hz/100).
CHOSEN = {2: 735.9, 709: 1323, 10001: 59.97}
CHOSEN_REGISTERS = {258: 7359, 262: 1323, 274: 5997}


def reg(c, address):
    return MapSession(c).reg(address)


def chosen_registers(c):
    return {a: reg(c, a) for a in CHOSEN_REGISTERS}


def run(c):
    # The stopped station's plant model would set them to 0 at its next step, once a second.
    check("station stopped", reg(c, 257) is not None and not reg(c, 257) & 1, reg(c, 257))
    v, secs = wait_until(lambda: chosen_registers(c) == CHOSEN_REGISTERS, 10.0)
    check("chosen values read (%.1f s)" % secs, v, chosen_registers(c))
    time.sleep(1.5)  # a look for a change that must not come: a busy machine only looks less long
    check("chosen values hold after plant steps", chosen_registers(c) == CHOSEN_REGISTERS, chosen_registers(c))

    r = c.read_holding_registers(256, 30, slave=1)
    check("read 256..285", not r.isError() and len(r.registers) == 30, r)
    r = c.read_input_registers(544, 45, slave=1)
    check("read 544..588 as input registers", not r.isError() and len(r.registers) == 45, r)
    check("286 absent -> 2", exception_code(c.read_holding_registers(256, 31, slave=1)) == 2)
    check("513 coil row -> 4", exception_code(c.read_holding_registers(513, 1, slave=1)) == 4)
    check("579 reads the seeded address", reg(c, 579) == 17, reg(c, 579))

    # A write reaches the controller, which applies it; the register then reads it back.
    r = c.write_register(579, 42, slave=1)
    check("write 579", not r.isError(), r)
    v, secs = wait_until(lambda: reg(c, 579) == 42, 3.0)
    check("579 reads back 42 (%.0f ms)" % (secs * 1000), v, reg(c, 579))
    check("579 := 248 -> 4", exception_code(c.write_register(579, 248, slave=1)) == 4)
    check("256 read-only -> 4", exception_code(c.write_register(256, 0, slave=1)) == 4)
    check("585 reserved -> 4", exception_code(c.write_register(585, 0, slave=1)) == 4)
    check("refused write leaves 579", reg(c, 579) == 42, reg(c, 579))
    r = c.write_registers(577, [1, 2, 248], slave=1)
    check("577..579 with a bad last value -> 4", exception_code(r) == 4, r)
    time.sleep(0.5)  # a look for a change that must not come: a busy machine only looks less long
    check("nothing of it applied", reg(c, 579) == 42, reg(c, 579))

    # Coil 513 starts and stops the station: bit 0 of the status word follows the state.
    r = c.write_coil(513, True, slave=1)
    check("coil 513 on", not r.isError(), r)
    v, secs = wait_until(lambda: (reg(c, 257) or 0) & 1, 15.0)
    check("station runs (%.1f s)" % secs, v, reg(c, 257))
    check("stop reason 0 while running", reg(c, 256) == 0, reg(c, 256))
    r = c.write_coil(513, False, slave=1)
    check("coil 513 off", not r.isError(), r)
    v, secs = wait_until(lambda: reg(c, 257) is not None and not reg(c, 257) & 1, 15.0)
    check("station stops (%.1f s)" % secs, v, reg(c, 257))
    check("coil read -> 2", exception_code(c.read_coils(513, 1, slave=1)) == 2)

    r = c.execute(ReadDeviceInformationRequest(read_code=1, object_id=0, slave=1))
    info = getattr(r, "information", {})
    check("2b basic", not r.isError() and info.get(0) == b"VALDRIN" and info.get(1) == b"-05 "
          and info.get(2, b"").startswith(b"V"), info)
    r = c.execute(ReadDeviceInformationRequest(read_code=4, object_id=0, slave=1))
    info = getattr(r, "information", {})
    check("2b individual", not r.isError() and info.get(2, b"").startswith(b"v") and len(info.get(2)) <= 32, info)

    # The first extended read asks the controller for a log; later reads count its records.
    def records():
        r = c.execute(ReadDeviceInformationRequest(read_code=3, object_id=0, slave=1))
        if r.isError():
            return None
        raw = r.information.get(0x84, b"\0\0")
        return raw[0] | (raw[1] << 8)
    check("2b extended objects", c.execute(ReadDeviceInformationRequest(read_code=3, object_id=0, slave=1))
          .information.get(0x80) == b"VALDRIN-RVK-02")
    count, secs = wait_until(records, 10.0)
    check("log ready with %s records (%.1f s)" % (count, secs), count)
    if count:
        rec = FileRecord(reference_type=6, file_number=0, record_number=0, record_length=121)
        r = c.execute(ReadFileRecordRequest([rec], slave=1))
        data = r.records[0].record_data if not r.isError() and r.records else b""
        check("14 first record", len(data) == 242 and any(data), r)
        rec = FileRecord(reference_type=6, file_number=count - 1, record_number=0, record_length=121)
        r = c.execute(ReadFileRecordRequest([rec], slave=1))
        check("14 last record", not r.isError(), r)
        rec = FileRecord(reference_type=6, file_number=count, record_number=0, record_length=121)
        check("14 past the end -> 4", exception_code(c.execute(ReadFileRecordRequest([rec], slave=1))) == 4)

    for n in (80, 81):
        rec = FileRecord(reference_type=6, file_number=7, record_number=0, record_data=bytes(range(2 * n)))
        r = c.execute(WriteFileRecordRequest([rec], slave=1))
        check("15 %d registers accepted" % n, not r.isError(), r)


def main():
    serve(sys.argv[1], 3, {580: 17, **CHOSEN}, lambda c: reg(c, 579) is not None, run)


if __name__ == "__main__":
    main()
