#pragma once

#include <QList>

#include "ui/baseform.h"

// The root menu: one button per page of the menu tree.
class MainMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    // New instances of the seven pages, in the order of the buttons.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};
