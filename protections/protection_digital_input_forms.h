#pragma once

#include "protections/protection_digital_input_form.h"

// The pages of the digital inputs: each passes its input's parameters to the common page.

class ProtectionDigitalInput1Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 1;
    explicit ProtectionDigitalInput1Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput2Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 2;
    explicit ProtectionDigitalInput2Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput3Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 3;
    explicit ProtectionDigitalInput3Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput4Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 4;
    explicit ProtectionDigitalInput4Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput7Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 7;
    explicit ProtectionDigitalInput7Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput8Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 8;
    explicit ProtectionDigitalInput8Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput9Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 9;
    explicit ProtectionDigitalInput9Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput10Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 10;
    explicit ProtectionDigitalInput10Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput13Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 13;
    explicit ProtectionDigitalInput13Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput14Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 14;
    explicit ProtectionDigitalInput14Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput15Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 15;
    explicit ProtectionDigitalInput15Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput16Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 16;
    explicit ProtectionDigitalInput16Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput17Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 17;
    explicit ProtectionDigitalInput17Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput18Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 18;
    explicit ProtectionDigitalInput18Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput19Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 19;
    explicit ProtectionDigitalInput19Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput20Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 20;
    explicit ProtectionDigitalInput20Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput21Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 21;
    explicit ProtectionDigitalInput21Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput22Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 22;
    explicit ProtectionDigitalInput22Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput23Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 23;
    explicit ProtectionDigitalInput23Form(QWidget* parent = nullptr);
};

class ProtectionDigitalInput24Form : public ProtectionDigitalInputForm
{
    Q_OBJECT
public:
    static constexpr int kInput = 24;
    explicit ProtectionDigitalInput24Form(QWidget* parent = nullptr);
};
