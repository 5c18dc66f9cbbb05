#pragma once

#include "ui/baseform.h"

// The link between the controller and the drive: quality counters and, for the own drive, the port settings.
class VsdConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void showResetCountersDialog();
    // Applies the port settings.
    void rebootSoft();
};
