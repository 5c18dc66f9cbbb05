// The screen walker over a small tree of screens: every screen once, pages reached with Right, the path of
// titles, messages and questions met on the way, and a row that opens nothing; each screen reached again by its
// route, its last key apart.
#include <QtTest>

#include "app/mainapplication.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/basemenu.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/screenwalker.h"

namespace {

int questionAnswer = -1;

// Shows a warning without waiting each time it is shown.
class WarningForm : public BaseForm
{
    Q_OBJECT
public:
    explicit WarningForm(QWidget* parent) : BaseForm(parent, true) { setTitle(QStringLiteral("Предупреждение")); }
    void createForm() override
    {
        addStatusNum(QStringLiteral("Значение"), 910, false);
        connect(this, &BaseForm::signalShowForm, this, [] {
            (new MessageDialog(QStringLiteral("Проверьте уставки"), MessageDialog::Warning, mainWindow()))->show();
        });
    }
    void returnBackForm() override {}
};

// Asks a question when it is built.
class QuestionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit QuestionForm(QWidget* parent) : BaseForm(parent, true) { setTitle(QStringLiteral("Вопрос")); }
    void createForm() override
    {
        questionAnswer = (new MessageDialog(QStringLiteral("Сбросить?"), MessageDialog::Question, this))->exec();
    }
    void returnBackForm() override {}
};

class LeafForm : public BaseForm
{
    Q_OBJECT
public:
    explicit LeafForm(QWidget* parent) : BaseForm(parent, true) { setTitle(QStringLiteral("Лист")); }
    void createForm() override {}
    void returnBackForm() override {}
};

// One button, but three pages: the others are reached with Right only.
class PagedMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit PagedMenu(QWidget* parent) : BaseForm(parent, true) { setTitle(QStringLiteral("Страницы")); }
    void createForm() override { addButton(QStringLiteral("Лист")); }
    void setFormsList() override
    {
        BaseForm::setFormsList({new LeafForm(nullptr), new WarningForm(nullptr), new QuestionForm(nullptr)});
    }
    void returnBackForm() override {}
};

// Two buttons over one page: the second opens nothing.
class BrokenMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit BrokenMenu(QWidget* parent) : BaseForm(parent, true) { setTitle(QStringLiteral("Сломанное")); }
    void createForm() override
    {
        addButton(QStringLiteral("Лист"));
        addButton(QStringLiteral("Пусто"));
    }
    void setFormsList() override { BaseForm::setFormsList({new LeafForm(nullptr)}); }
    void returnBackForm() override {}
};

class RootMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit RootMenu(QWidget* parent = nullptr) : BaseMenu(parent, &RootMenu::items)
    {
        setTitle(QStringLiteral("Корень"));
    }
    void returnBackForm() override {}

    static bool broken;

private:
    static QList<MenuItem> items()
    {
        return {
            MenuItem::row([](BaseForm* menu) { menu->addEdit(QStringLiteral("Уставка"), 911); }),
            MenuItem::child<PagedMenu>(QStringLiteral("Страницы")),
            MenuItem::child<WarningForm>(QStringLiteral("Предупреждение")),
            MenuItem::child<BrokenMenu>(QStringLiteral("Сломанное"), broken),
        };
    }
};

bool RootMenu::broken = false;

} // namespace

class TestScreenWalker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyScreenOnceWithItsPathAndMessages();
    void rowThatOpensNothingFailsTheWalk();
    void routeReachesTheScreenAgainWithItsLastKeyApart();

private:
    struct Result {
        bool ok = false;
        QStringList errors;
        QList<ScreenWalker::Screen> screens;
        bool gateRestored = false;
        int dialogsOpen = 0;
    };
    static Result walk();
};

void TestScreenWalker::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app->initDatabase());
    app->initParameters();
}

TestScreenWalker::Result TestScreenWalker::walk()
{
    UiFixture ui;
    ui.addParameter(910, 12.0f);
    ui.addParameter(911, 3.0f);
    DialogGate::setRejectUnanswered(false);
    Result result;
    ScreenWalker walker(ui.window(), [] { return new RootMenu; });
    result.ok = walker.walk([&](const ScreenWalker::Screen& screen) { result.screens << screen; });
    result.errors = walker.errors();
    result.gateRestored = !DialogGate::rejectUnanswered();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(w) && w->isVisible())
            ++result.dialogsOpen;
    }
    return result;
}

