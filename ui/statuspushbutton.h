#pragma once

#include <QPointer>

#include "app/parameters.h"
#include "ui/pairlist.h"
#include "ui/pushbutton.h"

// A child-opening button whose icon follows the value of a parameter.
class StatusPushButton : public PushButton
{
    Q_OBJECT
public:
    // Follows parameter `id` of `params` (none: the first icon stays).
    StatusPushButton(int index, quint16 id, const QString& text, const PairList& icons, Parameters* params,
                     QWidget* parent = nullptr);

    quint16 id() const { return id_; }
    // Resource path of the icon shown.
    QString iconPath() const { return iconPath_; }

public slots:
    void refresh();

private slots:
    void slotParamUpdated(quint16 id);

private:
    quint16 id_;
    QPointer<Parameters> params_;
    PairList icons_;
    QString iconPath_;
};
