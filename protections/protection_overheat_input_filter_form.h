#pragma once

#include "protections/baseprotectionform.h"

// Overheating of the input filter. Reported off while neither the filter nor its sensor is on, it tells the
// operator what to switch on.
class ProtectionOverheatInputFilterForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionOverheatInputFilterForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

private slots:
    void slotParamUpdated(quint16 id, quint8 cmd);
};
