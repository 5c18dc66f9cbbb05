#pragma once

#include <QList>

#include "ui/basemenu.h"

// The archives page of the main menu: the event journal, the archive commands of the main controller
// and the recording intervals.
class LogMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit LogMenu(QWidget* parent = nullptr);

    // A new journal screen each time, so that every opening lists the store as it is then.
    static Pages createNextForm();

    void returnBackForm() override;

public slots:
    void copyLogs();
    void deleteLogs();
    void deleteDebugLogs();

private:
    static QList<MenuItem> items();
    void deleteArchive(quint16 id, const QString& text, const QString& failure);
};
