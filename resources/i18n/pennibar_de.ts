<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stand vom:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Konto&amp;nummer:</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht eingerichtet werden.

Datenverzeichnis: %1

Bitte prüfen Sie die Zugriffsrechte und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Pennibar Is Already Running</source>
        <translation>Pennibar läuft bereits</translation>
    </message>
    <message>
        <source>Pennibar is already running with the data directory %1, but it does not answer.

Close it and try again.</source>
        <translation>Pennibar läuft bereits mit dem Datenverzeichnis %1, reagiert aber nicht.

Beenden Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BackupRowWriter</name>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1: unbekannte Spalte %2</translation>
    </message>
    <message>
        <source>%1: unsupported value for %2</source>
        <translation>%1: nicht unterstützter Wert für %2</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: Eintrag zu groß</translation>
    </message>
    <message>
        <source>%1: unreadable entry</source>
        <translation>%1: Eintrag nicht lesbar</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>The database could not start the restore</source>
        <translation>Die Datenbank konnte die Wiederherstellung nicht starten</translation>
    </message>
    <message>
        <source>The restored rows could not be stored; nothing was restored</source>
        <translation>Die wiederhergestellten Zeilen konnten nicht gespeichert werden; es wurde nichts wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Kategorien suchen...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>Die Kategorie „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie sind danach ohne Kategorie.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>Die Kategorie „%1“ konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Übergeordnet:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Steuerlich relevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Diese Kategorie in Berichte für die Steuererklärung aufnehmen.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>z. B. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Steuer&amp;kennzeichen:</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Geschäftsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- und Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Öffentlicher Nahverkehr</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Essen &amp; Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Kranken</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat/Wohngebäude</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberufliche Tätigkeit / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Umbuchungen</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerkennzeichen</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>One signed column</source>
        <translation>Eine Spalte mit Vorzeichen</translation>
    </message>
    <message>
        <source>Withdrawal and deposit columns</source>
        <translation>Spalten für Ausgang und Eingang</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Monat T, JJJJ (May 14, 2026)</translation>
    </message>
    <message>
        <source>D Mon YYYY (14 May 2026)</source>
        <translation>T Mon JJJJ (14 May 2026)</translation>
    </message>
    <message>
        <source>ISO 8601 (2026-05-14T09:30)</source>
        <translation>ISO 8601 (2026-05-14T09:30)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Rows above this one (an account name, a balance) are not imported</source>
        <translation>Zeilen oberhalb dieser Zeile (ein Kontoname, ein Saldo) werden nicht importiert</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>Header row:</source>
        <translation>Kopfzeile:</translation>
    </message>
    <message>
        <source>First data row:</source>
        <translation>Erste Datenzeile:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Empfängerspalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Withdrawal column:</source>
        <translation>Spalte Ausgang:</translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>Spalte Eingang:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Notizspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>Beträge:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n Zeile wird importiert</numerusform>
            <numerusform>%n Zeilen werden importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped (marked)</source>
        <translation>
            <numerusform>%n Zeile ist nicht lesbar und wird übersprungen (markiert)</numerusform>
            <numerusform>%n Zeilen sind nicht lesbar und werden übersprungen (markiert)</numerusform>
        </translation>
    </message>
    <message>
        <source>dates read as %1</source>
        <translation>Datum gelesen als %1</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Above the table: not imported</source>
        <translation>Oberhalb der Tabelle: wird nicht importiert</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>Kopfzeile: wird nicht importiert</translation>
    </message>
    <message>
        <source>This row does not reach every chosen column</source>
        <translation>Diese Zeile reicht nicht bis zu jeder gewählten Spalte</translation>
    </message>
    <message>
        <source>The date does not read with the chosen date format</source>
        <translation>Das Datum passt nicht zum gewählten Datumsformat</translation>
    </message>
    <message>
        <source>The amount does not read as an amount</source>
        <translation>Der Betrag ist nicht als Betrag lesbar</translation>
    </message>
    <message>
        <source>This cell will not be read</source>
        <translation>Diese Zelle wird nicht gelesen</translation>
    </message>
    <message>
        <source>How the import reads this row</source>
        <translation>So liest der Import diese Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Sp. %1</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>DateShortcuts</name>
    <message>
        <source>Date Field</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Nächster / vorheriger Tag</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Erster / letzter Tag des Monats</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Erster / letzter Tag des Jahres</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Erster / letzter Tag der Woche</translation>
    </message>
