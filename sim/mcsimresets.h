#pragma once

#include <QVector>
#include <QtGlobal>

// The controller's reset-to-defaults commands: each reset parameter restores the settings of its protection;
// the reset of every setpoint restores them all.
class McSimResets
{
public:
    struct Reset {
        quint16 id;
        QVector<quint16> settings;
    };

    // Parameter 599 with this value restores every protection.
    static constexpr quint16 kResetAll = 599;
    static constexpr int kResetAllValue = 3;

    static const QVector<Reset>& table();
    // The settings that reset `id` restores; empty when `id` is no reset.
    static QVector<quint16> settingsOf(quint16 id);
    // Every setting of the table, each once.
    static QVector<quint16> allSettings();
};
