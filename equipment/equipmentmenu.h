#pragma once

#include <QList>

#include "ui/baseform.h"

// The equipment menu: one button per item of the station's equipment.
class EquipmentMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit EquipmentMenu(QWidget* parent = nullptr);

    // New instances of the equipment pages, chosen by the current parameter values.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

private:
    // The values that choose the optional items; the buttons and the page list are built from the same ones.
    struct Items {
        bool analogOutputs = false;
        bool bypass = false;
    };
    static Items currentItems();
    static QList<BaseForm*> createPages(const Items& items);

    Items items_;
};
