#include "equipment/mastermotorform.h"

#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTimer>
#include <QtDebug>

#include "app/parameters.h"
#include "equipment/equipmentmenu.h"
#include "equipment/motor_form.h"
#include "texts/common.h"
#include "ui/basecombobox2.h"
#include "ui/baseparamwidget.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/progressbardialog.h"

namespace {

// Catalogue column of each selection and the parameter whose unit its texts carry (none for the size).
struct LevelDef {
    const char* column;
    quint16 unitId;
};
const LevelDef kLevels[] = {
    {"size", 0},
    {"rpm", 10018},
    {"power", 10015},
    {"voltage", 10016},
};

// What Apply writes: catalogue column, parameter, written only with the Etalon drive (type 3).
struct Written {
    const char* column;
    quint16 id;
    bool etalonOnly;
};
const Written kWritten[] = {
    {"low_lim_speed", 10025, false},
    {"base_frequency", 773, false},
    {"power", 10015, false},
    {"voltage", 10016, false},
    {"current", 10017, false},
    {"cos_phi", 10020, false},
    {"poles", 10024, false},
    {"rpm", 10018, false},
    {"freq", 10019, false},
    {"indunstance", 696, false},
    {"active_resist", 10283, false},
    {"emf", 1051, false},
    {"f_run", 10087, true},
    {"coef_norm_uf", 10468, true},
};

constexpr int kWaitDialogMs = 10000;

} // namespace

MasterMotorForm::MasterMotorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MasterMotorForm"));
    setTitle(tr("Мастер выбора двигателя"));
}

void MasterMotorForm::createForm()
{
    if (const Parameters* p = params()) {
        minPower_ = p->getMin(10015);
        minVoltage_ = p->getMin(10016);
    }
    const QString names[] = {tr("Габарит"), tr("Обороты"), tr("Мощность"), tr("Напряжение")};
    void (MasterMotorForm::*const handlers[])() = {&MasterMotorForm::slotSizeUpdated, &MasterMotorForm::slotRpmUpdated,
                                                   &MasterMotorForm::slotPowerUpdated,
                                                   &MasterMotorForm::slotVoltageUpdated};
    for (int level = Size; level < LevelCount; ++level) {
        selections_[level] = addComboBox(names[level], choices(static_cast<Level>(level)), 0);
        connect(selections_[level], &BaseParamWidget::signalEditingEnd, this, handlers[level]);
    }
    addButton(tr("Применить"), SLOT(slotSetApply()));
    motorList_ = new QLabel(this);
    motorList_->setObjectName(QStringLiteral("motorList_"));
    motorList_->setMinimumHeight(37);
    addWidget(motorList_);
    motorListUpdated();
}

void MasterMotorForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, MotorForm>();
}

MasterMotorForm::Filter MasterMotorForm::filter(int level) const
{
    Filter f;
    for (int above = Size; above < level; ++above) {
        const int key = selections_[above] ? selections_[above]->key() : 0;
        if (key == 0)
            continue;
        f.sql += QStringLiteral(" AND %1==?").arg(QLatin1String(kLevels[above].column));
        f.values << key;
    }
    return f;
}

bool MasterMotorForm::query(QSqlQuery* q, const QString& select, const Filter& f, const QString& tail) const
{
    const QString text =
        QStringLiteral("%1 FROM motors_etalon WHERE power>=? AND voltage>=?%2%3").arg(select, f.sql, tail);
    bool ok = q->prepare(text);
    if (ok) {
        q->addBindValue(static_cast<double>(minPower_));
        q->addBindValue(static_cast<double>(minVoltage_));
        for (const QVariant& v : f.values)
            q->addBindValue(v);
        ok = q->exec();
    }
    // A failed query lists nothing; Apply then finds no motor.
    if (!ok)
        qWarning() << "MasterMotorForm:" << text << q->lastError().text();
    return ok;
}

PairList MasterMotorForm::choices(Level level) const
{
    PairList list;
    list.append(0, tr("Не выбрано"));
    const QString column = QLatin1String(kLevels[level].column);
    QSqlQuery q;
    if (!query(&q, QStringLiteral("SELECT DISTINCT %1").arg(column), filter(level),
               QStringLiteral(" ORDER BY %1").arg(column)))
        return list;
    while (q.next())
        list.append(q.value(0).toInt(), choiceText(level, q.value(0)));
    return list;
}

