#include "bench/qifsamplefile.h"

#include <QDate>
#include <QFile>
#include <QList>
#include <QRandomGenerator>

namespace {

struct SampleAccount
{
    const char* name;
    const char* type;
    int share; // parts of the records, out of 100
};

const SampleAccount sampleAccounts[] = {
    {"Checking", "Bank", 45}, {"Savings", "Bank", 10},   {"Visa", "CCard", 30},
    {"Wallet", "Cash", 10},   {"Brokerage", "Invst", 5},
};

const char* samplePayees[] = {
    "Greenleaf Market",   "Hilltop Gas",    "Lakeside Utilities", "Streamline TV",
    "Maplewood Diner",    "Clearview Ins.", "Pinecrest Apts",     "NetConnect ISP",
    "Ridgeline Pharmacy", "Dash Delivery",  "Gadget World",       "Stellar Coffee",
    "Corner Bakery",      "City Parking",   "Riverside Cinema",   "Harbor Hardware",
};

const char* sampleCategories[] = {
    "Groceries", "Auto:Fuel", "Utilities", "Entertainment", "Dining", "Insurance",
    "Rent",      "Internet",  "Health",    "Household",     "Gifts",  "Travel",
};

QString amountText(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString dateText(const QDate& date)
{
    return QStringLiteral("%1/%2'%3")
        .arg(date.month())
        .arg(date.day())
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList QifSampleFile::accountNames()
{
    QStringList names;
    for (const SampleAccount& account : sampleAccounts)
        names << QLatin1String(account.name);
    return names;
}

int QifSampleFile::write(const QString& path, int records)
{
    constexpr int accountCount = int(std::size(sampleAccounts));
    QRandomGenerator random(19700101);
    const QDate first(2014, 1, 1);
    QList<QString> sections[accountCount];

    int written = 0;
    while (written < records) {
        int pick = random.bounded(100);
        int account = 0;
        while (pick >= sampleAccounts[account].share)
            pick -= sampleAccounts[account++].share;
        const QDate date = first.addDays(random.bounded(3650));
        const int kind = random.bounded(100);

        if (kind < 8 && account != 1 && written + 2 <= records) {
            // A transfer to savings: one record in each account's section.
            const qint64 cents = 1000 + random.bounded(100000);
            sections[account] << QStringLiteral("D%1\nT%2\nPTransfer\nL[Savings]\nCX\n^\n")
                                     .arg(dateText(date), amountText(-cents));
            sections[1] << QStringLiteral("D%1\nT%2\nPTransfer\nL[%3]\nCX\n^\n")
                               .arg(dateText(date), amountText(cents),
                                    QLatin1String(sampleAccounts[account].name));
            written += 2;
            continue;
        }

        const QString payee =
            QLatin1String(samplePayees[random.bounded(int(std::size(samplePayees)))]);
        const qint64 cents =
            kind >= 92 ? 50000 + random.bounded(300000) : -(100 + random.bounded(25000));
        QString record =
            QStringLiteral("D%1\nT%2\nP%3\n").arg(dateText(date), amountText(cents), payee);
        if (kind % 3 == 0)
            record += QStringLiteral("C*\n");
        if (kind % 7 == 0)
            record += QStringLiteral("N%1\n").arg(1000 + written % 9000);
        if (kind % 5 == 0)
            record += QStringLiteral("Mreceipt %1\n").arg(written);
        if (kind >= 86 && kind < 92) {
            const qint64 part = cents / 3;
            record += QStringLiteral("SGroceries\n$%1\nSHousehold\n$%2\nEsplit\n")
                          .arg(amountText(part), amountText(cents - part));
        } else {
            record += QStringLiteral("L%1\n").arg(
                QLatin1String(sampleCategories[random.bounded(int(std::size(sampleCategories)))]));
        }
        sections[account] << record + QStringLiteral("^\n");
        ++written;
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    QString head = QStringLiteral("!Type:Cat\n");
    for (const char* category : sampleCategories)
        head += QStringLiteral("N%1\nE\n^\n").arg(QLatin1String(category));
    head += QStringLiteral("NSalary\nI\n^\n");
    file.write(head.toUtf8());
    for (int account = 0; account < accountCount; ++account) {
        file.write(QStringLiteral("!Account\nN%1\nT%2\n^\n!Type:%2\n")
                       .arg(QLatin1String(sampleAccounts[account].name),
                            QLatin1String(sampleAccounts[account].type))
                       .toUtf8());
        for (const QString& record : std::as_const(sections[account]))
            file.write(record.toUtf8());
        sections[account].clear();
    }
    return written;
}
