#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include "ui/pages.h"

class QLabel;
class QStackedWidget;
class BaseForm;
class HeaderWidget;

// The frameless 640 x 480 window: title bar, the current screen among its siblings, footer.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Replaces the shown list of sibling screens; the screens of the former list that are not in `forms` stop
    // reacting at once and are deleted later, so a screen of that list may call this from its own slot. A page
    // is built when it is first shown.
    void addForm(const Pages& forms, int position, int focus = -1);
    // Current on the first screen of class `className`; a screen rebuilding itself keeps its current row.
    void addForm(const Pages& forms, const QString& className);
    // `form` alone; index -1: focus on the child button at the former screen's position, else row 0.
    void addForm(BaseForm* form, int index);

    // The list shown, the pages not shown yet unbuilt.
    const Pages& pages() const { return pages_; }
    // Every page of the list, built now (to read them all).
    QList<BaseForm*> forms();
    int currentIndex() const { return current_; }
    BaseForm* currentForm() const;
    // Pages to the previous (-1) or next (+1) sibling, wrapping at both ends.
    void showPage(int delta);
    // Builds the screen on show anew, on its row (after a change of language), once: after the caller has returned
    // and no dialog is open.
    void rebuildCurrent();

    QString getTextAiUnit(unsigned short paramId, unsigned short unitId, unsigned short typeId) const;
    void showMessageAdaptation();

    QString textInfo() const;
    void setTextInfo(const QString& text);
    HeaderWidget* header() const { return header_; }

public slots:
    void slotLogCopyStart();
    void slotLogCopyFinish();

private slots:
    void slotFormChanged();

private:
    void makeCurrent(int index, int focus);
    void retire(BaseForm* form);
    // Page `index`, built and held by the window if need be.
    BaseForm* page(int index);
    void hold(BaseForm* form);

    HeaderWidget* header_;
    QStackedWidget* stack_;
    QLabel* footerLabel_;
    Pages pages_;
    int current_ = -1;
    bool rebuildDue_ = false;
};
