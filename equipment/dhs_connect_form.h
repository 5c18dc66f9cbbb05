#pragma once

#include "ui/baseform.h"

// Downhole sensor link settings. Titled screen with its way back; the rows come with its own settings.
class DhsConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