</context>
<context>
    <name>Enumerations</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Import läuft...</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Das Konto konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (ohne Kontokopf)</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Ein Datenbankfehler hat den Import abgebrochen; alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung kontenübergreifend verknüpft</numerusform>
            <numerusform>%n Umbuchungen kontenübergreifend verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit früher importierter Zeile verknüpft)</numerusform>
            <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleich&amp;sverlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tovarly Pennibar</source>
        <translation>&amp;Über Tovarly Pennibar</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Welcome to Tovarly Pennibar</source>
        <translation>Willkommen bei Tovarly Pennibar</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um zu beginnen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch aus einer CSV-Datei importieren: Datei › Importieren.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichsverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Buchungen und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisierung wiederherstellen.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Ihr Konto verwalten</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Anmelden oder registrieren</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>About Tovarly Pennibar</source>
        <translation>Über Tovarly Pennibar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital register for your household finances: accounts, payments and deposits with a running balance.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and the source code at &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein digitales Kontobuch für Ihre Haushaltsfinanzen: Konten, Zahlungen und Einzahlungen mit laufendem Saldo.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Diese Anwendung verwendet das Qt-Framework unter der GNU LGPL Version 3. Siehe &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; und den Quellcode unter &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Keine Beispieldaten zum Entfernen vorhanden.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Zu Konto 1&amp;ndash;9 wechseln</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Zu Konto 10 wechseln</translation>
    </message>
    <message>
        <source>The account could not be created</source>
        <translation>Das Konto konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>Das Konto konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleich – %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>Das Konto konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Diese Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Tovarly Account</source>
        <translation>Tovarly-Konto</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Tovarly account.</source>
        <translation>Zum Teilen benötigen Sie ein Tovarly-Konto.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Teilen: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tovarly family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit Mitgliedern Ihrer Tovarly-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Kontobuch, dieselben Salden und denselben Abgleichsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>You&apos;re not in a Tovarly family group yet. Create one or join one in File › Tovarly Account to share your accounts.</source>
        <translation>Sie gehören noch keiner Tovarly-Familiengruppe an. Gründen Sie eine oder treten Sie einer bei – unter Datei › Tovarly-Konto –, um Ihre Konten zu teilen.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Zugriff von %1 auf dieses Konto entfernen?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>&amp;Tovarly Account...</source>
        <translation>&amp;Tovarly-Konto...</translation>
    </message>
    <message>
        <source>Total (%1): %2</source>
        <comment>the code of the currency added up, such as USD; the total</comment>
        <translation>Gesamt (%1): %2</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was/were replaced by a newer version from another device (see Preferences → Data &amp; Sync)</source>
        <translation>
            <numerusform>%n Änderung wurde durch eine neuere Fassung von einem anderen Gerät ersetzt (siehe Einstellungen → Daten &amp; Synchronisierung)</numerusform>
            <numerusform>%n Änderungen wurden durch eine neuere Fassung von einem anderen Gerät ersetzt (siehe Einstellungen → Daten &amp; Synchronisierung)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpeningBalance</name>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>Die Empfänger konnten nicht umbenannt werden. Es wurde keine Buchung geändert.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Empfänger in %n Buchung umbenannt.</numerusform>
            <numerusform>Empfänger in %n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie zum Zusammenführen mindestens 2 Empfänger aus.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, wohin jedes Quicken-Konto importiert werden soll. Bei Konten, die über die gewählten Dateien hinweg zugeordnet sind, werden Umbuchungen automatisch verknüpft.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo laut Auszug</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Kontobuch ab, um den Verlauf hier zu sehen.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichsverlauf – %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo laut Auszug:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Bestätigte Eingänge</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Bestätigte Ausgänge</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo laut Auszug</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>The account was not reconciled and nothing was changed. The figures have been read again; check them and try again.</source>
        <translation>Das Konto wurde nicht abgeglichen, und nichts wurde geändert. Die Werte wurden neu eingelesen; prüfen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung von %1 löschen?</translation>
    </message>
    <message>
        <source>Both sides of the transfer will be deleted.</source>
        <translation>Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empfänger eingeben und suchen...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Im Voraus buchen:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>B&amp;estätigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>&amp;Vorzeitig buchen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Nächste 7 Tage buchen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Vorzeitig buchen</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>„%1“ jetzt buchen, mit Datum %2? Die Buchung erhält ihr Fälligkeitsdatum; Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Alle wiederkehrenden Buchungen buchen, die in den nächsten 7 Tagen fällig sind? Sie erhalten ihr Fälligkeitsdatum; Sie können sie später bearbeiten oder löschen.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Geben Sie ein gültiges Datum ein</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Scheck-Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben kopieren</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Spalten anzeigen</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Spaltenlayout zurücksetzen</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Gegenkonto nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung auf %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Umbuchung von %1</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neue &amp;Zeile einfügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Im &amp;Dialog bearbeiten...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>D&amp;etails anzeigen...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>&amp;Aufteilung bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Buchung auf&amp;teilen...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;bestätigt markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Neue Buchung einfügen</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Aktuelle Buchung löschen</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Umschalt+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Nächstes / vorheriges Feld</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (Apostroph)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Wert aus dem Feld darüber kopieren</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>&amp;Memorize Transaction...</source>
        <translation>Buchung &amp;merken...</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrend gemerkt</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Geben Sie ein gültiges Datum ein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category: pick one from the list or clear the cell</source>
        <translation>„%1“ ist keine Kategorie: Wählen Sie eine aus der Liste oder leeren Sie die Zelle</translation>
    </message>
    <message>
        <source>Enter a payment or a deposit, not both</source>
        <translation>Geben Sie eine Zahlung oder eine Einzahlung ein, nicht beides</translation>
    </message>
    <message>
        <source>Date Before 2000</source>
        <translation>Datum vor 2000</translation>
    </message>
    <message>
        <source>The date %1 is before 2000. Transactions dated before 1/1/2000 are not synchronised to your other devices.

