#pragma once

#include <QList>

#include "ui/baseform.h"

// Settings of the panel and of its links.
class OptionsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};
