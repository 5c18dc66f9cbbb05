#pragma once

#include "ui/baseform.h"

// The well: field, pad and well names and depths.
class HoleForm : public BaseForm
{
    Q_OBJECT
public:
    explicit HoleForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
