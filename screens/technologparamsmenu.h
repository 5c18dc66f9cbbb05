#pragma once

#include <QList>

#include "ui/baseform.h"

// Technological settings: modes, calibration and the technologist's menu.
class TechnologParamsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit TechnologParamsMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};
