#include "services/backup/zipreader.h"
#include "services/backup/zipwriter.h"
#include "tests/common/unziptool.h"
#include "tests/common/ziptamper.h"

#include <QRandomGenerator>
#include <QTest>

// The archive layer under backups: what ZipWriter writes, ZipReader and Info-ZIP read back,
// and what a damaged or hostile archive does to ZipReader.
class TestZipArchive : public QObject
{
    Q_OBJECT

private:
    static QByteArray randomBytes(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator generator(42);
        for (char& byte : bytes)
            byte = char(generator.bounded(256));
        return bytes;
    }

    static QByteArray singleEntryArchive(const QByteArray& content)
    {
        ZipWriter writer;
        writer.addFile(QStringLiteral("transactions/a.json"), content);
        return writer.finish();
    }

private slots:
    void roundTrip_data();
    void roundTrip();
    void entriesBeyondSixteenBitCount();
    void contentsMadeOneAtATime();
    void archivesNotBuilt_data();
    void archivesNotBuilt();
    void damagedArchives_data();
    void damagedArchives();
};

void TestZipArchive::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("empty entry") << "empty.json" << QByteArray();
    QTest::newRow("tiny entry") << "tiny.json" << QByteArray("{}");
    QTest::newRow("compressible document")
        << "transactions/0b5c.json"
        << QByteArray("{\n    \"payee\": \"Market\"\n}\n").repeated(500);
    QTest::newRow("incompressible bytes are stored") << "noise.bin" << randomBytes(5000);
    QTest::newRow("UTF-8 name") << "catégories/ü€.json" << QByteArray("{\"name\": \"Café\"}");
}

void TestZipArchive::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    ZipWriter writer;
    QVERIFY(writer.addFile(QStringLiteral("first.txt"), "first"));
    QVERIFY(!writer.addFile(QStringLiteral("first.txt"), "a second entry of the same name"));
    QVERIFY(writer.addFile(name, content));
    QVERIFY(writer.addFile(QStringLiteral("manifest.json"), "{\"version\": 1}"));
    const QByteArray archive = writer.finish();

    ZipReader reader(archive);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), 3);
    QCOMPARE(reader.entries().at(1).name, name);
    QCOMPARE(reader.indexOf(QStringLiteral("manifest.json")), 2);
    QByteArray read;
    QCOMPARE(reader.read(1, 1 << 20, read), ZipReader::ReadStatus::Ok);
    QCOMPARE(read, content);

    if (UnzipTool::isAvailable()) {
        QString output;
        QVERIFY2(UnzipTool::accepts(archive, &output), qPrintable(output));
    }
}

void TestZipArchive::entriesBeyondSixteenBitCount()
{
    // The classic end record counts entries in 16 bits: 70,000 entries would read back as
    // 4,464 without the ZIP64 records.
    constexpr int count = 70000;
    ZipWriter writer;
    for (int i = 0; i < count; ++i)
        QVERIFY(
            writer.addFile(QStringLiteral("transactions/%1.json").arg(i), QByteArray::number(i)));
    const QByteArray archive = writer.finish();

    ZipReader reader(archive);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), count);
    QByteArray last;
    QCOMPARE(reader.read(count - 1, 100, last), ZipReader::ReadStatus::Ok);
    QCOMPARE(last, QByteArray::number(count - 1));

    if (UnzipTool::isAvailable()) {
        QString output;
        QVERIFY2(UnzipTool::accepts(archive, &output), qPrintable(output.left(2000)));
    }
}

void TestZipArchive::contentsMadeOneAtATime()
{
    // A content is made only while finish() writes its entry, once, in entry order, and let go
    // before the next one is made, so that a large archive never holds all its documents.
    QStringList asked;
    QByteArray lastMade;
    bool heldAtOnce = false;
    const ZipWriter::Content content = [&](const QString& name) {
        heldAtOnce = heldAtOnce || (!lastMade.isNull() && !lastMade.isDetached());
        asked << name;
        lastMade = "content of " + name.toUtf8();
        return std::optional(lastMade);
    };
    const QStringList names{"accounts/a.json", "transactions/b.json", "manifest.json",
                            "transactions/c.json"};
    ZipWriter writer;
    QVERIFY(writer.addFile(names.at(0), content));
    QVERIFY(writer.addFile(names.at(1), content));
    QVERIFY(writer.addFile(names.at(2), QByteArray("content of manifest.json")));
    QVERIFY(writer.addFile(names.at(3), content));
    QVERIFY(!writer.addFile(names.at(1), content));
    QVERIFY(asked.isEmpty());
    const QByteArray archive = writer.finish();
    QCOMPARE(asked, (QStringList{names.at(0), names.at(1), names.at(3)}));
    QVERIFY(!heldAtOnce);
    QVERIFY(lastMade.isDetached());

    ZipReader reader(archive);
    QCOMPARE(reader.entries().size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(reader.entries().at(i).name, names.at(i));
        QByteArray read;
        QCOMPARE(reader.read(i, 100, read), ZipReader::ReadStatus::Ok);
        QCOMPARE(read, "content of " + names.at(i).toUtf8());
    }
}

