#pragma once

#include <QList>

#include "ui/baseform.h"

// The drive menu: the drive type and the drive's pages.
class VsdMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdMenu(QWidget* parent = nullptr);

    // New instances of the drive pages for the drive type read now.
    static QList<BaseForm*> createNextForm();

    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;

private:
    static QList<BaseForm*> createPages(quint16 vsdType);
    static quint16 currentVsdType();

    // The drive type on which the buttons were built.
    quint16 vsdType_ = 0;
};
