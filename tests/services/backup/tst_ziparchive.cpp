#include "services/backup/zipreader.h"
#include "services/backup/zipwriter.h"
#include "tests/common/unziptool.h"

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

    static void patch32(QByteArray& bytes, qsizetype at, quint32 value)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xff);
    }

private slots:
    void roundTrip_data();
    void roundTrip();
    void entriesBeyondSixteenBitCount();
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

void TestZipArchive::damagedArchives_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("status");

    const QByteArray content = QByteArray("{\"memo\": \"") + QByteArray(4000, 'x') + "\"}";
    const QByteArray good = singleEntryArchive(content);
    const qsizetype central = good.indexOf(QByteArray("PK\x01\x02", 4));
    QVERIFY(central > 0);

    QTest::newRow("not a ZIP file") << QByteArray("date,payee,amount\n") << false << 0;
    QTest::newRow("empty bytes") << QByteArray() << false << 0;
    QTest::newRow("cut inside the central directory")
        << good.left(central + 20) + good.right(22) << false << 0;

    QByteArray lying = good;
    patch32(lying, central + 24, 10); // declares 10 bytes, inflates to 4,000
    QTest::newRow("declared size smaller than the data")
        << lying << true << int(ZipReader::ReadStatus::Unreadable);

    QByteArray huge = good;
    patch32(huge, central + 24, 0xfffffff0u);
    QTest::newRow("declared size above the ceiling")
        << huge << true << int(ZipReader::ReadStatus::TooLarge);

    QByteArray overrun = good;
    patch32(overrun, central + 20, 0x7fffffff);
    QTest::newRow("compressed size beyond the archive")
        << overrun << true << int(ZipReader::ReadStatus::Unreadable);

    QByteArray offset = good;
    patch32(offset, central + 42, 0x7ffffff0);
    QTest::newRow("local header beyond the archive")
        << offset << true << int(ZipReader::ReadStatus::Unreadable);

    QByteArray checksum = good;
    patch32(checksum, central + 16, 0x12345678);
    QTest::newRow("checksum mismatch")
        << checksum << true << int(ZipReader::ReadStatus::Unreadable);

    QByteArray corrupt = good;
    for (qsizetype i = 60; i < 80; ++i)
        corrupt[i] = char(0xff);
    QTest::newRow("corrupt deflate data")
        << corrupt << true << int(ZipReader::ReadStatus::Unreadable);
}

void TestZipArchive::damagedArchives()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, valid);
    QFETCH(int, status);

    ZipReader reader(archive);
    QCOMPARE(reader.isValid(), valid);
    if (!valid) {
        QVERIFY(reader.entries().isEmpty());
        return;
    }
    QByteArray content;
    QCOMPARE(int(reader.read(0, 1 << 20, content)), status);
    QVERIFY(content.isEmpty());
}

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
