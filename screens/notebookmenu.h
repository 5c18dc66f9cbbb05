#pragma once

#include <QList>

#include "ui/baseform.h"

// The notebook: well, counters, statistics, station and consumed energy.
class NotebookMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit NotebookMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
};
