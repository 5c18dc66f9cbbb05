#pragma once

#include <initializer_list>

#include "ui/baseform.h"
#include "ui/pairlist.h"

// The base of the protection screens: an action row, the deviation-alarm row while the global switch (1483)
// is on, the protection's own rows, and a button that resets its setpoints to the controller's defaults.
class BaseProtectionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BaseProtectionForm(QWidget* parent = nullptr);

    // The reset button, always the last row; `id` is the command that resets this protection.
    void addButtonResetDefault(unsigned short id);
    quint16 resetId() const { return resetId_; }

    // (key, text) choices from a text renderer, in the order of `keys`.
    template <class Text>
    static PairList choices(Text text, std::initializer_list<int> keys)
    {
        PairList list;
        for (int key : keys)
            list.append(key, text(key));
        return list;
    }
    // Action choices ("Откл", "Блок", "АПВ", "Вкл") of the given codes.
    static PairList protModes(std::initializer_list<int> keys);
    static PairList onOff();
    // Status-button icons of a protection's action, indexed by its code, for the codes 0 to `codes` - 1; a
    // button shows the off icon for a code outside its list.
    static PairList actionIcons(int codes = 4);
    // The deviation-alarm rows are shown.
    static bool isDeviationShown();

public slots:
    void showResetDefaultDialog();

protected:
    // The action row with the choices `modes`, then, when shown and the protection has one (`deviation` not 0),
    // its deviation-alarm row.
    void addActionRows(quint16 action, std::initializer_list<int> modes, quint16 deviation = 0);
    void addEdits(std::initializer_list<quint16> ids);

private:
    quint16 resetId_ = 0;
};
