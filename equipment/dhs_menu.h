#pragma once

#include <QList>

#include "ui/baseform.h"

// The downhole sensor system menu: its pages, the configuration page only for type 17.
class DhsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsMenu(QWidget* parent = nullptr);

    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};
