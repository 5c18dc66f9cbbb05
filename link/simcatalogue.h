#pragma once

#include <QVector>

#include <memory>

#include "sim/mcsimcore.h"

// Seeds the simulated main controller from the `parameters` table of the open database.
class SimCatalogue
{
public:
    static QVector<McSimCore::ParamSeed> fromDatabase();
    // A controller seeded from the database, with the initial values of RVK_SIM_VALUES applied.
    static std::shared_ptr<McSimCore> createController();
};
