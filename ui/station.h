#pragma once

#include <QString>

class QWidget;
class LogEvent;
class MainWindow;
class Parameters;

// What the screens need of the running station: the parameter mirror, the main window they are shown in, the event
// store and the access check before a write. The application installs itself at start-up; a test installs its own.
class Station
{
public:
    virtual ~Station();

    virtual Parameters* params() const = 0;
    virtual MainWindow* mainWindow() const = 0;
    virtual LogEvent* logEvent() const = 0;

    // Whether the operator may change parameter `id` now. A parameter changed only with the motor stopped is refused
    // while it runs (with a message over `parent`); mode 0 asks for the password of the parameter's level only when
    // the granted level is lower, mode 2 always asks, unless protection is off for levels up to 2.
    virtual bool isAccess(QWidget* parent, int id, int mode, const QString& prompt);
    // The oil company (parameter 1330) is of the Didezor group: 2 or 4.
    bool isDidezorGroupCompany() const;

    // The installed station, null before one is.
    static Station* instance();
    // Installs `station` (null: none) and returns the one installed before.
    static Station* install(Station* station);
};
