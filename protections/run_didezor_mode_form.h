#pragma once

#include "ui/baseform.h"

// The special start algorithms of the Didezor group; the service level (572 above 2) sees their fine settings.
class RunDidezorModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunDidezorModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
