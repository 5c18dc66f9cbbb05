#include "ui/station.h"

#include <QObject>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/messagedialog.h"
#include "ui/passworddialog.h"

namespace {
Station* installed = nullptr;
}

Station::~Station()
{
    if (installed == this)
        installed = nullptr;
}

Station* Station::instance()
{
    return installed;
}

Station* Station::install(Station* station)
{
    Station* before = installed;
    installed = station;
    return before;
}

bool Station::isAccess(QWidget* parent, int id, int mode, const QString& prompt)
{
    const Parameters* p = params();
    const ParameterDef* def = (p && id >= 0 && id <= 0xFFFF) ? p->getParameter(static_cast<quint16>(id)) : nullptr;
    if (!def) {
        qWarning() << "Station::isAccess: unknown parameter" << id;
        return false;
    }
    if (def->operation == 3 && p->get(1330) != 4.0f && Common::toInt(p->get(13)) != 0) {
        (new MessageDialog(QObject::tr("Для изменения остановите двигатель!"), MessageDialog::Information, parent))
            ->show();
        return false;
    }
    if (mode != 2) {
        if (p->get(571) == 0.0f && def->access <= 2)
            return true;
        if (mode == 0 && p->get(572) >= static_cast<float>(def->access))
            return true;
    }
    return PasswordDialog::ask(parent, def->access, prompt);
}

bool Station::isDidezorGroupCompany() const
{
    const Parameters* p = params();
    const float company = p ? p->get(1330) : 0.0f;
    return company == 2.0f || company == 4.0f;
}
