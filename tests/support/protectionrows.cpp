#include "support/protectionrows.h"

#include <QMap>
#include <QRegularExpression>

#include "protections/baseprotectionform.h"
#include "sim/mcsimresets.h"
#include "texts/common.h"
#include "ui/uiinspect.h"

namespace {

// Row names that the protections share.
QString standardName(const QString& code)
{
    static const QMap<QString, QString> names{
        {"A", "Действие защиты"},      {"D", "Сигнализация отклонения рабочих параметров"},
        {"T", "Уставка останова"},     {"B", "Пусковое время"},
        {"W", "Время"},                {"RS", "Уставка пуска"},
        {"RD", "Задержка АПВ"},        {"RA", "Разрешено АПВ"},
        {"RC", "Сброс счётчиков АПВ"},
    };
    return names.value(code);
}

QString rowText(const QString& kind, int id, const QString& label, const QString& keys)
{
    return QStringLiteral("%1 %2 %3 [%4]").arg(kind).arg(id).arg(label, keys);
}

} // namespace

QStringList ProtectionRows::expand(const QString& pattern)
{
    static const QMap<QChar, QString> kinds{{'a', "combo"},  {'d', "combo"},      {'c', "combo"}, {'e', "edit"},
                                            {'s', "status"}, {'t', "statusText"}, {'n', "string"}};
    QStringList rows;
    for (const QString& token : pattern.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token == QLatin1String("R")) {
            rows << rowText("button", -1, "Сбросить уставки по умолчанию", QString());
            continue;
        }
        const QChar kind = token.at(0);
        const QString rest = token.mid(1);
        if (kind == 'b') {
            rows << rowText("button", -1, rest.section(':', 1).replace('_', ' '), QString());
            continue;
        }
        const int id = rest.section(QRegularExpression("[:/]"), 0, 0).toInt();
        QString name = rest.contains(':') ? rest.section(':', 1).section('/', 0, 0) : QString();
        QString keys = rest.contains('/') ? rest.section('/', 1) : QString();
        if (kind == 'a') {
            name = name.isEmpty() ? QStringLiteral("A") : name;
            keys = keys.isEmpty() ? QStringLiteral("0,1,2") : keys;
        } else if (kind == 'd') {
            name = QStringLiteral("D");
        }
        if ((kind == 'd' || kind == 'c') && !rest.contains('/'))
            keys = QStringLiteral("0,1");
        if (name.startsWith('+'))
            name = Common::getTextFromId(id) + name.mid(1).replace('_', ' ');
        else
            name = name.isEmpty() ? Common::getTextFromId(id) : standardName(name);
        rows << rowText(kinds.value(kind), id, name, keys);
    }
    return rows;
}

QStringList ProtectionRows::shown(const BaseForm* form)
{
    QStringList rows;
    for (const RowInfo& row : UiInspect::rows(form)) {
        QStringList keys;
        for (int key : row.keys)
            keys << QString::number(key);
        rows << rowText(row.kind, row.id, row.label, keys.join(','));
    }
    return rows;
}

QStringList ProtectionRows::notReset(const BaseForm* form)
{
    auto* protection = qobject_cast<const BaseProtectionForm*>(form);
    if (!protection || !protection->resetId())
        return {};
    const QVector<quint16> restored = McSimResets::settingsOf(protection->resetId());
    QStringList ids;
    for (const RowInfo& row : UiInspect::rows(form)) {
        if (row.id >= 0 && row.editable && row.kind != QLatin1String("string")
            && !restored.contains(static_cast<quint16>(row.id)))
            ids << QString::number(row.id);
    }
    return ids;
}
