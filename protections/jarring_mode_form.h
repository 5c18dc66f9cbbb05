#pragma once

#include "ui/baseform.h"

// Jarring: periodic shakes between two frequencies, and the stage the mode is in.
class JarringModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit JarringModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
