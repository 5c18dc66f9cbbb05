#include "protections/protection_overheat_input_filter_form.h"

#include "app/parameters.h"
#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"

ProtectionOverheatInputFilterForm::ProtectionOverheatInputFilterForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionOverheatInputFilterForm"));
    setTitle(QObject::tr("Перегрев фильтра"));
}

void ProtectionOverheatInputFilterForm::createForm()
{
    addActionRows(967, {0, 1, 2}, 1512);
    addEdits({971, 972, 973});
    addButtonResetDefault(984);
    if (Parameters* p = params())
        connect(p, &Parameters::signalParamUpdated, this, &ProtectionOverheatInputFilterForm::slotParamUpdated);
}

void ProtectionOverheatInputFilterForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}

void ProtectionOverheatInputFilterForm::slotParamUpdated(quint16 id, quint8 cmd)
{
    // Limits and unit codes are no report of the action; a sibling on show is not interrupted.
    if (id != 967 || cmd == 7 || cmd == 8 || cmd == 15)
        return;
    MainWindow* window = mainWindow();
    if (!window || window->currentForm() != this)
        return;
    if (value(967) != 0.0f || value(712) != 0.0f || value(1101) != 0.0f)
        return;
    const QString text = QObject::tr("%1 %2 \n или \n %3")
                             .arg(QObject::tr("Для включения защиты включите: \n"), Common::getTextFromId(712),
                                  Common::getTextFromId(1101));
    // Parented to the window: the hint outlives a rebuild of the screens, and opens once however often 967 comes.
    MessageDialog::showOnce(text, MessageDialog::Information, window);
}
