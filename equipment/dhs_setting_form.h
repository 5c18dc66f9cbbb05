#pragma once

#include "ui/baseform.h"

// The values of the downhole sensor system, laid out per system type: each value labelled with the register of
// the system's protocol it comes from, a few settings and a command for some types, and the sensor-failure
// archive switch last. The layout is chosen once, when the rows are built.
class DhsSettingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsSettingForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void showResetPicV2Dialog();
    void showReadStaticParamsDialog();
};
