#pragma once

#include "ui/baseform.h"

// The last start and stop of the station.
class StatisticsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit StatisticsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
