#include "screens/optionsdatetimeform.h"

#include "screens/datetimeeditwidget.h"
#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {
constexpr quint16 kClock = 562;
constexpr quint16 kTimeZone = 1367;
constexpr int kFirstZone = -12;
constexpr int kLastZone = 14;
}

OptionsDateTimeForm::OptionsDateTimeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsDateTimeForm"));
    setTitle(tr("Дата и время"));
}

void OptionsDateTimeForm::createForm()
{
    addWidget(new DateTimeEditWidget(kClock, Common::getTextFromId(kClock)));
    PairList zones;
    for (int hours = kFirstZone; hours <= kLastZone; ++hours)
        zones.append(hours * 3600, Common::getTextTimeZone(hours * 3600));
    addComboBox(kTimeZone, zones);
}

void OptionsDateTimeForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
