// The translation sources against the code: lupdate (through tools/update-translations.sh) brings a copy of them
// up to date with the texts of the code, and then every text with Russian letters has an English and a Spanish
// translation that keeps its placeholders and the glossary's terms; the embedded translations are the sources'.
#include <QtTest>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// A term of the glossary: a text containing a word that begins with `russian` (any case) has `translated` in its
// translation (any case); a whole-text term (written "=term" in the glossary) is translated exactly, and no other
// term applies to that text.
struct Term {
    QString russian;
    QMap<QString, QString> translated;
    bool whole = false;
    int line = 0;
};

QString sourceDir()
{
    return qEnvironmentVariable("RVK_TEST_SOURCE_DIR");
}

QList<Message> readTs(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            message.finished = type.isEmpty() && !message.translation.isEmpty();
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                messages.append(message);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

bool hasRussian(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// The placeholders of a text as arg() numbers them, sorted ("%L1" counts as "%1").
QList<int> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2})"));
    QList<int> numbers;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        numbers << it.next().captured(1).toInt();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString placeholderText(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QStringLiteral("%%1").arg(n);
    return parts.join(QLatin1Char(' '));
}

QList<Term> readGlossary(QString* error)
{
    QList<Term> terms;
    QFile file(sourceDir() + QStringLiteral("/resources/translations/glossary.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot open the glossary");
        return terms;
    }
    const QStringList languages{QStringLiteral("en"), QStringLiteral("es")};
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList columns = line.split(QLatin1Char('\t'));
        if (columns.size() != 3 || columns.contains(QString())) {
            *error = QStringLiteral("glossary line %1: expected Russian, English and Spanish").arg(number);
            return terms;
        }
        Term term;
        term.line = number;
        term.whole = columns.at(0).startsWith(QLatin1Char('='));
        term.russian = term.whole ? columns.at(0).mid(1) : columns.at(0);
        for (int i = 0; i < languages.size(); ++i)
            term.translated.insert(languages.at(i), columns.at(i + 1));
        terms << term;
    }
    return terms;
}

// A word of `text` begins with `term`, in any case; an abbreviation (a term in capitals) only as a whole word in
// capitals.
bool hasTerm(const QString& text, const QString& term)
{
    const bool abbreviation = term == term.toUpper();
    const Qt::CaseSensitivity cs = abbreviation ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int at = text.indexOf(term, 0, cs); at >= 0; at = text.indexOf(term, at + 1, cs)) {
        const int end = at + term.size();
        const bool starts = at == 0 || !text.at(at - 1).isLetterOrNumber();
        const bool ends = !abbreviation || end == text.size() || !text.at(end).isLetterOrNumber();
        if (starts && ends)
            return true;
    }
    return false;
}

// At most `limit` lines of a list of faults, with their count.
QByteArray report(const QStringList& faults, int limit = 25)
{
    QStringList shown = faults.mid(0, limit);
    if (faults.size() > limit)
        shown << QStringLiteral("... %1 in all").arg(faults.size());
    return shown.join(QLatin1Char('\n')).toUtf8();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void placeholdersKept_data() { everyTextTranslated_data(); }
    void placeholdersKept();
    void glossaryHeld_data() { everyTextTranslated_data(); }
    void glossaryHeld();
    void embeddedTranslationsAreTheSources_data() { everyTextTranslated_data(); }
    void embeddedTranslationsAreTheSources();

private:
    QTemporaryDir updated_;
    // By language: the messages of the copy brought up to date with the code.
    QMap<QString, QList<Message>> messages_;
};

