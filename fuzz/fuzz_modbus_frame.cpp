// Byte stream of one client through the frame scanner, the frame layer, the PDU handlers and the register
// callbacks of the Vuduzu2000 map over a mirror with values, without a socket or an application object.
// The unit id of each frame (which the server never examines) picks the station's state for that frame:
// bit 0 an update running (p757 = 3), bit 1 profile 4's offsets (p578 = 4), bit 2 the station running.
// Every response must stay inside the frame buffer and carry a sane header.
#include "app/parameterdef.h"
#include "app/parameters.h"
#include "scada/modbus/mb.h"
#include "scada/modbus/mbtcp.h"
#include "scada/modbus/mbutils.h"
#include "scada/scada_vuduzu2000.h"
#include "scada/scadaclock.h"
#include "texts/common.h"

#include <cstdlib>
#include <cstring>

namespace {

// The controller never answers: a wait for it runs its course without sleeping.
class InstantClock : public ScadaClock
{
public:
    qint64 nowMs() override { return now_; }
    void sleepMs(int ms) override { now_ += ms; }
    void repeat(QObject*, int, std::function<bool()>) override {}

private:
    qint64 now_ = 0;
};

class FuzzMap : public ScadaVuduzu2000
{
public:
    FuzzMap(Parameters* params, ScadaClock* clock)
    {
        attach(params);
        setClock(clock);
        buildTable();
        bindEngine();
    }
};

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

struct Station {
    Parameters params;
    InstantClock clock;
    FuzzMap* map = nullptr;

    Station()
    {
        qInstallMessageHandler(quiet);
        // Whole, fractional, negative, out-of-range and empty values, spread over every id a map reads.
        const quint32 values[] = {Common::floatBits(0.0f),    Common::floatBits(1.0f),  Common::floatBits(380.4f),
                                  Common::floatBits(-5.0f),   Common::floatBits(2.5f),  Common::floatBits(70000.0f),
                                  Common::floatBits(1e30f),   0xFFFFFFFFu,              Common::floatBits(106.0f)};
        for (int id = 1; id <= 65535; ++id) {
            if (id > 1200 && (id < 10000 || id > 10300) && (id < 15000 || id > 15200))
                continue;
            set(static_cast<quint16>(id), values[id % (sizeof values / sizeof values[0])]);
        }
        set(1182, Common::floatBits(2.0f));
        set(1183, Common::floatBits(484.0f));
        params.slotSyncFinished();  // the map serves only a synchronised mirror
        map = new FuzzMap(&params, &clock);
    }

    void set(quint16 id, quint32 raw)
    {
        if (!params.contains(id)) {
            ParameterDef def;
            def.id = id;
            params.addParameter(def);
        }
        params.slotParamUpdated(id, raw, 0);
    }

    void setState(uint8_t unitId)
    {
        set(757, Common::floatBits((unitId & 1) ? 3.0f : 0.0f));
        set(578, Common::floatBits((unitId & 2) ? 4.0f : 3.0f));
        set(13, Common::floatBits((unitId & 4) ? 2.0f : 0.0f));
        map->calcParamsStart();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Station station;
    size_t pos = 0;
    // Bounded: each pass consumes at least one frame or stops.
    while (pos < size) {
        uint16_t frameLen = 0;
        const eMBTCPFrameScan scan = eMBTCPScanFrame(data + pos, size - pos, &frameLen);
        if (scan == MB_TCP_SCAN_INCOMPLETE || scan == MB_TCP_SCAN_INVALID)
            break;
        if (frameLen < 8 || frameLen > MB_TCP_BUF_SIZE)
            abort();
        if (scan == MB_TCP_SCAN_FOREIGN) {
            pos += frameLen;
            continue;
        }
        // Stale bytes behind the frame show up as reads past the request under MSan-like checks.
        memset(aucTCPBuf, 0xCD, sizeof(aucTCPBuf));
        memcpy(aucTCPBuf, data + pos, frameLen);
        usTCPBufPos = frameLen;
        pos += frameLen;
        station.setState(aucTCPBuf[MB_TCP_UID]);

        uint8_t address = 0;
        uint8_t* pdu = nullptr;
        uint16_t pduLen = 0;
        if (eMBTCPReceive(&address, &pdu, &pduLen) != MB_ERR_NONE)
            continue;
        if (pdu != aucTCPBuf + MB_TCP_FUNC || pduLen == 0 || pduLen > MB_TCP_BUF_SIZE - MB_TCP_FUNC)
            abort();
        const uint8_t function = pdu[0];
        vMBExecute(pdu, &pduLen);
        if (pduLen == 0 || pduLen > MB_PDU_SIZE_MAX)
            abort();
        if ((pdu[0] & 0x7F) != (function & 0x7F))
            abort();
        if ((pdu[0] & MB_FUNC_ERROR) && (pduLen != 2 || pdu[1] < 1 || pdu[1] > 6))
            abort();
        eMBTCPSend(address, pdu, pduLen);
        if (usMBGetU16(aucTCPBuf + MB_TCP_LEN) != pduLen + 1)
            abort();
    }
    return 0;
}
