#include "bench/csvsamplefile.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

const char* samplePayees[] = {
    "Bäckerei Müller", "Stadtwerke; Strom", "Drogerie am Markt", "Tankstelle Nord",
    "Buchhandlung",    "Apotheke am Platz", "Online-Shop",       "Café Zentral",
};

// "-1.234,56 EUR"
QString euroText(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    QString whole = QString::number(magnitude / 100);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, QLatin1Char('.'));
    return QStringLiteral("%1%2,%3 EUR")
        .arg(cents < 0 ? QStringLiteral("-") : QString(), whole)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

int CsvSampleFile::write(const QString& path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    QTextStream out(&file);
    out << "Konto;DE12 3456 7890 1234 5678 90\n"
        << "Kontostand;10.000,00 EUR\n"
        << "Buchungstag;Empfänger;Verwendungszweck;Betrag;Saldo\n";
    QRandomGenerator random(rows);
    QDate date(2010, 1, 1);
    qint64 balance = 1000000;
    for (int i = 0; i < rows; ++i) {
        if (random.bounded(3) == 0)
            date = date.addDays(1);
        const bool income = random.bounded(10) == 0;
        const qint64 cents = income ? random.bounded(100000, 400000) : -random.bounded(100, 20000);
        balance += cents;
        const QString payee = QString::fromUtf8(samplePayees[random.bounded(8)]);
        out << date.toString(QStringLiteral("dd.MM.yyyy")) << ';'
            << (payee.contains(QLatin1Char(';')) ? QLatin1Char('"') + payee + QLatin1Char('"')
                                                 : payee)
            << ";Rechnung " << i << ';' << euroText(cents) << ';' << euroText(balance) << '\n';
    }
    return rows;
}
