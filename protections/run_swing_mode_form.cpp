#include "protections/run_swing_mode_form.h"

#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"
#include "ui/mainwindow.h"

RunSwingModeForm::RunSwingModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunSwingModeForm"));
    setTitle(QObject::tr("С раскачкой"));
}

void RunSwingModeForm::createForm()
{
    addComboBox(680, ModeRows::repeatSwitch());
    switch (selector(685)) {
    case 1:
        ModeRows::addEdits(this, {793, 794, 795, 796, 797, 798, 799});
        break;
    case 2:
        ModeRows::addEdits(this, {682, 1419, 1425, 1423, 1424, 684, 683, 1420});
        break;
    default:
        ModeRows::addEdits(this, {682, 684, 683});
        break;
    }
    connect(this, &BaseForm::signalShowForm, this, &RunSwingModeForm::showWarning);
}

void RunSwingModeForm::returnBackForm()
{
    // Unlike the other start modes: the start-modes menu alone, without the drive pages.
    if (MainWindow* window = mainWindow())
        window->addForm(new RunningModeMenu(nullptr), -1);
}

void RunSwingModeForm::showWarning()
{
    ModeRows::warnStopMotor(680);
}