void TestZipArchive::archivesNotBuilt_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("failing"); // the entry whose content cannot be made, or -1

    QTest::newRow("no entries") << 0 << -1;
    QTest::newRow("first content cannot be made") << 3 << 0;
    QTest::newRow("last content cannot be made") << 3 << 2;
}

void TestZipArchive::archivesNotBuilt()
{
    QFETCH(int, entries);
    QFETCH(int, failing);

    ZipWriter writer;
    for (int i = 0; i < entries; ++i) {
        QVERIFY(writer.addFile(QStringLiteral("accounts/%1.json").arg(i),
                               [i, failing](const QString&) -> std::optional<QByteArray> {
                                   if (i == failing)
                                       return std::nullopt;
                                   return QByteArray("{}");
                               }));
    }
    QCOMPARE(writer.finish(), QByteArray());
    QCOMPARE(writer.errorString(),
             failing < 0 ? QString()
                         : QStringLiteral("no content for accounts/%1.json").arg(failing));
}

void TestZipArchive::damagedArchives_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expected"); // what a read that succeeds gives

    const QString name = QStringLiteral("transactions/a.json");
    const QByteArray content = QByteArray("{\"memo\": \"") + QByteArray(4000, 'x') + "\"}";
    const QByteArray good = singleEntryArchive(content);
    const QByteArray noise = randomBytes(4000);
    const QByteArray stored = singleEntryArchive(noise);
    QVERIFY(ZipTamper::centralHeader(good, name) > 0);
    const auto damaged = [&](const QByteArray& archive, int field, quint32 value) {
        QByteArray bytes = archive;
        ZipTamper::patchCentral32(bytes, name, field, value);
        return bytes;
    };
    const auto damaged16 = [&](int field, quint16 value) {
        QByteArray bytes = good;
        ZipTamper::patchCentral16(bytes, name, field, value);
        return bytes;
    };
    const int unreadable = int(ZipReader::ReadStatus::Unreadable);

    QTest::newRow("not a ZIP file")
        << QByteArray("date,payee,amount\n") << false << 0 << QByteArray();
    QTest::newRow("empty bytes") << QByteArray() << false << 0 << QByteArray();
    const qsizetype central = ZipTamper::centralHeader(good, name);
    QTest::newRow("cut inside the central directory")
        << good.left(central + 20) + good.right(22) << false << 0 << QByteArray();
    QTest::newRow("truncated to its first half")
        << good.left(good.size() / 2) << false << 0 << QByteArray();
    QTest::newRow("last byte missing") << good.chopped(1) << false << 0 << QByteArray();

    // Declares 10 bytes but inflates to 4,000: the read stops at the declared size.
    QTest::newRow("declared size smaller than the data")
        << damaged(good, ZipTamper::sizeField, 10) << true << unreadable << QByteArray();
    QTest::newRow("stored entry longer than its declared size")
        << damaged(stored, ZipTamper::sizeField, 10) << true << unreadable << QByteArray();
    QTest::newRow("declared size larger than the data")
        << damaged(good, ZipTamper::sizeField, 5000) << true << unreadable << QByteArray();
    QTest::newRow("declared size above the ceiling")
        << damaged(good, ZipTamper::sizeField, 0xfffffff0u) << true
        << int(ZipReader::ReadStatus::TooLarge) << QByteArray();

    // The deflate stream ends by itself within the archive, and its size and checksum agree
    // with the directory, so the data is still good; stored data has no end of its own.
    QTest::newRow("compressed size beyond the archive")
        << damaged(good, ZipTamper::compressedSizeField, 0x7fffffff) << true
        << int(ZipReader::ReadStatus::Ok) << content;
    QTest::newRow("stored size beyond the archive")
        << damaged(stored, ZipTamper::compressedSizeField, 0x7fffffff) << true << unreadable
        << QByteArray();

    QTest::newRow("local header beyond the archive")
        << damaged(good, ZipTamper::localHeaderOffsetField, 0x7ffffff0) << true << unreadable
        << QByteArray();
    QTest::newRow("checksum mismatch")
        << damaged(good, ZipTamper::crcField, 0x12345678) << true << unreadable << QByteArray();
    QByteArray corrupt = good;
    for (qsizetype i = 60; i < 80; ++i)
        corrupt[i] = char(0xff);
    QTest::newRow("corrupt deflate data") << corrupt << true << unreadable << QByteArray();
    QTest::newRow("encrypted") << damaged16(ZipTamper::flagsField, 0x0001) << true << unreadable
                               << QByteArray();
    QTest::newRow("unknown compression method")
        << damaged16(ZipTamper::methodField, 77) << true << unreadable << QByteArray();
}

void TestZipArchive::damagedArchives()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, valid);
    QFETCH(int, status);
    QFETCH(QByteArray, expected);

    ZipReader reader(archive);
    QCOMPARE(reader.isValid(), valid);
    if (!valid) {
        QVERIFY(reader.entries().isEmpty());
        QCOMPARE(reader.indexOf(QStringLiteral("transactions/a.json")), -1);
        return;
    }
    QByteArray content("left over");
    QCOMPARE(int(reader.read(0, 1 << 20, content)), status);
    QCOMPARE(content, expected);
}

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
