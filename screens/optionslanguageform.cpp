#include "screens/optionslanguageform.h"

#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {
// Russian, English, Spanish.
constexpr int kLanguages = 3;
}

OptionsLanguageForm::OptionsLanguageForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsLanguageForm"));
    setTitle(tr("Язык"));
}

void OptionsLanguageForm::createForm()
{
    PairList languages;
    for (int code = 0; code < kLanguages; ++code)
        languages.append(code, Common::getTextLanguage(code));
    addComboBox(570, languages);
}

void OptionsLanguageForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
