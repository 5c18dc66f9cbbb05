#include "app/parametershandler.h"

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "texts/common.h"

ParametersHandler::ParametersHandler(Parameters* params, QObject* parent)
    : QObject(parent), params_(params)
{
}

void ParametersHandler::slotParamUpdated(quint16 id, quint8 cmd)
{
    // Limits and quantity codes carry no board action.
    if (cmd == 7 || cmd == 8 || cmd == 15)
        return;
    const float value = params_->get(id);
    switch (id) {
    case 578:
        if (value != lastScadaProfile_) {
            lastScadaProfile_ = value;
            emit signalScadaProfileChanged();
        }
        break;
    case 570:
        if (Common::toInt(value) != lastLanguage_) {
            lastLanguage_ = Common::toInt(value);
            emit signalLanguageChanged(lastLanguage_);
        }
        break;
    case 594:
        if (value == 1.0f) {
            emit signalLogCopyStart();
        } else if (value == 2.0f) {
            params_->set(594, 0, 1);
            emit signalLogCopyFinish();
        }
        break;
    case 595:
        if (value == 0.0f && lastLogDelete_ == 1.0f)
            emit signalLogDelFinish();
        lastLogDelete_ = value;
        break;
    case 761:
    case 1031:
    case 1394:
    case 1729:
        emit signalShowWaitDialog(id, value != 0.0f);
        break;
    default:
        break;
    }
}
