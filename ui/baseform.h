#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QScrollArea>
#include <QVector>

#include <functional>

#include "ui/pages.h"
#include "ui/pairlist.h"

class QGridLayout;
class RowListLayout;
class QLayout;
class MainWindow;
class PushButton;
class StatusPushButton;
class BaseEditWidget;
class BaseComboBox;
class BaseComboBox2;
class BaseStatusWidget;
class BaseStatusTextWidget;
class BaseStringEditWidget;
class LogEvent;
class Parameters;

// The base of every screen: a scrollable list of rows with key navigation.
// A screen that overrides setFormsList() stores its list with BaseForm::setFormsList(list).
class BaseForm : public QScrollArea
{
    Q_OBJECT
public:
    BaseForm(QWidget* parent, bool grid);
    ~BaseForm() override;

    // Builds the rows once (the first time the screen is made current), then puts the current row on the
    // focus-th child-opening button, or on row 0 when focus is -1 or there is no such button.
    void createForm(int focus);
    bool isCreated() const { return created_; }

    void setTitle(const QString& title);
    QString title() const { return title_; }
    // Footer text while the screen is current.
    QString textInfo() const { return textInfo_; }
    void setTextInfo(const QString& text);
    // HeaderWidget::HeaderState of the title bar while the screen is current.
    int headerState() const { return headerState_; }
    void setHeaderState(int state);

    void setFormsList(const Pages& forms);
    // The main window holds this screen in the list it shows (and deletes it): a menu that made it leaves it.
    void setHeldByWindow() { heldByWindow_ = true; }
    Pages formsList() const { return forms_; }

    // Row builders: each appends one row at the bottom and returns it.
    PushButton* addButton(const QString& text, const QPixmap& icon = QPixmap());
    PushButton* addButton(const QString& text, const char* slot, const QPixmap& icon = QPixmap());
    StatusPushButton* addStatusButton(unsigned short id, const QString& text, const PairList& icons);
    BaseEditWidget* addEdit(unsigned short id);
    BaseEditWidget* addEdit(const QString& name, unsigned short id);
    BaseComboBox* addComboBox(unsigned short id, const PairList& choices);
    BaseComboBox* addComboBox(const QString& name, unsigned short id, const PairList& choices);
    BaseComboBox2* addComboBox(const QString& name, const PairList& choices, int value);
    BaseStatusWidget* addStatusNum(unsigned short id, bool bits = false);
    BaseStatusWidget* addStatusNum(const QString& name, unsigned short id, bool bits = false);
    BaseStatusTextWidget* addStatusText(unsigned short id, const PairList& texts);
    BaseStringEditWidget* addStringEdit(unsigned short firstId, unsigned short secondId);
    // Any widget as a navigable row; the screen takes ownership.
    void addWidget(QWidget* w);

    // Rows, numbered from 0 in the order of addition. The rows a screen builds are placed in its list a page at a
    // time: the page that opens first at once, the rest after the first paint and before the cursor reaches them.
    int rowCount() const { return rows_.size(); }
    // Places every row in the list now (to read what each shows).
    void placeAllRows();
    bool hasUnplacedRows() const { return placed_ < rows_.size(); }
    QWidget* rowAt(int row) const;
    int rowOf(const QWidget* w) const { return rows_.indexOf(const_cast<QWidget*>(w)); }
    int currentRow() const { return currentRow_; }
    QWidget* currentWidget() const { return rowAt(currentRow_); }
    void setCurrentRow(int row);
    // Child-opening buttons: their rows in the order of addition.
    int childButtonCount() const { return childButtons_.size(); }
    int childButtonPosition(int row) const;

    // Stops the screen and its rows reacting to the mirror at once (the screen is being replaced).
    void detach();
    bool isDetached() const { return detached_; }

    // What screens reach of the application: the main window they are shown in, the parameter mirror, the
    // event store, and the access check before a write.
    static MainWindow* mainWindow();
    static Parameters* params();
    static LogEvent* logEvent();
    // The mirrored value of `id`, 0 when there is no mirror.
    static float value(quint16 id);
    // The value of a parameter that chooses rows or items: truncated toward zero (negatives and NaN read 0), its
    // low 16 bits.
    static quint16 selector(quint16 id);
    // Station::isDidezorGroupCompany.
    static bool isDidezorGroupCompany();
    // The mirror's raw values for the texts (a Common::CellReader); empty when there is no mirror.
    static std::function<quint32(quint16)> cellReader();
    // Station::isAccess with this screen as the parent of its dialogs; false when the screen was replaced while
    // the password was asked.
    bool isAccess(int id, int mode, const QString& prompt = QString());
    // The unit text of parameter `id` in its display unit; empty for an unknown id.
    static QString unitText(quint16 id);
    // Writes command `id` = `value` as the operator: after the access check of `id` when `guarded`, and after
    // "Да" to `question` when one is given (asked over the main window). True when the command was written; a screen
    // replaced meanwhile writes nothing.
    bool sendCommand(quint16 id, float value, bool guarded, const QString& question = QString());

