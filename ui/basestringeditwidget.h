#pragma once

#include "ui/baseparamwidget.h"

// Text row over two 32-bit parameters holding up to 8 single-byte characters, edited with the on-screen keyboard.
class BaseStringEditWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseStringEditWidget(quint16 firstId, quint16 secondId, const QString& name, QWidget* parent = nullptr);

    bool isEditable() const override { return true; }
    void enter() override;

    quint16 secondId() const { return secondId_; }
    QString valueText() const override;

    // The two raw values for `text` (printable ASCII, zero-filled to 8 bytes, little-endian); false when it does
    // not fit.
    static bool encode(const QString& text, quint32* first, quint32* second);
    static QString decode(quint32 first, quint32 second);

public slots:
    void refresh() override;

private:
    quint16 secondId_;
    QLabel* valueLabel_;
};