QString MasterMotorForm::choiceText(Level level, const QVariant& value) const
{
    if (level == Size)
        return value.toInt() == 1 ? QStringLiteral("X") : QString::number(value.toDouble(), 'g', 15);
    // In the display unit of the parameter the value is written to (kW for the power as a rule).
    const quint16 id = kLevels[level].unitId;
    const Parameters* p = params();
    const ParameterDef* def = p ? p->getParameter(id) : nullptr;
    if (!def)
        return QString::number(value.toDouble(), 'g', 15);
    unTypeData shown;
    shown.f = p->convertFrom(value.toFloat(), def, false, true);
    return Common::getTextValue(shown, def, true, true) + QLatin1Char(' ') + unitText(id);
}

void MasterMotorForm::cascadeFrom(Level level)
{
    for (int below = level + 1; below < LevelCount; ++below) {
        BaseComboBox2* row = selections_[below];
        const PairList list = choices(static_cast<Level>(below));
        // One catalogue value is chosen at once; otherwise the choice stays while it still exists.
        int key = list.size() == 2 ? list.key(1) : row->key();
        if (list.indexOfKey(key) < 0)
            key = 0;
        row->setValuesList(list, key);
    }
    motorListUpdated();
}

void MasterMotorForm::slotSizeUpdated()
{
    cascadeFrom(Size);
}

void MasterMotorForm::slotRpmUpdated()
{
    cascadeFrom(Rpm);
}

void MasterMotorForm::slotPowerUpdated()
{
    cascadeFrom(Power);
}

void MasterMotorForm::slotVoltageUpdated()
{
    cascadeFrom(Voltage);
}

void MasterMotorForm::motorListUpdated()
{
    count_ = 0;
    id_ = -1;
    QStringList names;
    QSqlQuery q;
    if (query(&q, QStringLiteral("SELECT id, name"), filter(LevelCount), QStringLiteral(" ORDER BY id"))) {
        while (q.next()) {
            ++count_;
            id_ = q.value(0).toInt();
            names << q.value(1).toString();
        }
    }
    if (motorList_)
        motorList_->setText(names.isEmpty() ? tr("Нет данных") : names.join(QLatin1Char('\n')));
}

bool MasterMotorForm::readMotor(QList<QPair<quint16, float>>* writes)
{
    const bool etalon = selector(685) == 3;
    QStringList columns;
    for (const Written& w : kWritten)
        columns << QLatin1String(w.column);
    QSqlQuery q;
    q.prepare(QStringLiteral("SELECT %1 FROM motors_etalon WHERE id==?").arg(columns.join(QLatin1Char(','))));
    q.addBindValue(id_);
    if (!q.exec() || !q.next()) {
        qWarning() << "MasterMotorForm: motor" << id_ << "not read" << q.lastError().text();
        MessageDialog::showOnce(tr("Внимание!\n") + tr("Нет двигателя с заданными параметрами"),
                                MessageDialog::Information, mainWindow());
        return false;
    }
    // Every value is checked before the first write, so that a motor is applied whole or not at all.
    const Parameters* p = params();
    QStringList refused;
    for (int i = 0; i < columns.size(); ++i) {
        const Written& w = kWritten[i];
        if (w.etalonOnly && !etalon)
            continue;
        const QVariant cell = q.value(i);
        const ParameterDef* def = p ? p->getParameter(w.id) : nullptr;
        const double v = cell.toDouble();
        if (cell.isNull() || !def || !Common::checkRange(v, def->min, def->max, def->discret))
            refused << Common::getTextFromId(w.id);
        else
            writes->append({w.id, static_cast<float>(v)});
    }
    if (!refused.isEmpty()) {
        MessageDialog::showOnce(tr("Внимание!\nЗначения двигателя вне допустимых пределов:") + QLatin1Char('\n')
                                    + refused.join(QLatin1Char('\n')),
                                MessageDialog::Information, mainWindow());
        writes->clear();
        return false;
    }
    return true;
}

void MasterMotorForm::slotSetApply()
{
    if (count_ != 1) {
        MessageDialog::showOnce(tr("Внимание!\n") + (count_ == 0 ? tr("Нет двигателя с заданными параметрами")
                                                                 : tr("Заданным параметрам соответствует несколько двигателей")),
                                MessageDialog::Information, mainWindow());
        return;
    }
    if (Common::toInt(value(13)) != 0) {
        MessageDialog::showOnce(tr("Для применения параметров остановите двигатель!"), MessageDialog::Information,
                                mainWindow());
        return;
    }
    // The rated data of the motor are protected settings.
    if (!isAccess(10015, 0))
        return;
    QList<QPair<quint16, float>> writes;
    Parameters* p = params();
    if (!p || !readMotor(&writes))
        return;

    auto* wait = new ProgressBarDialog(tr("Запись параметров двигателя..."), mainWindow(), 0, true);
    wait->show();
    QTimer::singleShot(kWaitDialogMs, wait, &QObject::deleteLater);
    for (const auto& w : writes)
        p->set(w.first, w.second, 2);
    returnBackForm();
}
