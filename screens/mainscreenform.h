#pragma once

#include "ui/baseform.h"

// The first screen after start-up: the condition of the station. Enter opens the main menu.
class MainScreenForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MainScreenForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
    // The main screen has no way back: a new one takes its place.
    void showAgain() override;

    // Title bar colour for the block and restart flag (parameter 633).
    static int headerStateFor(float blockFlag);

public slots:
    void slotParamUpdated(quint16 id);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The rows show values only: Enter on any of them opens the main menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isEnterKey(const QKeyEvent* event);
    void openMainMenu();
};
