#pragma once

#include <QList>

#include <functional>

#include "scada/scada.h"

class Parameters;

// Register-map classes register their creator under the low byte of parameter 578.
class ScadaFactory
{
public:
    using Creator = std::function<Scada*()>;

    static void registerProfile(int code, Creator creator);
    // A new map for `code` that reaches the mirror and the SPI driver through what it is handed here;
    // null when no map serves the code.
    static Scada* create(int code, Parameters* params, Scada::SpiFunnel spi = Scada::SpiFunnel());
    static bool has(int code);
    // Every registered code, ascending.
    static QList<int> codes();
};

// Registers a map class from its own source file: RVK_REGISTER_SCADA(3, ScadaVuduzu2000); a class may
// serve several codes.
#define RVK_REGISTER_SCADA(code, Class) \
    namespace { \
    const bool registered_##Class##_##code = (ScadaFactory::registerProfile(code, [] { return static_cast<Scada*>(new Class()); }), true); \
    }
