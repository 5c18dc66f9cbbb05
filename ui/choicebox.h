#pragma once

#include <QComboBox>

// The selection box of a choice row. A QComboBox answers every font change by building its popup list (a frame,
// a list view, scroll bars) to hand it the font, and the style sheet changes the font of every widget it polishes:
// each choice row on a screen would build a list nobody opens; a new style (the row moved into its list) likewise
// builds the list to hand it a delegate. Until the box has been measured and while it has no list, such a change
// has nothing to renew, and this box lets it pass; the list is built, for the style then in force, when opened.
class ChoiceBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool hasList() const;

    mutable bool measured_ = false;
};
