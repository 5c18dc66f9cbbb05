#include "ui/backlight.h"

#include <QFile>
#include <QtDebug>

namespace {

const QString kBacklightDefault = QStringLiteral("/sys/class/backlight/backlight.5/brightness");
const QString kKeyLightDefault = QStringLiteral("/sys/class/leds/hl-key/brightness");
QString backlightPath = kBacklightDefault;
QString keyLightPath = kKeyLightDefault;

bool writeValue(const QString& path, int value)
{
    QFile file(path);
    if (!file.exists()) {
        qDebug() << "Backlight:" << path << "absent, value" << value << "not applied";
        return false;
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning() << "Backlight: cannot write" << path << file.errorString();
        return false;
    }
    return file.write(QByteArray::number(value) + '\n') > 0;
}

} // namespace

bool Backlight::setBacklight(int level)
{
    return writeValue(backlightPath, qMax(0, level));
}

bool Backlight::setKeyLight(bool on)
{
    return writeValue(keyLightPath, on ? 1 : 0);
}

void Backlight::setPaths(const QString& backlight, const QString& keyLight)
{
    backlightPath = backlight;
    keyLightPath = keyLight;
}

void Backlight::resetPaths()
{
    backlightPath = kBacklightDefault;
    keyLightPath = kKeyLightDefault;
}
