#!/usr/bin/python3
"""Every function code of the station's Modbus server through Debian's pymodbus 3.0.

Runs against the stack test map (register i holds i, no coil reads, registers 990/991 busy/failing).
Exit status 0 only when every check passed."""
import struct
import sys

from pymodbus.client import ModbusTcpClient
from pymodbus.file_message import FileRecord, ReadFileRecordRequest, WriteFileRecordRequest
from pymodbus.mei_message import ReadDeviceInformationRequest
from pymodbus.other_message import ReportSlaveIdRequest
from pymodbus.pdu import ModbusRequest, ModbusResponse

from peercheck import check, exception_code, failures, finish


class CommandLogRequest(ModbusRequest):
    function_code = 0x41
    _rtu_frame_size = 5

    def __init__(self, command=0, **kwargs):
        super().__init__(**kwargs)
        self.command = command

    def encode(self):
        return struct.pack(">H", self.command)

    def decode(self, data):
        self.command = struct.unpack(">H", data[:2])[0]


class CommandLogResponse(ModbusResponse):
    function_code = 0x41
    _rtu_byte_count_pos = 2

    def __init__(self, payload=b"", **kwargs):
        super().__init__(**kwargs)
        self.payload = payload

    def encode(self):
        return self.payload

    def decode(self, data):
        self.payload = bytes(data)


class ReadLogRequest(ModbusRequest):
    function_code = 0x42
    _rtu_frame_size = 9

    def __init__(self, address=0, count=0, **kwargs):
        super().__init__(**kwargs)
        self.address = address
        self.count = count

    def encode(self):
        return struct.pack(">IBB", self.address, 0, self.count)

    def decode(self, data):
        self.address, _, self.count = struct.unpack(">IBB", data[:6])


class ReadLogResponse(ModbusResponse):
    function_code = 0x42
    _rtu_byte_count_pos = 2

    def __init__(self, data=b"", **kwargs):
        super().__init__(**kwargs)
        self.data = data

    def encode(self):
        return bytes([len(self.data)]) + self.data

    def decode(self, data):
        self.count = data[0]
        self.data = bytes(data[1:])


