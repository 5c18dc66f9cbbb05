/* Load client of the side-by-side benchmark: N reads of 125 holding registers (0x03) on one
 * connection, one at a time; prints throughput and latency percentiles. */
#include <errno.h>
#include <modbus.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int cmp(const void* a, const void* b)
{
    const double x = *(const double*)a;
    const double y = *(const double*)b;
    return (x > y) - (x < y);
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s PORT N\n", argv[0]);
        return 2;
    }
    const int port = atoi(argv[1]);
    const int n = atoi(argv[2]);
    if (n < 1 || n > 100000)
        return 2;
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", port);
    int connected = 0;
    for (int attempt = 0; attempt < 100 && !connected; ++attempt) {
        connected = modbus_connect(ctx) == 0;
        if (!connected)
            usleep(100000);
    }
    if (!connected) {
        fprintf(stderr, "connect: %s\n", modbus_strerror(errno));
        return 2;
    }
    modbus_set_response_timeout(ctx, 10, 0);

    uint16_t regs[125];
    double* t = malloc(sizeof(double) * (size_t)n);
    int errors = 0;
    const double start = now_ms();
    for (int i = 0; i < n; ++i) {
        const double t0 = now_ms();
        if (modbus_read_registers(ctx, 0, 125, regs) != 125 || regs[124] != 124)
            ++errors;
        t[i] = now_ms() - t0;
    }
    const double total = now_ms() - start;
    qsort(t, (size_t)n, sizeof(double), cmp);
    printf("requests %d errors %d rps %.1f p50_ms %.3f p99_ms %.3f max_ms %.3f\n", n, errors, n * 1000.0 / total,
           t[n / 2], t[(int)((n - 1) * 0.99)], t[n - 1]);
    free(t);
    modbus_close(ctx);
    modbus_free(ctx);
    return errors ? 1 : 0;
}
