// Menus built from item tables: the rows of each kind, the conditions read once per build, the page that a row
// opens, and the way back by class.
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/basemenu.h"
#include "ui/baseparamwidget.h"
#include "ui/mainwindow.h"

namespace {

constexpr quint16 kSecondShown = 900;
constexpr quint16 kFourthShown = 901;
constexpr quint16 kSetting = 902;
constexpr quint16 kAction = 903;

const char* const kTitles[] = {"Первая", "Вторая", "Третья", "Четвёртая"};

// A page titled with the text of the row that opens it.
template <int N>
class Page : public BaseForm
{
public:
    explicit Page(QWidget* parent) : BaseForm(parent, true) { setTitle(QString::fromUtf8(kTitles[N])); }
    void createForm() override {}
    void returnBackForm() override;
};

class TableMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit TableMenu(QWidget* parent = nullptr) : BaseMenu(parent, &TableMenu::items)
    {
        setObjectName(QStringLiteral("TableMenu"));
        setTitle(QStringLiteral("Меню"));
    }
    static Pages createNextForm() { return pages(items()); }
    void returnBackForm() override {}

    static int reads;
    int commands = 0;

public slots:
    void slotCommand() { ++commands; }

private:
    static QList<MenuItem> items()
    {
        ++reads;
        PairList icons;
        icons.append(0, QStringLiteral(":/images/off_protection"));
        icons.append(1, QStringLiteral(":/images/on_protection"));
        const bool second = BaseForm::value(kSecondShown) != 0.0f;
        const bool fourth = BaseForm::value(kFourthShown) != 0.0f;
        return {
            MenuItem::row([](BaseForm* menu) { menu->addEdit(kSetting); }),
            MenuItem::child<Page<0>>(QString::fromUtf8(kTitles[0])),
            MenuItem::child<Page<1>>(QString::fromUtf8(kTitles[1]), second),
            MenuItem::status<Page<2>>(kAction, QString::fromUtf8(kTitles[2]), icons),
            MenuItem::action(QStringLiteral("Команда"), SLOT(slotCommand())),
            MenuItem::child<Page<3>>(QString::fromUtf8(kTitles[3]), fourth),
        };
    }
};

int TableMenu::reads = 0;

// The parent of TableMenu, which is its second page.
class RootMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit RootMenu(QWidget* parent = nullptr) : BaseMenu(parent, &RootMenu::items) {}
    static Pages createNextForm() { return pages(items()); }
    void returnBackForm() override {}

private:
    static QList<MenuItem> items()
    {
        return {MenuItem::child<Page<0>>(QString::fromUtf8(kTitles[0])),
                MenuItem::child<TableMenu>(QStringLiteral("Меню"))};
    }
};

template <int N>
void Page<N>::returnBackForm()
{
    showMenuPage<RootMenu, TableMenu>();
}

QStringList kinds(const BaseForm* form)
{
    QStringList list;
    for (const RowInfo& row : UiInspect::rows(form))
        list << row.kind + QLatin1Char(':') + row.label;
    return list;
}

QStringList titles(const QList<BaseForm*>& forms)
{
    QStringList list;
    for (BaseForm* form : forms)
        list << form->title();
    return list;
}

} // namespace

class TestBaseMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rowsAndPagesComeFromOneReading_data();
    void rowsAndPagesComeFromOneReading();
    void statusAndActionRows();
    void backNamesTheParentByClass();

private:
    void press(int row);

    QScopedPointer<UiFixture> ui_;
};

void TestBaseMenu::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app->initDatabase());
    app->initParameters();
}

void TestBaseMenu::init()
{
    ui_.reset(new UiFixture);
    for (quint16 id : {kSecondShown, kFourthShown, kSetting, kAction})
        ui_->addParameter(id, 0.0f);
}

void TestBaseMenu::cleanup()
{
    ui_.reset();
}

