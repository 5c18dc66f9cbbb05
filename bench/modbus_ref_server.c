/* Reference Modbus TCP server on libmodbus for the side-by-side benchmark: one client,
 * 1000 holding registers (register i holds i), a request taken every TICK_MS ms after the
 * previous step (0: as soon as it arrives). Exits when the client goes. */
#include <errno.h>
#include <modbus.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/select.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PORT [TICK_MS]\n", argv[0]);
        return 2;
    }
    const int port = atoi(argv[1]);
    const int tick = argc > 2 ? atoi(argv[2]) : 0;
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", port);
    modbus_mapping_t* map = modbus_mapping_new(0, 0, 1000, 1000);
    if (!ctx || !map)
        return 2;
    for (int i = 0; i < 1000; ++i) {
        map->tab_registers[i] = (uint16_t)i;
        map->tab_input_registers[i] = (uint16_t)i;
    }
    int listener = modbus_tcp_listen(ctx, 1);
    if (listener == -1) {
        fprintf(stderr, "listen: %s\n", modbus_strerror(errno));
        return 2;
    }
    printf("listening\n");
    fflush(stdout);
    const int s = modbus_tcp_accept(ctx, &listener);
    if (s == -1)
        return 2;

    uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
    for (;;) {
        if (tick > 0) {
            usleep((useconds_t)tick * 1000u);
            fd_set rfds;
            FD_ZERO(&rfds);
            FD_SET(s, &rfds);
            struct timeval zero = {0, 0};
            const int ready = select(s + 1, &rfds, NULL, NULL, &zero);
            if (ready < 0)
                break;
            if (ready == 0)
                continue;
        }
        const int rc = modbus_receive(ctx, query);
        if (rc > 0)
            modbus_reply(ctx, query, rc, map);
        else if (rc == -1)
            break;
    }
    close(listener);
    modbus_mapping_free(map);
    modbus_close(ctx);
    modbus_free(ctx);
    return 0;
}
