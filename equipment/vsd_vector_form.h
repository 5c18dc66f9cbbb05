#pragma once

#include "ui/baseform.h"

// Vector control of the drive. Titled screen with its way back; the rows come with its own settings.
class VsdVectorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdVectorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