void TestBaseMenu::press(int row)
{
    BaseForm* form = ui_->window()->currentForm();
    form->setCurrentRow(row);
    QTest::keyClick(form->rowAt(row), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestBaseMenu::rowsAndPagesComeFromOneReading_data()
{
    QTest::addColumn<float>("secondAtBuild");
    QTest::addColumn<float>("fourthAtBuild");
    QTest::addColumn<QStringList>("rows");

    const QString edit = QStringLiteral("edit:") + BaseParamWidget::textFromId(kSetting);
    QTest::newRow("all shown") << 1.0f << 1.0f
                               << QStringList{edit, "button:Первая", "button:Вторая", "statusButton:Третья",
                                              "button:Команда", "button:Четвёртая"};
    QTest::newRow("middle hidden") << 0.0f << 1.0f
                                   << QStringList{edit, "button:Первая", "statusButton:Третья", "button:Команда",
                                                  "button:Четвёртая"};
    QTest::newRow("last hidden") << 1.0f << 0.0f
                                 << QStringList{edit, "button:Первая", "button:Вторая", "statusButton:Третья",
                                                "button:Команда"};
}

void TestBaseMenu::rowsAndPagesComeFromOneReading()
{
    QFETCH(float, secondAtBuild);
    QFETCH(float, fourthAtBuild);
    QFETCH(QStringList, rows);

    QStringList named;
    for (const QString& row : rows) {
        if (row.startsWith("button:") && row != "button:Команда")
            named << row.mid(7).toUpper();
        else if (row.startsWith("statusButton:"))
            named << row.mid(13).toUpper();
    }
    for (int position = 0; position < named.size(); ++position) {
        ui_->report(kSecondShown, secondAtBuild);
        ui_->report(kFourthShown, fourthAtBuild);
        TableMenu::reads = 0;
        ui_->window()->addForm(new TableMenu, 0);
        BaseForm* menu = ui_->window()->currentForm();
        QCOMPARE(kinds(menu), rows);
        // Both conditions change before the press: the row still opens the screen it names.
        ui_->report(kSecondShown, 1.0f - secondAtBuild);
        ui_->report(kFourthShown, 1.0f - fourthAtBuild);
        int row = 0;
        while (menu->childButtonPosition(row) != position)
            ++row;
        press(row);
        QCOMPARE(titles(ui_->window()->forms()), named);
        QCOMPARE(ui_->window()->currentIndex(), position);
        QCOMPARE(TableMenu::reads, 1);
    }
    // The static list follows the values of the moment.
    const QList<BaseForm*> now = TableMenu::createNextForm().instances();
    QStringList expected{"ПЕРВАЯ"};
    if (secondAtBuild == 0.0f)
        expected << "ВТОРАЯ";
    expected << "ТРЕТЬЯ";
    if (fourthAtBuild == 0.0f)
        expected << "ЧЕТВЁРТАЯ";
    QCOMPARE(titles(now), expected);
    qDeleteAll(now);
}

void TestBaseMenu::statusAndActionRows()
{
    auto* menu = new TableMenu;
    ui_->window()->addForm(menu, 0);
    QCOMPARE(UiInspect::row(menu, 2).id, int(kAction));
    QCOMPARE(UiInspect::row(menu, 3).label, QStringLiteral("Команда"));
    QVERIFY(!UiInspect::row(menu, 3).childButton);
    press(3);
    QCOMPARE(menu->commands, 1);
    QCOMPARE(UiInspect::formClasses(ui_->window()), QStringList{"TableMenu"});
}

void TestBaseMenu::backNamesTheParentByClass()
{
    ui_->report(kSecondShown, 1.0f);
    ui_->window()->addForm(new TableMenu, 0);
    press(3);
    QCOMPARE(ui_->window()->currentForm()->title(), QStringLiteral("ТРЕТЬЯ"));
    // Back: the parent's pages, current on the page of class TableMenu, the cursor on the row left.
    QTest::keyClick(ui_->window()->currentForm(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(titles(ui_->window()->forms()), (QStringList{"ПЕРВАЯ", "МЕНЮ"}));
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("TableMenu"));
    QCOMPARE(UiInspect::focusedRow(ui_->window()), 3);
}

RVK_TEST_MAIN(TestBaseMenu)
#include "tst_basemenu.moc"
