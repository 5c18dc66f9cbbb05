#pragma once

#include <QList>

#include "ui/baseform.h"

// The electricity meter: its model and, once one is chosen, the current-transformer ratio, the source of the
// input voltages and the way to the meter's link screen. Rebuilds itself when the model changes.
class EmForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EmForm(QWidget* parent = nullptr);

    static Pages createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

public slots:
    void slotParamUpdated(quint16 id, quint8 cmd);
};
