#pragma once

#include "ui/baseform.h"

// The own drive's hardware: ratings, measurement, alarms, supervision of its link, and the reset of its proxy.
class VsdServiceHardwareForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServiceHardwareForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void showResetProxyDialog();
};
