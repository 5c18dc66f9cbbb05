#pragma once

#include <QComboBox>

// The selection box of a choice row. A QComboBox builds its whole popup list (a frame, a list view, scroll bars)
// at every font change, and the style sheet changes the font of every widget it polishes: this box is polished
// when it is made, with that first change kept from the list, so the list is built only when it is opened.
class ChoiceBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    bool polishing_ = false;
};
