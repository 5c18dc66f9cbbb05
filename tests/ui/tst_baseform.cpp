#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/headerwidget.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"

namespace {

// A page with `rows` read-only rows; Back returns to the menu.
class PageForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PageForm(int rows = 3, QWidget* parent = nullptr) : BaseForm(parent, true), rows_(rows)
    {
        setObjectName(QStringLiteral("PageForm"));
    }
    void createForm() override
    {
        setTitle(QStringLiteral("Страница"));
        for (int i = 0; i < rows_; ++i)
            addStatusNum(QStringLiteral("Строка %1").arg(i), 200, false);
    }
    void returnBackForm() override;

private:
    int rows_;
};

class OtherPageForm : public PageForm
{
    Q_OBJECT
public:
    using PageForm::PageForm;
};

// A menu: a command button, then three child-opening buttons, then an edit row.
class MenuForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MenuForm(QWidget* parent = nullptr) : BaseForm(parent, true)
    {
        setObjectName(QStringLiteral("MenuForm"));
    }
    static QList<BaseForm*> createNextForm()
    {
        return {new PageForm(3), new OtherPageForm(5), new PageForm(2)};
    }
    void createForm() override
    {
        setTitle(QStringLiteral("Меню"));
        addButton(QStringLiteral("Команда"), SLOT(slotCommand()));
        addButton(QStringLiteral("Первая"));
        addButton(QStringLiteral("Вторая"));
        addButton(QStringLiteral("Третья"));
        addEdit(QStringLiteral("Уставка"), 200);
    }
    void setFormsList() override { BaseForm::setFormsList(createNextForm()); }
    void returnBackForm() override { ++backs; }

    int commands = 0;
    int backs = 0;

public slots:
    void slotCommand() { ++commands; }
};

void PageForm::returnBackForm()
{
    mainWindow()->addForm(new MenuForm(nullptr), -1);
}

// Rebuilds itself (a new list of two) from its own handler of parameter 201.
class RebuildForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RebuildForm(int rows, QWidget* parent = nullptr) : BaseForm(parent, true), rows_(rows)
    {
        setObjectName(QStringLiteral("RebuildForm"));
        connect(MainApplication::getInstance()->params(), &Parameters::signalParamUpdated, this,
                &RebuildForm::slotParamUpdated);
    }
    void createForm() override
    {
        for (int i = 0; i < rows_; ++i)
            addEdit(QStringLiteral("Уставка %1").arg(i), 200);
    }
    void returnBackForm() override {}
    static int rebuilds;
    static int nextRows;

public slots:
    void slotParamUpdated(quint16 id)
    {
        if (id != 201)
            return;
        ++rebuilds;
        mainWindow()->addForm(QList<BaseForm*>{new RebuildForm(nextRows), new PageForm(1)},
                              QStringLiteral("RebuildForm"));
        // Still inside the old screen's slot: its members must still be usable here.
        rows_ = -1;
    }

private:
    int rows_;
};
int RebuildForm::rebuilds = 0;
int RebuildForm::nextRows = 0;

} // namespace

class TestBaseForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui_.reset(new UiFixture);
        ui_->addParameter(200, 5.0f, 0.0f, 100.0f);
        ui_->addParameter(201, 0.0f);
    }
    void cleanup() { ui_.reset(); }

    void upAndDownWrapAtBothEnds()
    {
        auto* menu = new MenuForm;
        ui_->window()->addForm(menu, 0);
        QCOMPARE(menu->rowCount(), 5);
        QCOMPARE(menu->currentRow(), 0);
        QTest::keyClick(menu, Qt::Key_Up);
        QCOMPARE(menu->currentRow(), 4);
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->currentRow(), 0);
        QTest::keyClick(menu, Qt::Key_F8);
        QTest::keyClick(menu, Qt::Key_F8);
        QCOMPARE(menu->currentRow(), 2);
        QTest::keyClick(menu, Qt::Key_F6);
        QCOMPARE(menu->currentRow(), 1);
        // The current row carries the selected style state, the one left does not.
        QCOMPARE(menu->rowAt(1)->property("state").toInt(), 1);
        QCOMPARE(menu->rowAt(2)->property("state").toInt(), 0);
        // A key on the focused row reaches the screen too.
        QTest::keyClick(menu->rowAt(1), Qt::Key_Down);
        QCOMPARE(menu->currentRow(), 2);
    }

    void titleFooterAndPageIndicator()
    {
        auto* menu = new MenuForm;
        ui_->window()->addForm(menu, 0);
        QCOMPARE(ui_->window()->header()->title(), QStringLiteral("МЕНЮ"));
        QCOMPARE(ui_->window()->textInfo(), QStringLiteral("Для перемещения используйте стрелки"));
        QVERIFY(!ui_->window()->header()->isPageIndicatorShown());
        ui_->window()->addForm(MenuForm::createNextForm(), 1, -1);
        QVERIFY(ui_->window()->header()->isPageIndicatorShown());
        QCOMPARE(ui_->window()->header()->title(), QStringLiteral("СТРАНИЦА"));
        ui_->window()->setTextInfo(QStringLiteral("подсказка"));
        QCOMPARE(ui_->window()->textInfo(), QStringLiteral("подсказка"));

        QVERIFY(ui_->window()->header()->isLogoShown());
        QFile marker(QCoreApplication::applicationDirPath() + QStringLiteral("/logo.no"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        HeaderWidget plain;
        marker.remove();
        QVERIFY(!plain.isLogoShown());
    }

    void commandButtonCallsItsSlotAndOpensNothing()
    {
        auto* menu = new MenuForm;
        ui_->window()->addForm(menu, 0);
        QCOMPARE(menu->currentRow(), 0);
        QTest::keyClick(menu, Qt::Key_Return);
        QTest::keyClick(menu->rowAt(0), Qt::Key_F4);
        QCOMPARE(menu->commands, 2);
        QCOMPARE(UiInspect::formClasses(ui_->window()), QStringList{QStringLiteral("MenuForm")});
        // A click is a press and release at one place.
        auto* button = qobject_cast<PushButton*>(menu->rowAt(0));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(menu->commands, 3);
    }

    void childButtonOpensChildAtItsPositionAndPaging()
    {
        auto* menu = new MenuForm;
        ui_->window()->addForm(menu, 0);
        QPointer<MenuForm> guard(menu);
        menu->setCurrentRow(2);  // the second child-opening button
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(UiInspect::formClasses(ui_->window()),
                 (QStringList{QStringLiteral("PageForm"), QStringLiteral("OtherPageForm"), QStringLiteral("PageForm")}));
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 1);
        QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("OtherPageForm"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());

        BaseForm* page = ui_->window()->currentForm();
        QTest::keyClick(page, Qt::Key_Right);
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 2);
        QTest::keyClick(ui_->window()->currentForm(), Qt::Key_F7);
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 0);
        QTest::keyClick(ui_->window()->currentForm(), Qt::Key_Left);
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 2);
        QTest::keyClick(ui_->window()->currentForm(), Qt::Key_F5);
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 1);
        // Paging builds each page once, on its first showing.
        for (BaseForm* f : ui_->window()->forms())
            QVERIFY(f->isCreated());
    }

    void backFromKthChildLandsOnKthButton()
    {
        for (int k = 0; k < 3; ++k) {
            ui_->window()->addForm(MenuForm::createNextForm(), k, -1);
            QTest::keyClick(ui_->window()->currentForm(), Qt::Key_Escape);
            QCOMPARE(UiInspect::formClasses(ui_->window()), QStringList{QStringLiteral("MenuForm")});
            // Row 0 is the command button, so child button k is row k + 1.
            QCOMPARE(UiInspect::focusedRow(ui_->window()), k + 1);
        }
        // Shown alone with any index other than -1 the menu starts on row 0.
        ui_->window()->addForm(MenuForm::createNextForm(), 2, -1);
        ui_->window()->addForm(new MenuForm, 0);
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 0);
    }

    void createFormFocusOutOfRangeGivesRowZero()
    {
        MenuForm menu;
        BaseForm& base = menu;
        base.createForm(7);
        QCOMPARE(base.currentRow(), 0);
        base.createForm(2);
        QCOMPARE(base.currentRow(), 3);
        base.createForm(-1);
        QCOMPARE(base.currentRow(), 0);
        QCOMPARE(base.rowCount(), 5);  // built once
    }

    void addFormByClassName()
    {
        // From a screen of another class: the focus is the former screen's position among its siblings.
        ui_->window()->addForm(MenuForm::createNextForm(), 2, -1);
        QList<BaseForm*> list{new PageForm(1), new MenuForm};
        ui_->window()->addForm(list, QStringLiteral("MenuForm"));
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 1);
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 3);
        // No screen of that class: the first one.
        ui_->window()->addForm(MenuForm::createNextForm(), QStringLiteral("Missing"));
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 0);
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 0);
    }

    void sameClassRebuildKeepsRow()
    {
        ui_->window()->addForm(QList<BaseForm*>{new OtherPageForm(5)}, 0, -1);
        ui_->window()->currentForm()->setCurrentRow(3);
        ui_->window()->addForm(QList<BaseForm*>{new PageForm(1), new OtherPageForm(5)}, QStringLiteral("OtherPageForm"));
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 1);
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 3);
        // A shorter new screen starts on row 0.
        ui_->window()->addForm(QList<BaseForm*>{new OtherPageForm(2)}, QStringLiteral("OtherPageForm"));
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 0);
    }

    void rebuildFromOwnSlotIsClean()
    {
        RebuildForm::rebuilds = 0;
        RebuildForm::nextRows = 4;
        ui_->window()->addForm(QList<BaseForm*>{new RebuildForm(4), new PageForm(1)}, 0, -1);
        ui_->window()->currentForm()->setCurrentRow(2);
        QPointer<BaseForm> old = ui_->window()->currentForm();
        // Two reports in one burst: only the shown screen rebuilds, once per report, and the old one stops at once.
        ui_->report(201, 1.0f);
        QCOMPARE(RebuildForm::rebuilds, 1);
        QVERIFY(old);
        QVERIFY(old->isDetached());
        ui_->report(201, 2.0f);
        QCOMPARE(RebuildForm::rebuilds, 2);
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(UiInspect::formClasses(ui_->window()),
                 (QStringList{QStringLiteral("RebuildForm"), QStringLiteral("PageForm")}));
        // A shorter rebuild falls back to row 0.
        RebuildForm::nextRows = 1;
        ui_->report(201, 3.0f);
        QCOMPARE(UiInspect::focusedRow(ui_->window()), 0);
    }

    void signalShowFormAtEachShowing()
    {
        ui_->window()->addForm(MenuForm::createNextForm(), 0, -1);
        BaseForm* second = ui_->window()->forms().at(1);
        QSignalSpy spy(second, &BaseForm::signalShowForm);
        ui_->window()->showPage(1);
        QTRY_COMPARE(spy.count(), 1);
        ui_->window()->showPage(1);
        ui_->window()->showPage(-1);
        QTRY_COMPARE(spy.count(), 2);
    }

    void headerStateFollowsCurrentScreen()
    {
        auto* menu = new MenuForm;
        ui_->window()->addForm(menu, 0);
        QCOMPARE(ui_->window()->header()->state(), int(HeaderWidget::Normal));
        menu->setHeaderState(HeaderWidget::Block);
        QCOMPARE(ui_->window()->header()->state(), int(HeaderWidget::Block));
        ui_->window()->addForm(new PageForm, 0);
        QCOMPARE(ui_->window()->header()->state(), int(HeaderWidget::Normal));
    }

private:
    QScopedPointer<UiFixture> ui_;
};

RVK_TEST_MAIN(TestBaseForm)
#include "tst_baseform.moc"
