#pragma once

#include "ui/baseform.h"

// Gas pumping: short runs between two frequencies; the advanced settings add the activation by load and the
// times of each step. The screen follows its two switches.
class PumpingGasModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PumpingGasModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode needs the underload protection.
    void showWarning();
};
