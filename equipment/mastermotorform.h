#pragma once

#include <QVariantList>

#include <array>

#include "ui/baseform.h"
#include "ui/pairlist.h"

class QLabel;
class QSqlQuery;
class BaseComboBox2;

// Picks a reference motor from the catalogue (table motors_etalon) by size, speed, power and voltage, and writes
// its data into the motor parameters.
class MasterMotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MasterMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

    // Lists the motors that match every selection.
    void motorListUpdated();

public slots:
    void slotSizeUpdated();
    void slotRpmUpdated();
    void slotPowerUpdated();
    void slotVoltageUpdated();
    void slotSetApply();

private:
    // The selections, in the order of the cascade.
    enum Level { Size, Rpm, Power, Voltage, LevelCount };

    // " AND size==? ..." for the chosen selections above `level`, and the values it binds.
    struct Filter {
        QString sql;
        QVariantList values;
    };
    Filter filter(int level) const;
    // Runs `select` over the motors at or above the minimum power and voltage, narrowed by `f`.
    bool query(QSqlQuery* q, const QString& select, const Filter& f, const QString& tail = QString()) const;
    PairList choices(Level level) const;
    QString choiceText(Level level, const QVariant& value) const;
    // Refills every selection below `level` from what exists under the choices above it, then the motor list.
    void cascadeFrom(Level level);
    // The catalogue values of the matching motor to write, in order; false (and a message) when it cannot be
    // written whole.
    bool readMotor(QList<QPair<quint16, float>>* writes);

    std::array<BaseComboBox2*, LevelCount> selections_{};
    QLabel* motorList_ = nullptr;
    int count_ = 0;
    int id_ = -1;
    float minPower_ = 0.0f;
    float minVoltage_ = 0.0f;
};
