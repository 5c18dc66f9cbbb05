#pragma once

#include <QList>

#include "ui/basemenu.h"

// The calibration screen: the calibration type, and the pages of the current and voltage measurements and of the
// analog inputs. The pages read the type when they are built.
class CorrectionsForm : public BaseMenu
{
    Q_OBJECT
public:
    explicit CorrectionsForm(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
