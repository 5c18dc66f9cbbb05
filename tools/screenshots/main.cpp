// Takes the screenshots of the documentation: the panel on the simulated controller, driven with keys.
// Run under a display (tools/screenshots.sh uses Xvfb): rvk_screenshots <folder>
#include <QDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "screens/mainmenu.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/uiinspect.h"

namespace {

// Rows refresh 400-580 ms after an update; wait for them before each picture.
constexpr int kSettleMs = 1500;

// One picture: the values the simulated controller is given first ("id=value;..."; 570 chooses the language),
// then the buttons pressed from the main menu, by their Russian text (found in any language).
struct Shot {
    const char* file;
    const char* values;
    QStringList path;
};

// One line a picture; the main screen is taken before these.
const QList<Shot>& shots()
{
    static const QList<Shot> list{
        {"main_menu.png", "", {}},
        {"options_units.png", "", {"Настройки", "Единицы измерения"}},
        {"event_journal.png", "", {"Архивы", "Журнал событий"}},
        {"equipment_menu.png", "", {"Оборудование"}},
        {"equipment_motor.png", "782=1;685=1;1329=2;10015=45000;10016=1400;10017=22;10018=3000;10019=100;10020=0.93",
         {"Оборудование", "Двигатель"}},
        {"equipment_motor_wizard.png", "782=1;685=1", {"Оборудование", "Двигатель", "Мастер выбора двигателя"}},
        {"dhs_valdrin.png", "39=1", {"Оборудование", "ТМС", "Параметры ТМС"}},
        {"dhs_rn_transfer.png", "39=16", {"Оборудование", "ТМС", "Параметры ТМС"}},
        {"electricity_meter.png", "705=1;1482=0", {"Оборудование", "Счётчик электроэнергии"}},
        {"vsd_menu.png", "685=1", {"Оборудование", "ЧРП"}},
        {"vsd_service_temperatures.png", "685=1",
         {"Оборудование", "ЧРП", "Сервисное меню ЧРП", "Индикация температур"}},
        {"protections_menu.png", "", {"Защиты"}},
        {"protections_supply_menu.png", "43=1;58=2;73=0;88=1;103=3", {"Защиты", "Защиты по сети"}},
        {"protection_undervoltage.png", "58=2;65=80;60=5;61=3;62=600;63=3;64=3600",
         {"Защиты", "Защиты по сети", "Пониженное напряжение"}},
        {"relay_output.png", "964=8;1740=4;1752=30;1764=600", {"Оборудование", "Релейные выходы", "Релейный выход 3"}},
        {"analog_output.png", "1615=2;1625=15004;1629=0;1633=120",
         {"Оборудование", "Аналоговые выходы", "Аналоговый выход 1"}},
        {"bypass_contactors.png", "685=2;1052=1", {"Оборудование", "Байпасные контакторы"}},
        {"protection_digital_input.png",
         "1231=0;2125=0x504D5550;2126=0x0000312D;800=0;804=4;328=2;1499=1;330=5;331=2;332=600;333=3;334=3600",
         {"Защиты", "Защиты по цифровым входам", "Цифровой вход 1"}},
        {"protection_analog_input.png",
         "822=9;1105=2;823=1;1090=1;824=0;825=16;268=2;2113=1;275=2;276=3;277=12;1109=10",
         {"Защиты", "Защиты по аналоговым входам", "Аналоговый вход 1"}},
        {"modes_menu.png", "685=1;1000=0;447=3;464=2;474=3;955=0", {"Технологические настройки", "Режимы"}},
        {"mode_maintenance.png", "474=3;1683=0;475=1;476=1;688=5;478=10;479=1;480=2;481=40;482=52",
         {"Технологические настройки", "Режимы", "Поддержание параметра"}},
        {"start_mode_push.png", "685=2;782=0;13=0;673=1;675=10;676=3;677=5;679=4;678=150;1370=90",
         {"Оборудование", "ЧРП", "Режимы пуска", "Толчковый"}},
        {"main_menu_en.png", "570=1", {}},
        {"protection_undervoltage_en.png", "570=1;58=2;65=80;60=5;61=3;62=600;63=3;64=3600",
         {"Защиты", "Защиты по сети", "Пониженное напряжение"}},
        {"event_journal_en.png", "570=1", {"Архивы", "Журнал событий"}},
        {"main_menu_es.png", "570=2", {}},
        {"protection_undervoltage_es.png", "570=2;58=2;65=80;60=5;61=3;62=600;63=3;64=3600",
         {"Защиты", "Защиты по сети", "Пониженное напряжение"}},
        {"event_journal_es.png", "570=2", {"Архивы", "Журнал событий"}},
    };
    return list;
}

void press(MainWindow* window, Qt::Key key)
{
    QWidget* target = window->focusWidget();
    if (!target || !window->isAncestorOf(target))
        target = window->currentForm();
    QTest::keyClick(target, key);
    QTest::qWait(50);
}

bool save(MainWindow* window, const QString& path)
{
    QTest::qWait(kSettleMs);
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "could not save", qPrintable(path));
    return ok;
}

