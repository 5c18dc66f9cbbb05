#include "scadatestmap.h"

#include "app/mainapplication.h"
#include "app/parameterdef.h"
#include "app/parameters.h"
#include "scada/scadafactory.h"
#include "scada/scadaserver.h"
#include "texts/common.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

RVK_REGISTER_SCADA(200, ScadaTestMap)

ScadaTestMap::ScadaTestMap()
    : regs_(kRegisters)
{
    resetRegs();
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("RVK_TEST_POLL_MS", &ok);
    if (ok && ms >= 0)
        pollMs_ = ms;
    const int steps = qEnvironmentVariableIntValue("RVK_TEST_POLL_STEPS", &ok);
    if (ok && steps >= 1 && steps <= 4)
        pollSteps_ = steps;
}

ScadaTestMap* ScadaTestMap::current()
{
    return qobject_cast<ScadaTestMap*>(MainApplication::getInstance()->scada());
}

QList<ScadaTestMap::Call> ScadaTestMap::takeCalls()
{
    QMutexLocker locker(&lock_);
    QList<Call> calls = calls_;
    calls_.clear();
    return calls;
}

uint16_t ScadaTestMap::reg(int index)
{
    QMutexLocker locker(&lock_);
    return regs_.value(index);
}

void ScadaTestMap::setReg(int index, uint16_t value)
{
    QMutexLocker locker(&lock_);
    regs_[index] = value;
}

void ScadaTestMap::resetRegs()
{
    QMutexLocker locker(&lock_);
    for (int i = 0; i < kRegisters; ++i)
        regs_[i] = static_cast<uint16_t>(i);
}

void ScadaTestMap::record(const char* name, quint32 address, quint32 count, const uint8_t* data, int size)
{
    QMutexLocker locker(&lock_);
    Call call;
    call.name = name;
    call.address = address;
    call.count = count;
    if (data && size > 0)
        call.data = QByteArray(reinterpret_cast<const char*>(data), size);
    calls_.append(call);
}

void ScadaTestMap::process()
{
    bindEngine();
    const eMBErrorCode status = eMBTCPInit(ScadaServer::port());
    if (status != MB_ERR_NONE) {
        qWarning() << "ScadaTestMap: eMBTCPInit" << status;
        return;
    }
    if (eMBEnable() != MB_ERR_NONE)
        return;
    pollTimer_ = new QTimer(this);
    pollTimer_->setTimerType(Qt::PreciseTimer);
    connect(pollTimer_, &QTimer::timeout, this, &ScadaTestMap::poll);
    pollTimer_->start(pollMs_);
}

void ScadaTestMap::poll()
{
    for (int i = 0; i < pollSteps_ && !paused_.load(); ++i)
        eMBPoll();
}

eMBErrorCode ScadaTestMap::readReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    const int first = address - 1;
    if (first < 0 || first + numRegs > kRegisters)
        return MB_ERR_NO_REGISTER;
    if (first <= kBusyRegister && first + numRegs > kBusyRegister)
        return MB_ERR_BUSY;
    if (first <= kFailingRegister && first + numRegs > kFailingRegister)
        return static_cast<eMBErrorCode>(9);
    if (first <= kSlowRegister && first + numRegs > kSlowRegister)
        Common::sleep(300);
    QMutexLocker locker(&lock_);
    const uint16_t* regs = regs_.constData() + first;
    for (int i = 0; i < numRegs; ++i) {
        buffer[2 * i] = static_cast<uint8_t>(regs[i] >> 8);
        buffer[2 * i + 1] = static_cast<uint8_t>(regs[i] & 0xFF);
    }
    return MB_ERR_NONE;
}

eMBErrorCode ScadaTestMap::writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    const int first = address - 1;
    if (first < 0 || first + numRegs > kRegisters)
        return MB_ERR_NO_REGISTER;
    record("writeReg", address, numRegs, buffer, 2 * numRegs);
    QMutexLocker locker(&lock_);
    for (int i = 0; i < numRegs; ++i)
        regs_[first + i] = static_cast<uint16_t>((buffer[2 * i] << 8) | buffer[2 * i + 1]);
    return MB_ERR_NONE;
}

eMBErrorCode ScadaTestMap::writeCoils(uint8_t* buffer, uint16_t address, uint16_t numCoils)
{
    if (address == 0 || address > 64)
        return MB_ERR_NO_REGISTER;
    record("writeCoils", address, numCoils, buffer, numCoils / 8 + ((numCoils % 8) ? 1 : 0));
    return MB_ERR_NONE;
}

eMBErrorCode ScadaTestMap::readInfo(uint8_t* buffer, uint16_t address, uint16_t* len)
{
    record("readInfo", address, 0);
    if (address != 0x0E02)
        return MB_ERR_INVALID;
    // Basic identification: one object 0x00 "TEST".
    static const uint8_t answer[] = {0x0E, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x04, 'T', 'E', 'S', 'T'};
    memcpy(buffer, answer, sizeof(answer));
    *len = static_cast<uint16_t>(*len + sizeof(answer));
    return MB_ERR_NONE;
}

eMBErrorCode ScadaTestMap::commandLog(uint8_t* buffer, uint16_t command, uint16_t* len)
{
    record("commandLog", command, 0);
    if (command == 2) {
        buffer[0] = 'O';
        buffer[1] = 'K';
        *len = static_cast<uint16_t>(*len + 2);
    }
    return MB_ERR_NONE;
}

eMBErrorCode ScadaTestMap::readLog(uint8_t* buffer, uint32_t address, uint16_t len)
{
    record("readLog", address, len);
    // Fills only the first half: the rest must come out as zeros.
    for (int i = 0; i < len / 2; ++i)
        buffer[i] = static_cast<uint8_t>(0xA0 + i);
    return MB_ERR_NONE;
}

eMBErrorCode ScadaTestMap::readFileRecord(uint8_t* buffer, uint32_t address, uint16_t len)
{
    record("readFileRecord", address, len);
    if (address > 10000)
        return MB_ERR_INVALID;
    for (int i = 0; i < len; ++i)
        buffer[i] = static_cast<uint8_t>((address + i) & 0xFF);
    return MB_ERR_NONE;
}

int ScadaTestMap::slotSoftwareWrite(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                                    uint8_t* usRecordData)
{
    record("softwareWrite", static_cast<quint32>(usFileNumber << 16 | usRecordNumber), usRecordLength, usRecordData,
           2 * usRecordLength);
    return MB_ERR_NONE;
}

quint16 startScadaTestServer(quint16 port)
{
    if (port == 0) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return 0;
        port = probe.serverPort();
    }
    qputenv("RVK_SCADA_PORT", QByteArray::number(port));

    MainApplication* app = MainApplication::getInstance();
    if (!app->params())
        app->initParameters();
    ParameterDef def;
    def.id = 578;
    def.valid = true;
    def.value.f = static_cast<float>(ScadaTestMap::kProfile);
    app->params()->addParameter(def);
    // The stack is served once the mirror has synchronised; these tests have no controller.
    app->params()->slotSyncFinished();
    app->initScada();

    // Bounded wait until the server accepts connections.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        QTcpSocket probeClient;
        probeClient.connectToHost(QHostAddress::LocalHost, port);
        if (probeClient.waitForConnected(200)) {
            probeClient.disconnectFromHost();
            return port;
        }
        QThread::msleep(20);
    }
    return 0;
}