Save the transaction with this date?</source>
        <translation>Das Datum %1 liegt vor dem Jahr 2000. Buchungen vor dem 1.1.2000 werden nicht mit Ihren anderen Geräten synchronisiert.

Buchung mit diesem Datum speichern?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Nicht gespeicherte Buchung</translation>
    </message>
    <message>
        <source>The transaction being typed in &quot;%1&quot; has not been saved.

Save it in &quot;%1&quot;?</source>
        <translation>Die in „%1“ eingegebene Buchung wurde nicht gespeichert.

In „%1“ speichern?</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>All other categories</source>
        <translation>Alle anderen Kategorien</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>All other payees</source>
        <translation>Alle anderen Empfänger</translation>
    </message>
    <message>
        <source>P1: %1 – %2</source>
        <translation>Z1: %1 – %2</translation>
    </message>
    <message>
        <source>P2: %1 – %2</source>
        <translation>Z2: %1 – %2</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Laufende Summe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <comment>the code of the currency added up, such as USD</comment>
        <translation>Gesamt (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Empfängerübersicht</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerkennzeichen</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>No figures to chart for these filters</source>
        <translation>Für diese Filter gibt es keine Werte für ein Diagramm</translation>
    </message>
    <message>
        <source>MMM yy</source>
        <comment>QDate format of a month on a chart axis</comment>
        <translation>MMM yy</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>QDate format of a day on a chart axis</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>QDate format of a month in a tool tip</comment>
        <translation>MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr vs. Vorjahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Vorjahr vs. vorletztes Jahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal vs. Vorquartal</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>Diagramm anzeigen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleichen:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Hauptgirokonto</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Volksbank</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Prämienkarte</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath GmbH</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Gehalt (zweiwöchentlich)</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Wohnungen</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Miete Februar</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Markt</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Tankstelle</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Stadtwerke</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Stromrechnung</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Wasserrechnung</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Monatliches Streaming</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Abendessen auswärts</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Essen &amp; Restaurants</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Versicherung</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Gemeinde Hoffnung</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monatliche Spende</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Umbuchung auf Sparkonto</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monatliche Sparrate</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Miete März</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect Internet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internetanschluss</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Apotheke</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Kaffee &amp; Gebäck</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Zinsgutschrift</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Umbuchung vom Girokonto</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Lieferdienst</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Essenslieferung</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Handyhülle</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud-Speicher-Tarif</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Zahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Kreditkartenzahlung</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Kaffeebohnen</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programmierbücher</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB-Hub</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur bestätigte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
</context>
<context>
    <name>ServerField</name>
    <message>
        <source>Tovarly (default)</source>
        <translation>Tovarly (Standard)</translation>
    </message>
    <message>
        <source>Use default</source>
        <translation>Standard verwenden</translation>
    </message>
    <message>
        <source>Set in the environment, which takes precedence: %1</source>
        <translation>In der Umgebung festgelegt, was Vorrang hat: %1</translation>
    </message>
    <message>
        <source>Enter the server&apos;s web address, for example https://money.example.org</source>
        <translation>Geben Sie die Webadresse des Servers ein, zum Beispiel https://money.example.org</translation>
    </message>
    <message>
        <source>The new server is used from the next start of Tovarly Pennibar.</source>
        <translation>Der neue Server wird ab dem nächsten Start von Tovarly Pennibar verwendet.</translation>
    </message>
    <message>
        <source>Tovarly&apos;s servers are used from the next start of Tovarly Pennibar.</source>
        <translation>Die Server von Tovarly werden ab dem nächsten Start von Tovarly Pennibar verwendet.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Synchronisierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Tovarly Pennibar looks.</source>
        <translation>Legen Sie fest, wie Tovarly Pennibar aussieht.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regionales</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tovarly Pennibar.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Tovarly Pennibar wirksam.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kontobuch angezeigt werden.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Darstellung</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Notiz in einer zweiten Zeile unter dem Empfänger anzeigen.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kontobuch fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, erscheinen die neuesten Buchungen oben.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your pennibar in sync across all your devices.</source>
        <translation>Halten Sie Ihr Pennibar-Kontobuch auf allen Ihren Geräten synchron.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The Tovarly server to sign in to, sync with and take updates from. A household that runs its own pennibar-server enters its address.</source>
        <translation>Der Tovarly-Server für Anmeldung, Synchronisierung und Updates. Ein Haushalt, der einen eigenen pennibar-server betreibt, gibt hier dessen Adresse ein.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in einer portablen Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten können Sie hier wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Tovarly Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Tovarly-Konto an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>pennibar-backup-%1.zip</source>
        <translation>pennibar-backup-%1.zip</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Export läuft...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Daten der Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Import läuft...</translation>
    </message>
    <message>
        <source>The backup was not imported:
%1</source>
        <translation>Die Sicherung wurde nicht importiert:
%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n Fehler ist aufgetreten.</numerusform>
            <numerusform>

%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital register for tracking your household finances: accounts, payments and deposits with a running balance, recurring transactions, reconciliation, reports and backups, all kept on this computer.</source>
        <translation>Ein digitales Kontobuch für Ihre Haushaltsfinanzen: Konten, Zahlungen und Einzahlungen mit laufendem Saldo, wiederkehrende Buchungen, Abgleich, Berichte und Sicherungen – alles auf diesem Computer gespeichert.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Tovarly Pennibar website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Website von Tovarly Pennibar&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar für Ihr Smartphone&lt;/a&gt;</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Diese Anwendung verwendet das Qt-Framework unter der Lizenz LGPL v3.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Damit werden alle lokalen Zeilen erneut zum Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisierung...</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of the last sync</comment>
        <translation>d. MMM, HH:mm</translation>
    </message>
</context>
<context>
    <name>SignInMessages</name>
    <message>
        <source>Sign in on the page now open in your web browser</source>
        <translation>Melden Sie sich auf der Seite an, die jetzt in Ihrem Webbrowser geöffnet ist</translation>
    </message>
    <message>
        <source>no local port was free for the browser to come back to</source>
        <translation>es war kein lokaler Port frei, zu dem der Browser zurückkehren kann</translation>
    </message>
    <message>
        <source>the browser came back without a sign-in</source>
        <translation>der Browser kam ohne Anmeldung zurück</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the server did not accept it; please sign in again</source>
        <translation>der Server hat sie nicht angenommen; bitte melden Sie sich erneut an</translation>
    </message>
    <message>
        <source>the server could not be reached to finish it; please sign in again</source>
        <translation>der Server war zum Abschließen nicht erreichbar; bitte melden Sie sich erneut an</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1 but the transaction is %2. Change them until nothing remains.</source>
        <translation>Die Teilbeträge ergeben %1, die Buchung beträgt aber %2. Passen Sie sie an, bis nichts mehr übrig ist.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Zeile hinzufügen</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Entfernen</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Choose a category for each split line that has an amount.</source>
        <translation>Wählen Sie für jede Teilbuchung mit Betrag eine Kategorie.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n wiederkehrende Buchung fällig</numerusform>
            <numerusform>  •  %n wiederkehrende Buchungen fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncConflictsPanel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Recurring transaction</source>
        <translation>Wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>Buchung</translation>
    </message>
    <message>
        <source>Replaced %1</source>
        <translation>Ersetzt am %1</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of a replacement</comment>
        <translation>d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; Keep Mine adds it again</source>
        <translation>%1 · auf einem anderen Gerät gelöscht; „Meine behalten“ fügt sie wieder hinzu</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; it cannot be put back</source>
        <translation>%1 · auf einem anderen Gerät gelöscht; kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Synchronisierungskonflikte</translation>
    </message>
    <message>
        <source>Changes made on this device that a newer version from another device replaced. Keep yours to apply it again, or discard it to keep theirs.</source>
        <translation>Änderungen auf diesem Gerät, die durch eine neuere Fassung von einem anderen Gerät ersetzt wurden. Behalten Sie Ihre, um sie erneut anzuwenden, oder verwerfen Sie sie, um die andere zu behalten.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your version could not be put back. It stays in the list.</source>
        <translation>Ihre Fassung konnte nicht wiederhergestellt werden. Sie bleibt in der Liste.</translation>
    </message>
    <message>
        <source>Discard your version of &quot;%1&quot;? The version from the other device stays.</source>
        <translation>Ihre Fassung von „%1“ verwerfen? Die Fassung des anderen Geräts bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisierung läuft...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>Die abgerufenen Änderungen konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SyncFailure</name>
    <message>
        <source>The sync server could not be reached</source>
        <translation>Der Synchronisierungsserver ist nicht erreichbar</translation>
    </message>
    <message>
        <source>The sync server no longer accepts your sign-in; please sign in again</source>
        <translation>Der Synchronisierungsserver akzeptiert Ihre Anmeldung nicht mehr; bitte melden Sie sich erneut an</translation>
    </message>
    <message>
        <source>The sync server refused access to your data</source>
        <translation>Der Synchronisierungsserver verweigert den Zugriff auf Ihre Daten</translation>
    </message>
    <message>
        <source>The server at this address does not offer sync (HTTP 404)</source>
        <translation>Der Server unter dieser Adresse bietet keine Synchronisierung an (HTTP 404)</translation>
    </message>
    <message>
        <source>The sync server is busy; sync will try again later</source>
        <translation>Der Synchronisierungsserver ist ausgelastet; es wird später erneut versucht</translation>
    </message>
    <message>
        <source>The changes are too large for the sync server to accept (HTTP 413)</source>
        <translation>Die Änderungen sind zu groß für den Synchronisierungsserver (HTTP 413)</translation>
    </message>
    <message>
        <source>The sync server ran into a problem (HTTP %1); sync will try again later</source>
        <translation>Beim Synchronisierungsserver ist ein Fehler aufgetreten (HTTP %1); es wird später erneut versucht</translation>
    </message>
    <message>
        <source>The sync server refused the request (HTTP %1)</source>
        <translation>Der Synchronisierungsserver hat die Anfrage abgelehnt (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>TovAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personen mit Zugriff</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Personen hinzufügen</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Once people join your group, you can share this account with them here.</source>
        <translation>Sie haben noch keine Familiengruppe. Sobald Personen Ihrer Gruppe beitreten, können Sie dieses Konto hier mit ihnen teilen.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Alle Gruppenmitglieder haben bereits Zugriff</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Zugriff entfernen?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 hat dann keinen Zugriff mehr. Fortfahren?</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Teilen mit %1 nicht möglich.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateCommands</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
</context>
<context>
    <name>TovUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>TransactionDeleter</name>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Buchungsdetails</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Scheck-Nr.:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Umbuchung auf:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Teilbuchungen</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(keine Teilbuchungen gespeichert)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(ohne Kategorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Erfasst: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als bestätigt markieren</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empfänger eingeben und suchen...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Aufteilen...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Diese Buchung auf mehrere Kategorien mit eigenen Beträgen und Notizen aufteilen.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Eine Kategorie verwenden</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Die Aufteilung aufheben und zu einer Buchung mit einer Kategorie zurückkehren.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Scheck-Nr.:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Geben Sie ein gültiges Datum ein</translation>
    </message>
</context>
<context>
    <name>TypedAmount</name>
    <message>
        <source>&quot;%1&quot; could be read two ways: type thousands without a separator and decimals after &quot;%2&quot;, as in %3</source>
        <translation>„%1“ lässt sich zweifach lesen: Tausender ohne Trennzeichen und Dezimalstellen nach „%2“ eingeben, etwa %3</translation>
    </message>
    <message>
        <source>Enter whole yen, without decimals</source>
        <translation>Geben Sie ganze Yen ohne Nachkommastellen ein</translation>
    </message>
    <message>
        <source>Enter at most two decimals, as in %1</source>
        <translation>Geben Sie höchstens zwei Nachkommastellen ein, etwa %1</translation>
    </message>
    <message>
        <source>Enter an amount up to %1</source>
        <translation>Geben Sie einen Betrag bis %1 ein</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Geben Sie einen gültigen Betrag ein</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich wieder an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie verfolgen möchten).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Erfassen Sie Buchungen, wenn Sie Geld ausgeben.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Gleichen Sie ab, wenn Ihr Kontoauszug kommt.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>Welcome to
Tovarly Pennibar</source>
        <translation>Willkommen bei
Tovarly Pennibar</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Melden Sie sich an, um Ihre Daten auf allen Geräten zu synchronisieren.</translation>
    </message>
    <message>
        <source>A digital pennibar register.</source>
        <translation>Ein digitales Pennibar-Kontobuch.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Ein anderes Konto anlegen</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Sie haben bereits ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Erstes Konto anlegen</translation>
    </message>
</context>
</TS>
