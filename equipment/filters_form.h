#pragma once

#include "ui/baseform.h"

// Input and output filters: the settings of a filter show while it is switched on.
class FiltersForm : public BaseForm
{
    Q_OBJECT
public:
    explicit FiltersForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // A new value of a filter switch, of the filter temperature sensor or of the adaptation mode.
    void slotParamUpdated(quint16 id);
};
