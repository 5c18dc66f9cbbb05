#pragma once

#include <QObject>
#include <QVector>

#include <array>
#include <atomic>
#include <memory>

#include "texts/common.h"
#include "texts/parameterdef.h"

// The mirror of the main controller's parameters.
// Written on the main thread only; get/getU32 are safe from any thread.
class Parameters : public QObject
{
    Q_OBJECT
public:
    explicit Parameters(QObject* parent = nullptr);
    ~Parameters() override;

    // Loads the metadata of every parameter from the default database connection.
    bool load();
    // Adds one parameter (tests and tools); replaces an existing one.
    void addParameter(const ParameterDef& def);

    float get(quint16 id) const;
    quint32 getU32(quint16 id) const;
    // getU32 of this mirror, for the texts that show names held in parameters.
    Common::CellReader cellReader() const;
    float getMin(quint16 id) const;
    float getMax(quint16 id) const;
    ParameterDef* getParameter(quint16 id) const;
    bool contains(quint16 id) const;
    QVector<quint16> ids() const { return ids_; }

    int set(quint16 id, quint32 value, int eventType = 1);
    int set(quint16 id, float value, int eventType = 1);
    int set(quint16 id, int value, int eventType = 1);
    int set(quint16 id, double value, int eventType = 1);

    float convertFrom(float value, const ParameterDef* def, bool forceTime, bool useDisplayUnit) const;
    float convertTo(float value, const ParameterDef* def, bool forceTime) const;
    QString getTextUnit(const ParameterDef* def) const;

    bool isSynchronized() const { return synchronized_; }

signals:
    void signalParamUpdated(quint16 id, quint8 cmd = 0);
    void signalParamWrite(quint16 id, quint32 value, int eventType);
    void signalSyncFinished();

public slots:
    // A reply of the controller: cmd 7 minimum, 8 maximum, 15 physical-quantity code, else the value. Stored and
    // signalled at once.
    void slotParamUpdated(quint16 id, quint32 raw, quint8 cmd);
    // The same reply as the link delivers it, the SPI thread waiting: stored at once, signalled once the delivery
    // has returned, so that nothing done in answer to an update holds up the link.
    void slotParamDelivered(quint16 id, quint32 raw, quint8 cmd);
    void slotSyncFinished();

private:
    // False for an unknown id.
    bool store(quint16 id, quint32 raw, quint8 cmd);
    int unitColumn(const ParameterDef* def, bool useDisplayUnit) const;

    std::array<std::atomic<quint32>, 65536> cells_;
    std::array<std::atomic<bool>, 65536> present_;
    std::unique_ptr<ParameterDef*[]> defs_;
    QVector<quint16> ids_;
    bool synchronized_ = false;
};
