#pragma once

#include <QList>

#include "ui/baseform.h"

// Pages of the measured values.
class CurrentParamsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit CurrentParamsMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};
