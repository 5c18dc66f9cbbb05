#include "scada/modbus/portevent.h"

static eMBEventType eQueuedEvent = EV_READY;
static bool xEventInQueue = false;

bool xMBPortEventInit()
{
    xEventInQueue = false;
    return true;
}

bool xMBPortEventPost(eMBEventType eEvent)
{
    xEventInQueue = true;
    eQueuedEvent = eEvent;
    return true;
}

bool xMBPortEventGet(eMBEventType* eEvent)
{
    if (!xEventInQueue)
        return false;
    *eEvent = eQueuedEvent;
    xEventInQueue = false;
    return true;
}
