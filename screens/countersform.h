#pragma once

#include "ui/baseform.h"

// Running time and start counters.
class CountersForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CountersForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