// Writes the values as the operator would and waits until the controller reports them.
bool apply(Parameters* params, const QString& values)
{
    for (const QString& pair : values.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList kv = pair.split(QLatin1Char('='));
        const quint16 id = static_cast<quint16>(kv.value(0).toUInt());
        // "0x..." is a raw value (the characters of a name).
        bool raw = false;
        const quint32 bits = kv.value(1).toUInt(&raw, 16);
        raw = raw && kv.value(1).startsWith(QLatin1String("0x"));
        const float value = kv.value(1).toFloat();
        if (raw)
            params->set(id, bits, 1);
        else
            params->set(id, value, 1);
        const auto taken = [=] { return raw ? params->getU32(id) == bits : params->get(id) == value; };
        if (!QTest::qWaitFor(taken, 5000)) {
            std::printf("parameter %u did not take %s\n", id, qPrintable(kv.value(1)));
            return false;
        }
    }
    return true;
}

// A row label is the Russian text in the language on show: the screen's own translation or the shared one.
bool named(const QString& label, const QString& text, const BaseForm* form)
{
    const QByteArray source = text.toUtf8();
    return label == text || label == QCoreApplication::translate(form->metaObject()->className(), source.constData())
           || label == QCoreApplication::translate("QObject", source.constData());
}

// Presses the buttons named in `path`, from the main menu.
bool open(MainWindow* window, const QStringList& path)
{
    window->addForm(new MainMenu(nullptr), 0);
    for (const QString& text : path) {
        BaseForm* form = window->currentForm();
        const QList<RowInfo> rows = UiInspect::rows(form);
        int row = -1;
        for (int i = 0; i < rows.size() && row < 0; ++i) {
            if (named(rows.at(i).label, text, form))
                row = i;
        }
        if (row < 0) {
            std::printf("no row \"%s\" on %s\n", qPrintable(text), form->metaObject()->className());
            return false;
        }
        form->setCurrentRow(row);
        press(window, Qt::Key_Return);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The application makes its own folder current; the pictures go where the caller asked.
    const QDir callerDir = QDir::current();
    MainApplication::prepareEnvironment();
    MainApplication app(argc, argv);
    const QString folder = callerDir.absoluteFilePath(app.arguments().value(1, QStringLiteral("docs")));
    if (!QDir().mkpath(folder))
        return 1;
    MainApplication::Options options;
    options.windowed = true;
    if (!app.init(options))
        return 1;
    QSignalSpy ready(&app, &MainApplication::signalMainWindowReady);
    if (!ready.wait(60000))
        return 1;
    MainWindow* window = app.mainWindow();
    QApplication::setActiveWindow(window);

    bool ok = save(window, folder + QStringLiteral("/main_screen.png"));
    for (const Shot& shot : shots()) {
        const bool opened = apply(app.params(), QString::fromUtf8(shot.values)) && open(window, shot.path);
        ok &= opened && save(window, folder + QLatin1Char('/') + QString::fromLatin1(shot.file));
    }
    return ok ? 0 : 1;
}