void TestScreenWalker::everyScreenOnceWithItsPathAndMessages()
{
    RootMenu::broken = false;
    questionAnswer = -1;
    const Result result = walk();
    QVERIFY(result.ok);
    QVERIFY(result.errors.isEmpty());
    QVERIFY(result.gateRestored);
    QCOMPARE(result.dialogsOpen, 0);
    const QList<ScreenWalker::Screen>& screens = result.screens;

    QStringList visited;
    for (const ScreenWalker::Screen& s : screens)
        visited << s.className + QLatin1Char(':') + s.path.join(QLatin1Char('/'));
    QCOMPARE(visited, (QStringList{"RootMenu:КОРЕНЬ", "PagedMenu:КОРЕНЬ/СТРАНИЦЫ",
                                   "WarningForm:КОРЕНЬ/ПРЕДУПРЕЖДЕНИЕ", "LeafForm:КОРЕНЬ/СТРАНИЦЫ/ЛИСТ",
                                   "QuestionForm:КОРЕНЬ/СТРАНИЦЫ/ВОПРОС"}));

    const ScreenWalker::Screen& root = screens.at(0);
    QCOMPARE(root.title, QStringLiteral("КОРЕНЬ"));
    QCOMPARE(root.rows.size(), 3);
    QCOMPARE(root.rows.at(0).kind, QStringLiteral("edit"));
    QCOMPARE(root.rows.at(0).id, 911);
    QCOMPARE(root.rows.at(0).value, QStringLiteral("3"));
    QCOMPARE(root.rows.at(1).kind, QStringLiteral("button"));
    QVERIFY(root.messages.isEmpty());

    // The warning belongs to the screen that showed it, the answered question to the one that asked.
    QCOMPARE(screens.at(2).messages, QStringList{"Проверьте уставки"});
    QCOMPARE(screens.at(2).rows.at(0).value, QStringLiteral("12"));
    QVERIFY(screens.at(3).messages.isEmpty());
    QCOMPARE(screens.at(4).messages, QStringList{"Сбросить?"});
    QCOMPARE(questionAnswer, 0);
}

void TestScreenWalker::rowThatOpensNothingFailsTheWalk()
{
    RootMenu::broken = true;
    const Result result = walk();
    RootMenu::broken = false;
    QVERIFY(!result.ok);
    QCOMPARE(result.errors, QStringList{"BrokenMenu: child row 1 opened nothing"});
    // The rest of the tree is still walked.
    QCOMPARE(result.screens.size(), 6);
    QCOMPARE(result.screens.last().className, QStringLiteral("QuestionForm"));
}

void TestScreenWalker::routeReachesTheScreenAgainWithItsLastKeyApart()
{
    RootMenu::broken = true;
    UiFixture ui;
    ui.addParameter(910, 12.0f);
    ui.addParameter(911, 3.0f);
    ScreenWalker walker(ui.window(), [] { return new RootMenu; });
    QList<ScreenWalker::Screen> screens;
    walker.walk([&](const ScreenWalker::Screen& screen) { screens << screen; });
    QCOMPARE(screens.size(), 6);

    // Before the last key: the screen it is pressed on, the cursor on the row it opens; after it: the screen.
    QStringList seen;
    for (const ScreenWalker::Screen& screen : qAsConst(screens)) {
        QString before;
        int presses = 0;
        const bool reached = walker.reach(screen.route, [&](const std::function<void()>& key) {
            const BaseForm* form = ui.window()->currentForm();
            before = form ? QStringLiteral("%1@%2").arg(form->metaObject()->className()).arg(form->currentRow())
                          : QStringLiteral("none");
            key();
            ++presses;
        });
        QVERIFY2(reached, qPrintable(walker.errors().join(QLatin1Char(';'))));
        QCOMPARE(presses, 1);
        seen << before + QLatin1String(" -> ") + UiInspect::currentClass(ui.window());
        QCOMPARE(UiInspect::currentClass(ui.window()), screen.className);
    }
    // The root is shown in place of whatever was on show.
    QVERIFY(seen.first().endsWith(QLatin1String(" -> RootMenu")));
    QCOMPARE(QStringList(seen.mid(1)), (QStringList{"RootMenu@1 -> PagedMenu", "PagedMenu@0 -> WarningForm",
                                                    "WarningForm@0 -> BrokenMenu", "PagedMenu@0 -> LeafForm",
                                                    "WarningForm@0 -> QuestionForm"}));
    // Nothing stays open after.
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<QDialog*>(w) && w->isVisible() ? 1 : 0;
    QCOMPARE(open, 0);

    // A route whose last row opens nothing.
    ScreenWalker::Route broken = screens.at(3).route;
    broken << ScreenWalker::Step{ScreenWalker::Step::Open, 1};
    QVERIFY(!walker.reach(broken, [](const std::function<void()>& key) { key(); }));
    QCOMPARE(walker.errors(), QStringList{"the last step of the route opened nothing"});
    RootMenu::broken = false;
}

RVK_TEST_MAIN(TestScreenWalker)
#include "tst_screenwalker.moc"
