#pragma once

#include <QObject>

class Parameters;

// Board actions tied to parameter updates.
class ParametersHandler : public QObject
{
    Q_OBJECT
public:
    explicit ParametersHandler(Parameters* params, QObject* parent = nullptr);

signals:
    void signalLogCopyStart();
    void signalLogCopyFinish();
    void signalLogDelFinish();
    void signalShowWaitDialog(quint16 id, bool show);
    // Parameter 578 took a new value; the application recreates the register map.
    void signalScadaProfileChanged();
    // Parameter 570 took a new value: the language of the panel (0 Russian, 1 English, 2 Spanish).
    void signalLanguageChanged(int language);

public slots:
    void slotParamUpdated(quint16 id, quint8 cmd);

private:
    Parameters* params_;
    float lastScadaProfile_ = -1.0f;
    float lastLogDelete_ = -1.0f;
    int lastLanguage_ = -1;
};
