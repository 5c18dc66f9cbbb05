#include "protections/protection_digital_input_forms.h"

ProtectionDigitalInput1Form::ProtectionDigitalInput1Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput2Form::ProtectionDigitalInput2Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput3Form::ProtectionDigitalInput3Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput4Form::ProtectionDigitalInput4Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput7Form::ProtectionDigitalInput7Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput8Form::ProtectionDigitalInput8Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput9Form::ProtectionDigitalInput9Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput10Form::ProtectionDigitalInput10Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput13Form::ProtectionDigitalInput13Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput14Form::ProtectionDigitalInput14Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput15Form::ProtectionDigitalInput15Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput16Form::ProtectionDigitalInput16Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput17Form::ProtectionDigitalInput17Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput18Form::ProtectionDigitalInput18Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput19Form::ProtectionDigitalInput19Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput20Form::ProtectionDigitalInput20Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput21Form::ProtectionDigitalInput21Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput22Form::ProtectionDigitalInput22Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput23Form::ProtectionDigitalInput23Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionDigitalInput24Form::ProtectionDigitalInput24Form(QWidget* parent)
    : ProtectionDigitalInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}
