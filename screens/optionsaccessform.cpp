#include "screens/optionsaccessform.h"

#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"
#include "texts/common.h"
#include "ui/basecombobox2.h"
#include "ui/pairlist.h"
#include "ui/passworddialog.h"

namespace {
constexpr int kTopLevel = 4;
}

OptionsAccessForm::OptionsAccessForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsAccessForm"));
    setTitle(tr("Доступ"));
}

void OptionsAccessForm::createForm()
{
    PairList onOff;
    onOff.append(0, Common::getTextOnOff(0));
    onOff.append(1, Common::getTextOnOff(1));
    addComboBox(tr("Парольная защита"), 571, onOff);
    addStatusNum(tr("Уровень доступа"), 572, false);

    PairList levels;
    for (int level = 1; level <= kTopLevel; ++level)
        levels.append(level, QString::number(level));
    level_ = addComboBox(tr("Войти с уровнем"), levels, 1);
    addButton(tr("Войти"), SLOT(slotLogin()));
}

void OptionsAccessForm::slotLogin()
{
    if (level_)
        PasswordDialog::ask(this, level_->key(), QString());
}

void OptionsAccessForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
