#pragma once

#include <QList>
#include <QString>

#include "ui/basemenu.h"
#include "ui/pairlist.h"

// One row of a drive service screen, as the screen's table gives it.
struct VsdServiceRow {
    enum Kind { Edit, Value, Choice };

    Kind kind;
    quint16 id;
    // The drive's own register after the display name, such as " (187)"; empty for none.
    QString suffix = QString();
    PairList choices = PairList();
    // Shown in place of the display name; empty for the name.
    QString label = QString();
};

// The drive service menu: the service pages of the own drive, or the service settings of a Danfoss or an
// "Эталон" drive on the menu itself, and the reset of the drive's setpoints.
class VsdServiceMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit VsdServiceMenu(QWidget* parent = nullptr);

    // New instances of the service pages for the drive type read now (none but for the own drive).
    static Pages createNextForm();
    // Adds the rows of a service table to `form`; values are shown as numbers, not bits.
    static void addRows(BaseForm* form, const QList<VsdServiceRow>& rows);
    static PairList onOff();

    void returnBackForm() override;

public slots:
    void showResetDefaultDialog();

private:
    static QList<MenuItem> items();
    static QList<VsdServiceRow> danfossRows();
    static QList<VsdServiceRow> etalonRows();
};
