#pragma once

#include "protections/protection_analog_input_form.h"

// The pages of the analog inputs: each passes its input's parameters to the common page.

class ProtectionAnalogInput1Form : public ProtectionAnalogInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 1;
    explicit ProtectionAnalogInput1Form(QWidget* parent = nullptr);
};

class ProtectionAnalogInput2Form : public ProtectionAnalogInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 2;
    explicit ProtectionAnalogInput2Form(QWidget* parent = nullptr);
};

class ProtectionAnalogInput3Form : public ProtectionAnalogInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 3;
    explicit ProtectionAnalogInput3Form(QWidget* parent = nullptr);
};

class ProtectionAnalogInput4Form : public ProtectionAnalogInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 4;
    explicit ProtectionAnalogInput4Form(QWidget* parent = nullptr);
};
