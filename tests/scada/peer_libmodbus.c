/* Function codes 0x01 to 0x17 of the station's Modbus server through Debian's libmodbus.
 * Runs against the stack test map (register i holds i, no coil reads, register 990 busy).
 * Exit status 0 only when every check passed. */
#include <errno.h>
#include <modbus.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int passed = 0;
static int failed = 0;

static void check(const char* name, int ok)
{
    if (ok) {
        ++passed;
        printf("ok   %s\n", name);
    } else {
        ++failed;
        printf("FAIL %s (%s)\n", name, modbus_strerror(errno));
    }
}

static int fails_with(int rc, int exception)
{
    return rc == -1 && errno == (int)(MODBUS_ENOBASE + exception);
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", atoi(argv[1]));
    if (!ctx || modbus_connect(ctx) == -1) {
        fprintf(stderr, "cannot connect: %s\n", modbus_strerror(errno));
        return 2;
    }
    modbus_set_response_timeout(ctx, 2, 0);
    modbus_set_slave(ctx, 0x22);
    if (getenv("PEER_DEBUG"))
        modbus_set_debug(ctx, 1);

    uint16_t regs[125];
    uint8_t bits[16];
    int i, ok;

    ok = modbus_read_registers(ctx, 100, 3, regs) == 3 && regs[0] == 100 && regs[2] == 102;
    check("03 read, unit and transaction echoed", ok);
    ok = modbus_read_registers(ctx, 0, 125, regs) == 125;
    for (i = 0; ok && i < 125; ++i)
        ok = regs[i] == i;
    check("03 125 registers", ok);
    check("03 absent -> 2", fails_with(modbus_read_registers(ctx, 999, 2, regs), 2));
    check("03 busy -> 6", fails_with(modbus_read_registers(ctx, 990, 1, regs), 6));
    ok = modbus_read_input_registers(ctx, 7, 2, regs) == 2 && regs[0] == 7 && regs[1] == 8;
    check("04 read", ok);
    check("01 no coil reads -> 2", fails_with(modbus_read_bits(ctx, 0, 8, bits), 2));
    check("02 no inputs -> 2", fails_with(modbus_read_input_bits(ctx, 0, 8, bits), 2));
    check("05 on", modbus_write_bit(ctx, 0, 1) == 1);
    check("05 absent -> 2", fails_with(modbus_write_bit(ctx, 100, 1), 2));
    memset(bits, 1, sizeof(bits));
    check("0f nine coils", modbus_write_bits(ctx, 0, 9, bits) == 9);
    check("06 write", modbus_write_register(ctx, 400, 0xBEEF) == 1);
    ok = modbus_read_registers(ctx, 400, 1, regs) == 1 && regs[0] == 0xBEEF;
    check("06 read back", ok);
    uint16_t values[121];
    for (i = 0; i < 121; ++i)
        values[i] = (uint16_t)(0x1000 + i);
    check("10 120 registers", modbus_write_registers(ctx, 200, 120, values) == 120);
    ok = modbus_read_registers(ctx, 200, 120, regs) == 120 && regs[0] == 0x1000 && regs[119] == 0x1000 + 119;
    check("10 read back", ok);
    check("10 121 registers -> 3", fails_with(modbus_write_registers(ctx, 200, 121, values), 3));
    ok = modbus_write_and_read_registers(ctx, 331, 2, values, 330, 3, regs) == 3 && regs[0] == 330
        && regs[1] == 0x1000 && regs[2] == 0x1001;
    check("17 write then read", ok);
    uint8_t id[64];
    check("11 empty identification", modbus_report_slave_id(ctx, sizeof(id), id) == 0);
    const uint8_t unknown[] = {0x22, 0x07};
    ok = modbus_send_raw_request(ctx, unknown, 2) != -1 && modbus_receive_confirmation(ctx, id) == 9
        && id[6] == 0x22 && id[7] == 0x87 && id[8] == 0x01;
    check("unknown 07 -> 1", ok);

    modbus_close(ctx);
    modbus_free(ctx);
    printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
