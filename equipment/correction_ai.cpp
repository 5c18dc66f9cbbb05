#include "equipment/correction_ai.h"

#include "equipment/corrections_form.h"
#include "screens/technologparamsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {

struct AnalogInput {
    quint16 type;
    quint16 sign;
    quint16 offset;
    quint16 coefficient;
    quint16 value;
};

const AnalogInput kInputs[] = {
    // type  sign  offset coefficient value
    {1100, 1083, 1082, 1084, 821},   // input 5
    {1071, 1085, 1063, 1064, 1062},  // input 6
    {1072, 1086, 1066, 1067, 1065},  // input 7
    {1073, 1087, 1069, 1070, 1068},  // input 8
};

} // namespace

CorrectionAI::CorrectionAI(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CorrectionAI"));
    setTitle(tr("Корректировка аналоговых входов"));
}

void CorrectionAI::createForm()
{
    PairList choices;
    for (const AnalogInput& input : kInputs) {
        // Only the two signals these inputs take: no 0 - 4 V.
        choices.clear();
        for (int code = 0; code <= 1; ++code)
            choices.append(code, Common::getTextTypeAI(static_cast<unsigned short>(code)));
        addComboBox(input.type, choices);
        choices.clear();
        choices.append(-1, QStringLiteral("-"));
        choices.append(1, QStringLiteral("+"));
        addComboBox(input.sign, choices);
        addEdit(input.offset);
        addEdit(input.coefficient);
        addStatusNum(input.value, false);
    }
}

void CorrectionAI::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, CorrectionsForm>();
}
