#pragma once

#include "ui/baseform.h"

// The quality of the controller's link with the downhole sensor system: its counters and their reset, and for
// two types the delay between requests to the surface unit.
class DhsConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void showResetCountersDialog();
};
