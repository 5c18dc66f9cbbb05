#pragma once

// One-slot event store between the transport and the engine.

enum eMBEventType {
    EV_READY = 0,
    EV_FRAME_RECEIVED = 1,
    EV_EXECUTE = 2
};

bool xMBPortEventInit();
// Stores the event, replacing a pending one.
bool xMBPortEventPost(eMBEventType eEvent);
// False when nothing is pending; otherwise gives the event and empties the store.
bool xMBPortEventGet(eMBEventType* eEvent);
