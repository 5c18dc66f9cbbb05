#pragma once

#include "ui/baseform.h"

// The step-up transformer, the supply mains and the motor cable, with the values the controller derives from
// them.
class TransForm : public BaseForm
{
    Q_OBJECT
public:
    explicit TransForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // A new value of the adaptation mode.
    void slotParamUpdated(quint16 id);
};