def main():
    port = int(sys.argv[1])
    c = ModbusTcpClient("127.0.0.1", port=port, timeout=2, retries=0)
    if not c.connect():
        print("cannot connect")
        return 2
    c.register(CommandLogResponse)
    c.register(ReadLogResponse)
    unit = 0x11

    r = c.read_holding_registers(10, 3, slave=unit)
    check("03 read", not r.isError() and r.registers == [10, 11, 12], r)
    check("03 unit echoed", getattr(r, "unit_id", unit) == unit, getattr(r, "unit_id", None))
    r = c.read_holding_registers(0, 125, slave=unit)
    check("03 125 registers", not r.isError() and r.registers == list(range(125)), r)
    check("03 126 registers -> 3", exception_code(c.read_holding_registers(0, 126, slave=unit)) == 3)
    check("03 absent -> 2", exception_code(c.read_holding_registers(999, 2, slave=unit)) == 2)
    check("03 busy -> 6", exception_code(c.read_holding_registers(990, 1, slave=unit)) == 6)
    check("03 failure -> 4", exception_code(c.read_holding_registers(991, 1, slave=unit)) == 4)

    r = c.read_input_registers(20, 2, slave=unit)
    check("04 read", not r.isError() and r.registers == [20, 21], r)
    check("04 126 registers -> 3", exception_code(c.read_input_registers(0, 126, slave=unit)) == 3)

    check("01 no coil reads -> 2", exception_code(c.read_coils(0, 8, slave=unit)) == 2)
    check("01 2001 coils -> 3", exception_code(c.read_coils(0, 2001, slave=unit)) == 3)
    check("02 no inputs -> 2", exception_code(c.read_discrete_inputs(0, 8, slave=unit)) == 2)
    check("02 2001 inputs -> 3", exception_code(c.read_discrete_inputs(0, 2001, slave=unit)) == 3)

    r = c.write_coil(0, True, slave=unit)
    check("05 on", not r.isError() and r.address == 0 and r.value is True, r)
    r = c.write_coil(0, False, slave=unit)
    check("05 off", not r.isError() and r.value is False, r)
    check("05 absent -> 2", exception_code(c.write_coil(100, True, slave=unit)) == 2)
    r = c.write_coils(0, [True, False, True, True, False, False, False, False, True], slave=unit)
    check("0f nine coils", not r.isError() and r.address == 0 and r.count == 9, r)

    r = c.write_register(500, 0x1234, slave=unit)
    check("06 write", not r.isError() and r.value == 0x1234, r)
    r = c.read_holding_registers(500, 1, slave=unit)
    check("06 read back", not r.isError() and r.registers == [0x1234], r)
    r = c.write_registers(501, [1, 2, 3], slave=unit)
    check("10 write", not r.isError() and r.address == 501 and r.count == 3, r)
    r = c.read_holding_registers(500, 4, slave=unit)
    check("10 read back", not r.isError() and r.registers == [0x1234, 1, 2, 3], r)
    check("10 121 registers -> 3", exception_code(c.write_registers(0, [0] * 121, slave=unit)) == 3)

    r = c.readwrite_registers(read_address=600, read_count=3, write_address=601, write_registers=[7, 8], slave=unit)
    check("17 write then read", not r.isError() and r.registers == [600, 7, 8], r)
    r = c.readwrite_registers(read_address=0, read_count=1, write_address=0, write_registers=[0] * 122, slave=unit)
    check("17 122 written -> 3", exception_code(r) == 3, r)

    r = c.execute(ReportSlaveIdRequest(slave=unit))
    check("11 empty identification", not r.isError() and r.identifier == b"", r)

    r = c.execute(ReadDeviceInformationRequest(read_code=1, object_id=0, slave=unit))
    check("2b basic", not r.isError() and r.information.get(0) == b"TEST", getattr(r, "information", r))
    r = c.execute(ReadDeviceInformationRequest(read_code=2, object_id=0, slave=unit))
    check("2b regular -> 4", exception_code(r) == 4, r)

    rec = FileRecord(reference_type=6, file_number=3, record_number=0, record_length=10)
    r = c.execute(ReadFileRecordRequest([rec], slave=unit))
    check("14 file 3 of 10 registers", not r.isError() and len(r.records) == 1
          and r.records[0].record_data == bytes(range(60, 80)), getattr(r, "records", r))
    rec = FileRecord(reference_type=6, file_number=0, record_number=0, record_length=122)
    check("14 122 registers -> 3", exception_code(c.execute(ReadFileRecordRequest([rec], slave=unit))) == 3)

    rec = FileRecord(reference_type=6, file_number=1, record_number=0, record_data=b"\xaa\xbb\xcc\xdd")
    r = c.execute(WriteFileRecordRequest([rec], slave=unit))
    check("15 write", not r.isError() and len(r.records) == 1 and r.records[0].record_data == b"\xaa\xbb\xcc\xdd",
          getattr(r, "records", r))

    r = c.execute(CommandLogRequest(command=1, slave=unit))
    check("41 empty answer", not r.isError() and r.payload == b"", r)
    r = c.execute(CommandLogRequest(command=2, slave=unit))
    check("41 answer", not r.isError() and r.payload == b"OK", r)
    r = c.execute(ReadLogRequest(address=0x10, count=4, slave=unit))
    check("42 four bytes", not r.isError() and r.data == b"\xa0\xa1\x00\x00", r)
    check("42 201 bytes -> 3", exception_code(c.execute(ReadLogRequest(address=0, count=201, slave=unit))) == 3)

    c.close()
    finish()


if __name__ == "__main__":
    main()
