#include "screens/countersform.h"

#include "screens/mainmenu.h"
#include "screens/notebookmenu.h"

CountersForm::CountersForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CountersForm"));
    setTitle(tr("Счётчики"));
}

void CountersForm::createForm()
{
    for (quint16 id : {526, 529})
        addStatusNum(id, false);
}

void CountersForm::returnBackForm()
{
    showMenuPage<MainMenu, NotebookMenu>();
}
