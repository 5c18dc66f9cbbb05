#pragma once

#include <functional>

class Scada;

// Register-map classes register their creator under the low byte of parameter 578.
class ScadaFactory
{
public:
    using Creator = std::function<Scada*()>;

    static void registerProfile(int code, Creator creator);
    // A new map for `code`, or null when no map serves it.
    static Scada* create(int code);
    static bool has(int code);
};

// Registers a map class from its own source file: RVK_REGISTER_SCADA(3, ScadaVuduzu2000)
#define RVK_REGISTER_SCADA(code, Class) \
    namespace { \
    const bool registered_##Class = (ScadaFactory::registerProfile(code, [] { return static_cast<Scada*>(new Class()); }), true); \
    }