    // Shows `forms` current on the screen of class `current` (MainWindow::addForm by class name).
    static void showForms(const Pages& forms, const QMetaObject& current);
    // Shows the pages of menu `Menu`, current on the page of class `Page`: the way back to the parent `Page`,
    // or `Page` rebuilding itself.
    template <class Menu, class Page>
    static void showMenuPage()
    {
        showForms(Menu::createNextForm(), Page::staticMetaObject);
    }

    // A screen whose rows depend on values: when one of `ids` reports a new value (not a limit or a unit code),
    // the screen is built anew among `siblings` (its menu's page list). Only the screen on show rebuilds, once per
    // burst of updates and on the row it was on; a screen not on show is marked stale and rebuilds, on its first
    // row, when it is shown again. Call it from createForm().
    using PageList = Pages (*)();
    void rebuildOnUpdate(const QVector<quint16>& ids, PageList siblings);
    // The same rebuild for a trigger of the screen's own; needs the siblings given to rebuildOnUpdate (ids may be
    // empty). A rebuild due while a dialog is open waits until it has closed.
    void requestRebuild();
    bool isStale() const { return stale_; }
    // A rebuild is due and waits for an open dialog to close.
    bool isRebuildHeld() const { return rebuildHeld_; }
    // Calls `slot` with the id when one of `ids` reports a value other than the one last seen: limits, unit codes
    // and a value reported again are no change. Call it from createForm().
    void onValueChange(const QVector<quint16>& ids, std::function<void(quint16)> slot);
    // The main window rebuilds a stale screen instead of showing it.
    void rebuildStale();
    // Shows a new instance of this screen, on show, in its place and on its row (after a change of language): a
    // self-rebuilding screen rebuilds, any other goes back to its parent and opens itself again from there.
    virtual void showAgain();

signals:
    // 1 ms after each showing.
    void signalShowForm();
    void signalTitleChanged();
    void signalTextInfoChanged();
    void signalHeaderStateChanged();

public slots:
    virtual void createForm() = 0;
    virtual void setFormsList();
    virtual void returnBackForm() = 0;
    void showNextForm(int row);
    // Moves the current row on to the next row.
    void autoMoveNextParam();
    // F11.
    virtual void functionKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Return, Enter or F4 on `row`.
    void enterRow(int row);
    // For a screen with no way back (showAgain()): shows `form` alone in place of this screen, on show, and on
    // this screen's row.
    void replaceWith(BaseForm* form);
    QLayout* rowLayout() const;

private:
    // The parent of a new row: aside while the screen builds or rows wait to be placed.
    QWidget* rowParent();
    void appendRow(QWidget* w);
    // Places the rows before `end` in the list; the geometry follows at once when the screen is on show.
    void placeRows(int end);
    // Places the next rows and asks for the rest later.
    void placeMoreRows();
    // The end of the page that starts at row `from`: a screenful of rows not hidden.
    int pageEnd(int from) const;
    void markCurrent(int row, bool current);
    // Deletes the child screens of the stored list that were never shown.
    void dropUnshownForms(const Pages& keep);

    void runPendingRebuild();
    void rebuild(bool keepRow);

    bool grid_;
    QWidget* container_;
    // Rows from placed_ on are built but not placed yet: they wait aside, in no window, so nothing polishes or
    // lays them out.
    QWidget* aside_ = nullptr;
    int placed_ = 0;
    bool building_ = false;
    bool placingPosted_ = false;
    QGridLayout* gridLayout_ = nullptr;
    RowListLayout* boxLayout_ = nullptr;
    QList<QWidget*> rows_;
    QList<QWidget*> childButtons_;
    Pages forms_;
    int currentRow_ = -1;
    bool created_ = false;
    bool heldByWindow_ = false;
    bool detached_ = false;
    QString title_;
    QString textInfo_;
    int headerState_ = 0;
    QVector<quint16> rebuildIds_;
    PageList rebuildSiblings_ = nullptr;
    bool rebuildPending_ = false;
    bool rebuildHeld_ = false;
    bool stale_ = false;
};
