// importshots <directory> [language]: the import screen with a bank export in its preview (one row
// that will not read, marked), with the mapping rows of QIF files, opened again after them (CSV,
// no file) and in QIF mode before any file is chosen, light and dark, at the size it opens with
// and at 1024 x 700, written as PNG files.

#include "tools/shots.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "services/ledger/accountservice.h"
#include "ui/screens/import/csvmappingpanel.h"
#include "ui/screens/import/importscreen.h"
#include "ui/theme/thememanager.h"

#include <QComboBox>
#include <QFile>
#include <QRadioButton>

namespace {

QString writeFile(const QDir& directory, const QString& name, const QByteArray& bytes)
{
    const QString path = directory.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void addAccount(AppState& state, const QString& name, AccountType type, Currency currency)
{
    Account account;
    account.name = name;
    account.accountType = type;
    account.currency = currency;
    state.accountService()->create(account, QDate::currentDate());
}

} // namespace

int main(int argc, char** argv)
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    const ShotEnvironment environment(application);
    const QString output = shotDirectory(QStringLiteral("."));
    if (output.isEmpty())
        return 1;

    const QDir data = environment.scratch();
    AppState state;
    if (!state.initialize())
        return 1;
    addAccount(state, QStringLiteral("Girokonto"), AccountType::Checking, Currency::EUR);
    addAccount(state, QStringLiteral("Everyday Checking"), AccountType::Checking, Currency::USD);
    addAccount(state, QStringLiteral("Visa"), AccountType::CreditCard, Currency::USD);

    const QString csv =
        writeFile(data, QStringLiteral("umsaetze.csv"),
                  "Konto;DE12 3456 7890 1234 5678 90\n"
                  "Zeitraum;01.01.2024 - 31.01.2024\n"
                  "Kontostand;2.104,25 EUR\n"
                  "Buchungstag;Empf\xC3\xA4nger;Verwendungszweck;Betrag;Saldo\n"
                  "03.01.2024;B\xC3\xA4"
                  "ckerei M\xC3\xBCller;Br\xC3\xB6tchen;-4,80 \xE2\x82\xAC;1.995,20\n"
                  "05.01.2024;\"Stadtwerke; Strom\";Abschlag Januar;-85,00 \xE2\x82\xAC;1.910,20\n"
                  "15.01.2024;Arbeitgeber GmbH;Gehalt Januar;2.450,00 \xE2\x82\xAC;4.360,20\n"
                  "vorgemerkt;Online-Shop;Bestellung 4711;-19,99 \xE2\x82\xAC;4.340,21\n"
                  "22.01.2024;Drogerie;Einkauf;-12,35 \xE2\x82\xAC;4.327,86\n"
                  "31.01.2024;Hausverwaltung;Miete Februar;-1.100,00 \xE2\x82\xAC;3.227,86\n");
    const QString checking = writeFile(
        data, QStringLiteral("checking.qif"),
        "!Account\nNEveryday checking\nTBank\n^\n!Type:Bank\nD01/05/2024\nT-50.00\nPMarket\n^\n"
        "D01/06/2024\nT-100.00\nPTo savings\nL[Rainy Day Savings]\n^\n"
        "!Account\nNRainy Day Savings\nTBank\n^\n!Type:Bank\nD01/06/2024\nT100.00\n"
        "PFrom checking\nL[Everyday checking]\n^\n");
    const QString card = writeFile(data, QStringLiteral("VISA.qif"),
                                   "!Account\nNvisa\nTCCard\n^\nD01/09/2024\nT-45.00\nPCafe\n^\n");
    const QString plain =
        writeFile(data, QStringLiteral("cash-book.qif"), "D01/10/2024\nT-5.00\nPBus\n^\n");

    ImportScreen screen(&state);
    screen.setWindowTitle(QStringLiteral("Import Transactions"));
    const QList<std::pair<QSize, QString>> sizes{{QSize(650, 600), QStringLiteral("")},
                                                 {QSize(1024, 700), QStringLiteral("-1024x700")}};
    bool saved = true;
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        for (const auto& [size, suffix] : sizes) {
            screen.resize(size);
            screen.refresh();
            screen.accountCombo()->setCurrentIndex(
                screen.accountCombo()->findText(QStringLiteral("Girokonto")));
            screen.openCsvFile(csv);
            // The user's choice: the amounts are in column 3, the purpose in column 2.
            screen.csvPanel()
                ->findChild<QComboBox*>(QStringLiteral("amountColumn"))
                ->setCurrentIndex(3);
            screen.csvPanel()
                ->findChild<QComboBox*>(QStringLiteral("memoColumn"))
                ->setCurrentIndex(3);
            screen.show();
            QApplication::processEvents();
            saved &= saveShot(
                screen,
                QDir(output).filePath(QStringLiteral("import-csv-%1%2.png").arg(theme, suffix)));

            screen.refresh();
            screen.findChildren<QRadioButton*>().last()->setChecked(true);
            screen.openQifFiles({checking, card, plain});
            QApplication::processEvents();
            saved &= saveShot(
                screen,
                QDir(output).filePath(QStringLiteral("import-qif-%1%2.png").arg(theme, suffix)));

            screen.refresh();
            QApplication::processEvents();
            saved &= saveShot(
                screen, QDir(output).filePath(
                            QStringLiteral("import-csv-reopened-%1%2.png").arg(theme, suffix)));

            screen.findChildren<QRadioButton*>().last()->setChecked(true);
            QApplication::processEvents();
            saved &= saveShot(
                screen, QDir(output).filePath(
                            QStringLiteral("import-qif-no-file-%1%2.png").arg(theme, suffix)));
        }
    }
    return saved ? 0 : 1;
}
