#include "support/simscreentest.h"

#include <QtTest>

void SimScreenTest::initTestCase()
{
    station_.reset(new SimStation(startValues_, SimStation::Clock::Manual));
    QVERIFY(station_->start());
}

void SimScreenTest::cleanupTestCase()
{
    station_->stop();
    station_.reset();
}

void SimScreenTest::init()
{
    ui_.reset(new UiFixture);
    if (!baseValues_.isEmpty())
        QVERIFY(apply(baseValues_));
}

void SimScreenTest::cleanup()
{
    UiFixture::closeMessages();
    ui_.reset();
}
