#pragma once

#include <QWidget>

class QLabel;
class QTimer;
class Parameters;
struct ParameterDef;

// The base of every row bound to one parameter: name label, style state and the delayed refresh.
class BaseParamWidget : public QWidget
{
    Q_OBJECT
public:
    // Values of the style property "state".
    enum State { StateNormal = 0, StateSelected = 1, StateEditing = 2, StateWarning = 3, StateWarningSelected = 4 };

    // A row of parameter `id`; `bound` false makes a free row that follows no parameter.
    BaseParamWidget(quint16 id, const QString& name, QWidget* parent = nullptr, bool bound = true);
    ~BaseParamWidget() override;

    quint16 id() const { return id_; }
    bool isBound() const { return bound_; }
    QString name() const;
    void setName(const QString& name);

    int state() const;
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    bool isWarning() const { return warning_; }
    void setWarning(bool warning);
    bool isEditing() const { return editing_; }

    // True when Return on the row can change something.
    virtual bool isEditable() const { return false; }
    // Return, Enter or F4 on the row.
    virtual void enter() {}

    // Delay of the refresh after an update of the parameter, fixed when the row is created.
    int refreshDelayMs() const;
    bool isRefreshPending() const;

    // Stops following the mirror at once (the screen is being replaced): a dialog opened from the row that is
    // answered afterwards writes nothing.
    void detach();
    bool isDetached() const { return detached_; }

    // Sets the style property "state" on `w` and its labels and re-polishes them.
    static void applyStateProperty(QWidget* w, int state);

    // The parameter mirror the rows show, null before it exists.
    static Parameters* params();

    // The value as the row shows it; empty for rows that show none.
    virtual QString valueText() const { return QString(); }

    // Display name of a parameter from the catalogue.
    static QString textFromId(quint16 id);
    // `value` (already in display units) formatted with the parameter's display mask.
    static QString formatValue(float value, const ParameterDef* def);

public slots:
    // Reads the mirror and shows the value.
    virtual void refresh() = 0;

signals:
    void signalEditingEnd(bool accepted = true);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    void setEditing(bool editing);
    // Station::isAccess for this row's parameter, with the row as the parent of its dialogs; false when the row
    // was detached while the password was asked.
    bool isAccess(int mode = 0, const QString& prompt = QString());
    ParameterDef* def() const;
    // Called without delay on every update of the parameter (before the delayed refresh).
    virtual void paramUpdatedNow() {}
    // Follows the updates of a further parameter as well.
    void watchId(quint16 id);

    QLabel* nameLabel_;

private slots:
    void slotParamUpdated(quint16 id);

private:
    void updateState();

    quint16 id_;
    quint16 extraId_ = 0;
    bool bound_;
    bool detached_ = false;
    int random_;
    QTimer* refreshTimer_ = nullptr;
    bool selected_ = false;
    bool warning_ = false;
    bool editing_ = false;
    int appliedState_ = -1;
};
