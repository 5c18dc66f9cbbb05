#pragma once

#include "ui/baseform.h"

// Drive settings: control type, direction, frequencies, ramps, braking and the PWM of the drive fitted.
class VsdOptionsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdOptionsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

    // The PWM frequency codes of a Danfoss drive that fit the station's rated current.
    static PairList switchingFreqCodes(int ratedCurrent);

public slots:
    void slotParamUpdated(quint16 id, quint8 cmd = 0);
};
