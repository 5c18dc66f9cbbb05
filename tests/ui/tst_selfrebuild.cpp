// Screens whose rows follow a value rebuild themselves only while on show, once per burst, and messages shown
// "each time" never stack.
#include <QtTest>

#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/uiclock.h"

namespace {

int built = 0;

// Rows depend on parameter 100: as many rows as its value, at least two.
class WatchingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit WatchingForm(QWidget* parent = nullptr) : BaseForm(parent, true)
    {
        setObjectName(QStringLiteral("WatchingForm"));
    }
    static Pages siblings();
    void createForm() override
    {
        ++built;
        setTitle(QStringLiteral("Следит"));
        const int rows = qMax(2, static_cast<int>(Common::toCode(value(100))));
        for (int i = 0; i < rows; ++i)
            addStatusNum(QStringLiteral("Строка %1").arg(i), 101, false);
        rebuildOnUpdate({100}, &WatchingForm::siblings);
    }
    void returnBackForm() override {}
};

class NeighbourForm : public BaseForm
{
    Q_OBJECT
public:
    explicit NeighbourForm(QWidget* parent = nullptr) : BaseForm(parent, true)
    {
        setObjectName(QStringLiteral("NeighbourForm"));
    }
    void createForm() override
    {
        setTitle(QStringLiteral("Соседний"));
        addStatusNum(101);
    }
    void returnBackForm() override {}
};

Pages WatchingForm::siblings()
{
    return {new WatchingForm(nullptr), new NeighbourForm(nullptr)};
}

} // namespace

class TestSelfRebuild : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui_.reset(new UiFixture);
        ui_->addParameter(100, 4.0f);
        ui_->addParameter(101, 1.0f);
        UiClock::setRebuildDelayMs(20);
        built = 0;
        ui_->window()->addForm(WatchingForm::siblings(), 0, -1);
    }
    void cleanup()
    {
        ui_.reset();
        UiClock::reset();
    }

    void burstRebuildsOnceKeepingRow()
    {
        MainWindow* w = ui_->window();
        QCOMPARE(built, 1);
        w->currentForm()->setCurrentRow(2);
        for (int v : {5, 6, 7})
            ui_->report(100, static_cast<float>(v));
        QTRY_COMPARE(built, 2);
        ui_->settle(60);
        QCOMPARE(built, 2);
        QCOMPARE(UiInspect::currentClass(w), QStringLiteral("WatchingForm"));
        QCOMPARE(w->currentForm()->rowCount(), 7);
        QCOMPARE(w->currentForm()->currentRow(), 2);
    }

    void limitsAndOtherIdsDoNotRebuild()
    {
        Parameters* p = ui_->params();
        p->slotParamUpdated(100, Common::floatBits(50.0f), 7);
        p->slotParamUpdated(100, Common::floatBits(60.0f), 8);
        p->slotParamUpdated(100, 3, 15);
        ui_->report(101, 9.0f);
        ui_->settle(60);
        QCOMPARE(built, 1);
    }

    void siblingOnShowStaysAndStaleScreenRebuildsOnReturn()
    {
        MainWindow* w = ui_->window();
        w->currentForm()->setCurrentRow(1);
        w->showPage(+1);
        QCOMPARE(UiInspect::currentClass(w), QStringLiteral("NeighbourForm"));
        ui_->report(100, 6.0f);
        ui_->settle(60);
        QCOMPARE(UiInspect::currentClass(w), QStringLiteral("NeighbourForm"));
        QCOMPARE(built, 1);

        w->showPage(+1);
        QCOMPARE(UiInspect::currentClass(w), QStringLiteral("WatchingForm"));
        QCOMPARE(built, 2);
        QCOMPARE(w->currentForm()->rowCount(), 6);
        QCOMPARE(w->currentForm()->currentRow(), 0);
        QCOMPARE(w->currentIndex(), 0);
    }

    void replacedListNoLongerReacts()
    {
        MainWindow* w = ui_->window();
        w->addForm(new NeighbourForm(nullptr), 0);
        ui_->settle(10);
        ui_->report(100, 8.0f);
        ui_->settle(60);
        QCOMPARE(built, 1);
        QCOMPARE(UiInspect::formClasses(w), QStringList{QStringLiteral("NeighbourForm")});
    }

    void messageOfOneTextOpensOnce()
    {
        MainWindow* w = ui_->window();
        MessageDialog* first = MessageDialog::showOnce(QStringLiteral("Внимание!"), MessageDialog::Warning, w);
        QVERIFY(first);
        QVERIFY(!MessageDialog::showOnce(QStringLiteral("Внимание!"), MessageDialog::Warning, w));
        MessageDialog* other = MessageDialog::showOnce(QStringLiteral("Другое"), MessageDialog::Information, w);
        QVERIFY(other);
        QPointer<MessageDialog> closed(first);
        first->reject();
        QTRY_VERIFY(closed.isNull());
        MessageDialog* again = MessageDialog::showOnce(QStringLiteral("Внимание!"), MessageDialog::Warning, w);
        QVERIFY(again);
        again->reject();
        other->reject();
    }

private:
    std::unique_ptr<UiFixture> ui_;
};

RVK_WIDGET_TEST_MAIN(TestSelfRebuild)
#include "tst_selfrebuild.moc"
