#pragma once

#include "ui/baseform.h"

// The bypass contactors. With the reference drive (type 3): the commands to synchronise with the network and to
// switch from mode to mode, and the state of the transition. With any other drive: whether the contactors are
// used and, when they are, the states of KM1 and KM2; rebuilds itself when that setting changes.
class BypassContactorsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BypassContactorsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void setDirectSync();
    void setCmdTransition();
};
