#include "ui/statuspushbutton.h"

#include <QPixmapCache>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"

StatusPushButton::StatusPushButton(int index, quint16 id, const QString& text, const PairList& icons, Parameters* params,
                                   QWidget* parent)
    : PushButton(index, text, QPixmap(), parent), id_(id), params_(params), icons_(icons)
{
    setObjectName(QStringLiteral("StatusPushButton_%1").arg(id));
    setIconSize(QSize(32, 32));
    if (params_)
        connect(params_, &Parameters::signalParamUpdated, this, &StatusPushButton::slotParamUpdated);
    refresh();
}

void StatusPushButton::slotParamUpdated(quint16 id)
{
    if (id == id_)
        refresh();
}

void StatusPushButton::refresh()
{
    if (!params_ || icons_.isEmpty())
        return;
    const int value = Common::toInt(params_->get(id_));
    // A value without an entry shows the first icon rather than reading past the list.
    int index = (value >= 0 && value < icons_.size()) ? value : 0;
    if (index != value)
        qDebug() << "StatusPushButton: no icon for value" << value << "of parameter" << id_;
    const QString path = icons_.value(index);
    if (path == iconPath_)
        return;
    iconPath_ = path;
    // One pixmap per picture: an icon of a pixmap loaded anew would cache its scaled copies anew, and every
    // menu built would fill the pixmap cache with the same pictures.
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path);
        QPixmapCache::insert(path, pixmap);
    }
    setIcon(QIcon(pixmap));
}