void TestTranslations::initTestCase()
{
    QVERIFY(updated_.isValid());
    QVERIFY2(!sourceDir().isEmpty(), "RVK_TEST_SOURCE_DIR names the source tree");
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("es")}) {
        const QString name = QStringLiteral("/rvk_gui_%1.ts").arg(language);
        QVERIFY(QFile::copy(sourceDir() + QStringLiteral("/resources/translations") + name, updated_.path() + name));
    }
    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(RVK_LUPDATE));
    update.setProcessEnvironment(environment);
    update.start(QStringLiteral("bash"),
                 {sourceDir() + QStringLiteral("/tools/update-translations.sh"), updated_.path()});
    QVERIFY(update.waitForFinished(60000));
    QVERIFY2(update.exitStatus() == QProcess::NormalExit && update.exitCode() == 0,
             update.readAllStandardError().constData());
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("es")}) {
        QString error;
        messages_.insert(language, readTs(updated_.path() + QStringLiteral("/rvk_gui_%1.ts").arg(language), &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    // The code has translatable texts, and lupdate found them in every folder, the name table included.
    const QList<Message>& en = messages_.value(QStringLiteral("en"));
    QVERIFY(en.size() > 2000);
    QStringList contexts;
    for (const Message& m : en)
        contexts << m.context;
    for (const char* context : {"QObject", "MainMenu", "LogEventForm", "MainScreenForm", "EquipmentMenu"})
        QVERIFY2(contexts.contains(QLatin1String(context)), context);
    const auto named = std::find_if(en.begin(), en.end(), [](const Message& m) {
        return m.source == QStringLiteral("Номинальная мощность ТМПН");
    });
    QVERIFY2(named != en.end(), "the parameter names of texts/param_names.inc are not in the sources");
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("es") << QStringLiteral("es");
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, language);
    // Texts without Russian letters (names, "U/f", "Ok") are shown as they are in every language.
    QStringList missing;
    for (const Message& m : messages_.value(language)) {
        if (hasRussian(m.source) && !m.finished)
            missing << m.context + QStringLiteral(": ") + m.source;
    }
    qInfo("%s: %d texts without a translation", qPrintable(language), int(missing.size()));
    QVERIFY2(missing.isEmpty(), report(missing).constData());
}

void TestTranslations::placeholdersKept()
{
    QFETCH(QString, language);
    QStringList faults;
    for (const Message& m : messages_.value(language)) {
        if (m.translation.isEmpty())
            continue;
        const QList<int> expected = placeholders(m.source);
        const QList<int> found = placeholders(m.translation);
        if (expected != found) {
            faults << QStringLiteral("%1: \"%2\" has [%3], \"%4\" has [%5]")
                          .arg(m.context, m.source, placeholderText(expected), m.translation, placeholderText(found));
        }
    }
    QVERIFY2(faults.isEmpty(), report(faults).constData());
}

void TestTranslations::glossaryHeld()
{
    QFETCH(QString, language);
    QString error;
    const QList<Term> terms = readGlossary(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!terms.isEmpty());
    QSet<QString> whole;
    for (const Term& term : terms) {
        if (term.whole)
            whole.insert(term.russian);
    }
    QStringList faults;
    for (const Term& term : terms) {
        const QString wanted = term.translated.value(language);
        bool used = false;
        for (const Message& m : messages_.value(language)) {
            const bool applies = term.whole ? m.source == term.russian
                                            : !whole.contains(m.source) && hasTerm(m.source, term.russian);
            used = used || applies;
            if (!applies || !m.finished)
                continue;
            const bool kept = term.whole ? m.translation == wanted : m.translation.contains(wanted, Qt::CaseInsensitive);
            if (!kept) {
                faults << QStringLiteral("glossary line %1 (%2 -> %3): %4: \"%5\" -> \"%6\"")
                              .arg(term.line)
                              .arg(term.russian, wanted, m.context, m.source, m.translation);
            }
        }
        if (!used)
            faults << QStringLiteral("glossary line %1: no text has %2").arg(term.line).arg(term.russian);
    }
    QVERIFY2(faults.isEmpty(), report(faults).constData());
}

void TestTranslations::embeddedTranslationsAreTheSources()
{
    QFETCH(QString, language);
    QString error;
    const QList<Message> committed =
        readTs(sourceDir() + QStringLiteral("/resources/translations/rvk_gui_%1.ts").arg(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/rvk_gui_%1.qm").arg(language)));
    QStringList faults;
    int finished = 0;
    for (const Message& m : committed) {
        if (!m.finished)
            continue;
        ++finished;
        const QString shown = translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData());
        if (shown != m.translation)
            faults << QStringLiteral("%1: \"%2\" -> \"%3\", embedded \"%4\"").arg(m.context, m.source, m.translation, shown);
    }
    QVERIFY2(faults.isEmpty(), report(faults).constData());
    qInfo("%s: %d translations embedded", qPrintable(language), finished);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
