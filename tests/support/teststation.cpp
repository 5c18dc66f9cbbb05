#include "support/teststation.h"

TestStation::TestStation(Parameters* params, MainWindow* window, LogEvent* logEvent)
    : params_(params), window_(window), logEvent_(logEvent), before_(Station::install(this))
{
}

TestStation::~TestStation()
{
    if (Station::instance() == this)
        Station::install(before_);
}
