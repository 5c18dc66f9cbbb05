#include "protections/protection_analog_input_forms.h"

ProtectionAnalogInput1Form::ProtectionAnalogInput1Form(QWidget* parent)
    : ProtectionAnalogInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionAnalogInput2Form::ProtectionAnalogInput2Form(QWidget* parent)
    : ProtectionAnalogInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionAnalogInput3Form::ProtectionAnalogInput3Form(QWidget* parent)
    : ProtectionAnalogInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}

ProtectionAnalogInput4Form::ProtectionAnalogInput4Form(QWidget* parent)
    : ProtectionAnalogInputForm(*inputIds(kInput), staticMetaObject, parent)
{
}
