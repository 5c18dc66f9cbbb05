#include "ui/uiinspect.h"

#include <QLabel>

#include "ui/basecombobox.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/basestatustextwidget.h"
#include "ui/basestatuswidget.h"
#include "ui/basestringeditwidget.h"
#include "ui/eventitem.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"
#include "ui/statuspushbutton.h"

namespace {

void fillChoices(RowInfo* info, const PairList& list)
{
    for (int i = 0; i < list.size(); ++i) {
        info->keys.append(list.key(i));
        info->texts.append(list.value(i));
    }
}

QString kindOf(const QWidget* w)
{
    if (qobject_cast<const BaseEditWidget*>(w))
        return QStringLiteral("edit");
    if (auto* r = qobject_cast<const BaseStatusWidget*>(w))
        return r->isBitEnabled() ? QStringLiteral("bits") : QStringLiteral("status");
    if (qobject_cast<const BaseStatusTextWidget*>(w))
        return QStringLiteral("statusText");
    if (qobject_cast<const BaseComboBox*>(w))
        return QStringLiteral("combo");
    if (qobject_cast<const BaseComboBox2*>(w))
        return QStringLiteral("combo2");
    if (qobject_cast<const BaseStringEditWidget*>(w))
        return QStringLiteral("string");
    if (qobject_cast<const StatusPushButton*>(w))
        return QStringLiteral("statusButton");
    if (qobject_cast<const PushButton*>(w))
        return QStringLiteral("button");
    if (qobject_cast<const EventItem*>(w))
        return QStringLiteral("event");
    return QStringLiteral("widget");
}

} // namespace

RowInfo UiInspect::row(const BaseForm* form, int index)
{
    RowInfo info;
    // Every row as it shows in the list, those the screen has not placed yet too.
    if (form)
        const_cast<BaseForm*>(form)->placeAllRows();
    QWidget* w = form ? form->rowAt(index) : nullptr;
    if (!w)
        return info;
    info.kind = kindOf(w);
    info.childButton = form->childButtonPosition(index) >= 0;
    if (auto* r = qobject_cast<BaseParamWidget*>(w)) {
        info.id = r->isBound() ? r->id() : -1;
        info.label = r->name();
        info.value = r->valueText();
        info.editable = r->isEditable();
        if (auto* combo = qobject_cast<BaseComboBox*>(r))
            fillChoices(&info, combo->valuesList());
        else if (auto* combo2 = qobject_cast<BaseComboBox2*>(r))
            fillChoices(&info, combo2->valuesList());
        else if (auto* text = qobject_cast<BaseStatusTextWidget*>(r))
            fillChoices(&info, text->texts());
    } else if (auto* r = qobject_cast<PushButton*>(w)) {
        info.label = r->text();
        info.editable = true;
        if (auto* status = qobject_cast<StatusPushButton*>(r)) {
            info.id = status->id();
            info.value = status->iconPath();
        }
    } else if (auto* r = qobject_cast<EventItem*>(w)) {
        info.label = r->text();
        info.value = r->dateTime();
    } else if (auto* r = qobject_cast<QLabel*>(w)) {
        info.value = r->text();
    }
    return info;
}

QList<RowInfo> UiInspect::rows(const BaseForm* form)
{
    QList<RowInfo> list;
    for (int i = 0; form && i < form->rowCount(); ++i)
        list.append(row(form, i));
    return list;
}

QStringList UiInspect::formClasses(const MainWindow* window)
{
    return window ? window->pages().classNames() : QStringList();
}

int UiInspect::currentIndex(const MainWindow* window)
{
    return window ? window->currentIndex() : -1;
}

int UiInspect::focusedRow(const MainWindow* window)
{
    const BaseForm* form = window ? window->currentForm() : nullptr;
    return form ? form->currentRow() : -1;
}

QString UiInspect::currentClass(const MainWindow* window)
{
    const BaseForm* form = window ? window->currentForm() : nullptr;
    return form ? QString::fromLatin1(form->metaObject()->className()) : QString();
}
