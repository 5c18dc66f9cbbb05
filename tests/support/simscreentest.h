#pragma once

#include <QObject>
#include <QScopedPointer>
#include <QString>

#include "support/simstation.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/uiinspect.h"

// A screen test on one simulated controller (manual clock) for the whole test case and a new panel for every test
// function, which starts from `baseValues` set on the controller. A test class that needs more in a step declares
// the slot again and calls this one.
class SimScreenTest : public QObject
{
    Q_OBJECT

protected:
    explicit SimScreenTest(const QString& startValues = QString(), const QString& baseValues = QString())
        : startValues_(startValues), baseValues_(baseValues)
    {
    }

    bool apply(const QString& values) { return station_->setValues(values); }
    BaseForm* show(BaseForm::PageList pages, const QString& screen) { return ui_->showPage(pages(), screen); }
    BaseForm* current() const { return ui_->window()->currentForm(); }
    QString currentClass() const { return UiInspect::currentClass(ui_->window()); }

    QScopedPointer<SimStation> station_;
    QScopedPointer<UiFixture> ui_;

protected slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

private:
    const QString startValues_;
    const QString baseValues_;
};
