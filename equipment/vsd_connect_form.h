#pragma once

#include "ui/baseform.h"

// Drive link settings. Titled screen with its way back; the rows come with its own settings.
class VsdConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
