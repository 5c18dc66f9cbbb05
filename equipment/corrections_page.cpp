#include "equipment/corrections_page.h"

#include "equipment/corrections_form.h"
#include "screens/technologparamsmenu.h"
#include "ui/baseparamwidget.h"

namespace {

constexpr quint16 kCalibrationType = 2085;
constexpr quint16 kVoltageFormat = 1178;
constexpr quint16 kModelPages = 1518;

const char* const kLinesAbc[] = {QT_TRANSLATE_NOOP("CorrectionsPage", "Коэффициент AB"),
                                 QT_TRANSLATE_NOOP("CorrectionsPage", "Коэффициент BC"),
                                 QT_TRANSLATE_NOOP("CorrectionsPage", "Коэффициент CA")};
const char* const kLinesUvw[] = {QT_TRANSLATE_NOOP("CorrectionsPage", "Коэффициент UV"),
                                 QT_TRANSLATE_NOOP("CorrectionsPage", "Коэффициент VW"),
                                 QT_TRANSLATE_NOOP("CorrectionsPage", "Коэффициент WU")};

} // namespace

CorrectionsPage::CorrectionsPage(const Triples& triples, QWidget* parent)
    : BaseForm(parent, true), triples_(triples)
{
}

QString CorrectionsPage::coefficientLabel(bool lines, int phase) const
{
    const quint16 id = static_cast<quint16>(triples_.coefficients + phase);
    if (!lines || triples_.labels == NoLines)
        return BaseParamWidget::textFromId(id);
    return tr(triples_.labels == LinesUvw ? kLinesUvw[phase] : kLinesAbc[phase]);
}

void CorrectionsPage::createForm()
{
    const bool lines = triples_.line != 0 && selector(kVoltageFormat) != 0;
    const quint16 measured = lines ? triples_.line : triples_.phase;
    if (selector(kCalibrationType) != 0) {
        for (int i = 0; i < 3; ++i)
            addEdit(static_cast<quint16>(measured + i));
        for (int i = 0; i < 3; ++i)
            addStatusNum(coefficientLabel(lines, i), static_cast<quint16>(triples_.coefficients + i), false);
    } else {
        for (int i = 0; i < 3; ++i)
            addEdit(coefficientLabel(lines, i), static_cast<quint16>(triples_.coefficients + i));
        for (int i = 0; i < 3; ++i)
            addStatusNum(static_cast<quint16>(measured + i), false);
    }
    const quint16 model = lines ? triples_.modelLine : triples_.modelPhase;
    if (model != 0 && selector(kModelPages) != 0) {
        for (int i = 0; i < 3; ++i)
            addStatusNum(static_cast<quint16>(model + i), false);
    }
}

void CorrectionsPage::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, CorrectionsForm>();
}
