#pragma once

#include "ui/station.h"

// The station of a screen test: a mirror and a main window of the test's own, with the panel's access rule.
// Installed while it lives; the station installed before comes back after.
class TestStation : public Station
{
public:
    TestStation(Parameters* params, MainWindow* window, LogEvent* logEvent = nullptr);
    ~TestStation() override;

    Parameters* params() const override { return params_; }
    MainWindow* mainWindow() const override { return window_; }
    LogEvent* logEvent() const override { return logEvent_; }

private:
    Parameters* params_;
    MainWindow* window_;
    LogEvent* logEvent_;
    Station* before_;
};
