#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One text of a catalogue with what the translator wrote for it.
struct CatalogueEntry
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool unfinished = false;
    QStringList forms; // the translation, or one text per plural form
};

QList<CatalogueEntry> readCatalogue(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            CatalogueEntry entry;
            entry.context = context;
            entry.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            entries.append(entry);
        } else if (name == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entries.last().comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            CatalogueEntry& entry = entries.last();
            const auto type = xml.attributes().value(QLatin1String("type"));
            entry.unfinished = type == QLatin1String("unfinished");
            if (!entry.numerus)
                entry.forms.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            entries.last().forms.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

// The %1..%99 and %n markers of a text, each once.
QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:[1-9][0-9]?|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// A keyboard accelerator: "&" before a letter or digit, not "&&" and not an HTML entity
// such as "&ndash;".
bool hasAccelerator(const QString& text)
{
    static const QRegularExpression accelerator(
        QStringLiteral("(?<!&)&(?!&)(?![a-z]+;)[\\p{L}\\p{N}]"));
    return accelerator.match(text).hasMatch();
}

QString describe(const CatalogueEntry& entry)
{
    return QStringLiteral("%1 / \"%2\"").arg(entry.context, entry.source);
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void builtCatalogueTranslatesEveryText_data();
    void builtCatalogueTranslatesEveryText();
    void sampleDataFindsTheDefaultCategories_data();
    void sampleDataFindsTheDefaultCategories();

private:
    void addLanguages();
    QList<CatalogueEntry> catalogue(const QString& language);
};

void TranslationsTest::addLanguages()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("Spanish") << QStringLiteral("es") << 2;
    QTest::newRow("German") << QStringLiteral("de") << 2;
    QTest::newRow("French") << QStringLiteral("fr") << 2;
    QTest::newRow("Japanese") << QStringLiteral("ja") << 1;
}

QList<CatalogueEntry> TranslationsTest::catalogue(const QString& language)
{
    QString error;
    const QList<CatalogueEntry> entries =
        readCatalogue(QStringLiteral(PENNIBAR_I18N_DIR "/pennibar_%1.ts").arg(language), &error);
    [&] {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!entries.isEmpty());
    }();
    return entries;
}

void TranslationsTest::catalogueIsComplete_data()
{
    addLanguages();
}

// Every text is translated, in every plural form the language has, and keeps what the program
// fills in (%1, %n) and the accelerator a menu or label offers.
void TranslationsTest::catalogueIsComplete()
{
    QFETCH(QString, language);
    QFETCH(int, pluralForms);
    const QList<CatalogueEntry> entries = catalogue(language);
    if (QTest::currentTestFailed())
        return;

    QStringList faults;
    for (const CatalogueEntry& entry : entries) {
        if (entry.unfinished)
            faults << describe(entry) + QStringLiteral(": unfinished");
        if (entry.forms.size() != (entry.numerus ? pluralForms : 1))
            faults << describe(entry) + QStringLiteral(": %1 forms").arg(entry.forms.size());
        for (const QString& form : entry.forms) {
            if (form.trimmed().isEmpty())
                faults << describe(entry) + QStringLiteral(": empty");
            else if (placeholders(form) != placeholders(entry.source))
                faults << describe(entry) +
                              QStringLiteral(": placeholders differ in \"%1\"").arg(form);
            else if (hasAccelerator(entry.source) && !hasAccelerator(form))
                faults << describe(entry) + QStringLiteral(": no accelerator in \"%1\"").arg(form);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::builtCatalogueTranslatesEveryText_data()
{
    addLanguages();
}

// The compiled catalogue the application loads answers every text with a translation that
// fills the placeholders, and picks a plural form that carries the count.
void TranslationsTest::builtCatalogueTranslatesEveryText()
{
    QFETCH(QString, language);
    const QList<CatalogueEntry> entries = catalogue(language);
    if (QTest::currentTestFailed())
        return;

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/pennibar_%1.qm").arg(language)));
    QStringList faults;
    for (const CatalogueEntry& entry : entries) {
        const QByteArray context = entry.context.toUtf8();
        const QByteArray source = entry.source.toUtf8();
        const QByteArray comment = entry.comment.toUtf8();
        const char* disambiguation = entry.comment.isEmpty() ? nullptr : comment.constData();
        for (const int count : entry.numerus ? QList<int>{0, 1, 2, 5, 21} : QList<int>{-1}) {
            QString text = translator.translate(context.constData(), source.constData(),
                                                disambiguation, count);
            if (text.isEmpty()) {
                faults << describe(entry) + QStringLiteral(": not in the compiled catalogue");
                break;
            }
            if (entry.numerus && !text.contains(QLatin1String("%n")))
                faults << describe(entry) + QStringLiteral(": no count for %1").arg(count);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::sampleDataFindsTheDefaultCategories_data()
{
    addLanguages();
}

// The sample data looks its categories up by their translated names, so both places must
// translate a category name alike or the sample transactions lose their categories.
void TranslationsTest::sampleDataFindsTheDefaultCategories()
{
    QFETCH(QString, language);
    const QList<CatalogueEntry> entries = catalogue(language);
    if (QTest::currentTestFailed())
        return;

    QHash<QString, QString> defaultCategories;
    for (const CatalogueEntry& entry : entries) {
        if (entry.context == QLatin1String("CategoryService") && !entry.forms.isEmpty())
            defaultCategories.insert(entry.source, entry.forms.first());
    }
    QVERIFY(!defaultCategories.isEmpty());

    QStringList faults;
    int shared = 0;
    for (const CatalogueEntry& entry : entries) {
        if (entry.context != QLatin1String("SampleDataService") ||
            !defaultCategories.contains(entry.source))
            continue;
        ++shared;
        if (entry.forms.value(0) != defaultCategories.value(entry.source))
            faults << QStringLiteral("\"%1\": \"%2\" in the sample data, \"%3\" as a category")
                          .arg(entry.source, entry.forms.value(0),
                               defaultCategories.value(entry.source));
    }
    QVERIFY(shared > 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
