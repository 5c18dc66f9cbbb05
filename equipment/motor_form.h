#pragma once

#include "ui/baseform.h"

class BaseEditWidget;

// The submersible motor's type and rated data. A valve motor on a drive other than Danfoss gets the button of
// the reference-motor wizard, its only child page.
class MotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MotorForm(QWidget* parent = nullptr);

    // The wizard.
    static Pages createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

public slots:
    // A new value of the motor type or of the adaptation mode.
    void slotParamUpdated(quint16 id);
    // Adds the limit of the rated current to the footer while it is edited (Danfoss only).
    void slotSetTextMotorCurrent();

private:
    BaseEditWidget* motorCurrent_ = nullptr;
};
