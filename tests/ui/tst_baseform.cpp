#include <QtTest>

#include <QComboBox>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/basestatuswidget.h"
#include "ui/headerwidget.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"

namespace {

// A page with `rows` read-only rows, in a grid or a plain list, the rows of `hidden` hidden; Back returns to the
// menu.
class PageForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PageForm(int rows = 3, QWidget* parent = nullptr, bool grid = true, QList<int> hidden = {})
        : BaseForm(parent, grid), rows_(rows), hidden_(hidden)
    {
        setObjectName(QStringLiteral("PageForm"));
    }
    void createForm() override
    {
        setTitle(QStringLiteral("Страница"));
        for (int i = 0; i < rows_; ++i) {
            QWidget* row = addStatusNum(QStringLiteral("Строка %1").arg(i), 200, false);
            if (hidden_.contains(i))
                row->hide();
        }
    }
    void returnBackForm() override;

private:
    int rows_;
    QList<int> hidden_;
};

// A long page of choice rows.
class ChoicePageForm : public BaseForm
{
    Q_OBJECT
public:
    ChoicePageForm() : BaseForm(nullptr, true) {}
    void createForm() override
    {
        const PairList choices{{0, QStringLiteral("Откл")}, {1, QStringLiteral("Вкл")}};
        for (int i = 0; i < 40; ++i)
            addComboBox(QStringLiteral("Выбор %1").arg(i), choices, i % 2);
    }
    void returnBackForm() override {}
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
    // Built when shown, as a menu's pages are.
    static Pages createNextForm()
    {
        Pages pages;
        pages.add(PageForm::staticMetaObject, []() -> BaseForm* { return new PageForm(3); });
        pages.add(OtherPageForm::staticMetaObject, []() -> BaseForm* { return new OtherPageForm(5); });
        pages.add(PageForm::staticMetaObject, []() -> BaseForm* { return new PageForm(2); });
        return pages;
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

// Three child-opening buttons but only two child screens.
class ShortMenuForm : public BaseForm
{
    Q_OBJECT
public:
    ShortMenuForm() : BaseForm(nullptr, true) { setObjectName(QStringLiteral("ShortMenuForm")); }
    void createForm() override
    {
        addButton(QStringLiteral("Первая"));
        addButton(QStringLiteral("Вторая"));
        addButton(QStringLiteral("Третья"));
    }
    void setFormsList() override { BaseForm::setFormsList({new PageForm(1), new PageForm(1)}); }
    void returnBackForm() override {}
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

    void buttonWithoutChildOpensNothingAndLeaksNothing()
    {
        auto* menu = new ShortMenuForm;
        ui_->window()->addForm(menu, 0);
        menu->setCurrentRow(2);
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(UiInspect::formClasses(ui_->window()), QStringList{QStringLiteral("ShortMenuForm")});
        QList<QPointer<BaseForm>> first;
        for (BaseForm* f : menu->formsList().instances())
            first.append(f);
        QCOMPARE(first.size(), 2);
        QTest::keyClick(menu, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.at(0).isNull() && first.at(1).isNull());
        // The list in use opens normally.
        menu->setCurrentRow(1);
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(UiInspect::currentIndex(ui_->window()), 1);
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

    void longScreenRowsFollowTheCursor_data()
    {
        QTest::addColumn<bool>("grid");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("row");
        QTest::newRow("grid, up to the last row") << true << int(Qt::Key_Up) << 1 << 59;
        QTest::newRow("list, up to the last row") << false << int(Qt::Key_Up) << 1 << 59;
        QTest::newRow("grid, down a page and a half") << true << int(Qt::Key_Down) << 20 << 20;
        QTest::newRow("list, down a page and a half") << false << int(Qt::Key_Down) << 20 << 20;
        QTest::newRow("grid, no key") << true << 0 << 0 << 0;
    }

    // A long screen opens with its first page and places the rest after it is drawn; a key that moves the cursor
    // on first finds its row in place and in view, and the list ends as if it had been built at once.
    void longScreenRowsFollowTheCursor()
    {
        QFETCH(bool, grid);
        QFETCH(int, key);
        QFETCH(int, presses);
        QFETCH(int, row);
        const QList<int> hidden{3, 45};
        auto* page = new PageForm(60, nullptr, grid, hidden);
        ui_->window()->addForm(page, 0);
        QCOMPARE(page->rowCount(), 60);
        QVERIFY(page->hasUnplacedRows());
        // The rows not placed wait to be polished until they are.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
        QVERIFY(!page->rowAt(59)->testAttribute(Qt::WA_WState_Polished));
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(page, Qt::Key(key));
        QCOMPARE(page->currentRow(), row);
        QVERIFY(inView(page, page->rowAt(row)));
        QTRY_VERIFY(!page->hasUnplacedRows());
        for (int i = 0; i < 60; ++i) {
            QCOMPARE(page->rowAt(i)->parentWidget(), page->widget());
            QCOMPARE(page->rowAt(i)->isHidden(), hidden.contains(i));
        }
        // Laid out one under the other, the hidden ones left out.
        const auto stacked = [page] {
            int bottom = 3;
            for (int i = 0; i < 60; ++i) {
                const QWidget* w = page->rowAt(i);
                if (w->isHidden())
                    continue;
                if (!w->isVisible() || w->y() != bottom + 1 + (i > 0 ? 2 : 0))
                    return false;
                bottom = w->geometry().bottom();
            }
            return true;
        };
        QTRY_VERIFY(stacked());
        QVERIFY(page->rowAt(59)->testAttribute(Qt::WA_WState_Polished));
        QCOMPARE(page->currentRow(), row);
        QVERIFY(inView(page, page->rowAt(row)));
    }

    // A row placed after the first paint looks as one placed with it: its height, its box and the box's choices.
    void rowsPlacedLaterLookAsTheFirst()
    {
        auto* page = new ChoicePageForm;
        ui_->window()->addForm(page, 0);
        QTRY_VERIFY(!page->hasUnplacedRows());
        QTRY_VERIFY(page->rowAt(39)->isVisible());
        const QWidget* first = page->rowAt(0);
        const auto* firstBox = first->findChild<QComboBox*>();
        QVERIFY(firstBox);
        for (int i : {15, 20, 39}) {
            const QWidget* row = page->rowAt(i);
            const auto* box = row->findChild<QComboBox*>();
            QVERIFY(box);
            QCOMPARE(row->size(), first->size());
            QCOMPARE(box->geometry(), firstBox->geometry());
            QCOMPARE(box->font(), firstBox->font());
            QCOMPARE(box->currentText(), i % 2 ? QStringLiteral("Вкл") : QStringLiteral("Откл"));
        }
    }

    // What reads a screen's rows, and a screen replaced before all of its rows are placed, reach every row.
    void rowsNotPlacedYetAreReadAndDetached()
    {
        auto* page = new PageForm(60);
        ui_->window()->addForm(page, 0);
        QVERIFY(page->hasUnplacedRows());
        QPointer<BaseParamWidget> last = qobject_cast<BaseParamWidget*>(page->rowAt(59));
        QCOMPARE(UiInspect::rows(page).last().label, QStringLiteral("Строка 59"));
        QVERIFY(!page->hasUnplacedRows());
        QVERIFY(last->isVisible());

        page = new PageForm(60);
        ui_->window()->addForm(page, 0);
        last = qobject_cast<BaseParamWidget*>(page->rowAt(59));
        ui_->window()->addForm(new PageForm(1), 0);
        QVERIFY(last->isDetached());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(last.isNull());
    }

    // Pages of a list are built when they are first shown; a menu does not free a page the window holds.
    void siblingPagesAreBuiltWhenPagedTo()
    {
        ui_->window()->addForm(MenuForm::createNextForm(), 0, -1);
        const Pages& pages = ui_->window()->pages();
        QVERIFY(pages.built(0)->isVisible());
        QVERIFY(!pages.built(1) && !pages.built(2));
        QCOMPARE(UiInspect::formClasses(ui_->window()), (QStringList{"PageForm", "OtherPageForm", "PageForm"}));
        QTest::keyClick(pages.built(0), Qt::Key_Left);
        QCOMPARE(ui_->window()->currentForm(), pages.built(2));
        QVERIFY(pages.built(2)->isCreated() && pages.built(2)->isVisible());
        QVERIFY(!pages.built(1));

        // Built to be read, not shown yet.
        QPointer<BaseForm> unshown = ui_->window()->forms().at(1);
        QVERIFY(!unshown->isCreated());
        auto* menu = new MenuForm;
        static_cast<BaseForm*>(menu)->setFormsList(pages);
        delete menu;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(unshown);
        QTest::keyClick(pages.built(2), Qt::Key_Left);
        QCOMPARE(ui_->window()->currentForm(), unshown.data());
        QCOMPARE(unshown->rowCount(), 5);
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
    // `w` lies wholly in the screen's view.
    static bool inView(const BaseForm* form, const QWidget* w)
    {
        return w && w->isVisible()
               && form->viewport()->rect().contains(QRect(w->mapTo(form->viewport(), QPoint()), w->size()));
    }

    QScopedPointer<UiFixture> ui_;
};

RVK_TEST_MAIN(TestBaseForm)
#include "tst_baseform.moc"
