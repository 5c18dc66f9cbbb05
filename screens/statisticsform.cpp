#include "screens/statisticsform.h"

#include "screens/mainmenu.h"
#include "screens/notebookmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {
constexpr int kLastReason = 156;
}

StatisticsForm::StatisticsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("StatisticsForm"));
    setTitle(tr("Статистика"));
}

void StatisticsForm::createForm()
{
    PairList runReasons;
    PairList stopReasons;
    const Common::CellReader cells = cellReader();
    for (int reason = 0; reason <= kLastReason; ++reason) {
        runReasons.append(reason, Common::getTextReasonRun(reason));
        stopReasons.append(reason, Common::getTextReasonStop(reason, cells));
    }
    addStatusNum(532, false);
    addStatusText(533, runReasons);
    addStatusNum(534, false);
    addStatusText(535, stopReasons);
}

void StatisticsForm::returnBackForm()
{
    showMenuPage<MainMenu, NotebookMenu>();
}
