<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial :</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Établissement :</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Numéro de compte :</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier de données : %1

Vérifiez les droits d&apos;accès aux fichiers et réessayez.</translation>
    </message>
    <message>
        <source>Pennibar Is Already Running</source>
        <translation>Pennibar est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Pennibar is already running with the data directory %1, but it does not answer.

Close it and try again.</source>
        <translation>Pennibar est déjà en cours d&apos;exécution avec le dossier de données %1, mais ne répond pas.

Fermez-le et réessayez.</translation>
    </message>
</context>
<context>
    <name>BackupRowWriter</name>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1 : colonne inconnue %2</translation>
    </message>
    <message>
        <source>%1: unsupported value for %2</source>
        <translation>%1 : valeur non prise en charge pour %2</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large</source>
        <translation>%1 : entrée trop volumineuse</translation>
    </message>
    <message>
        <source>%1: unreadable entry</source>
        <translation>%1 : entrée illisible</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1 : JSON non valide</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1 : erreur inattendue</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide : manifest.json manquant</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge : %1</translation>
    </message>
    <message>
        <source>The database could not start the restore</source>
        <translation>La base de données n&apos;a pas pu lancer la restauration</translation>
    </message>
    <message>
        <source>The restored rows could not be stored; nothing was restored</source>
        <translation>Les lignes restaurées n&apos;ont pas pu être enregistrées ; rien n&apos;a été restauré</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Ajouter une sous-&amp;catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>La catégorie « %1 » n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer « %1 » ? Les opérations utilisant cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>La catégorie « %1 » n&apos;a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente :</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Fiscalement pertinente</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Inclure cette catégorie dans les rapports pour la déclaration d&apos;impôts.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal :</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de formation</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Mensualité de prêt</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Mensualité auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; sorties</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais &amp; commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire / Traitement</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Indépendant / Conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Virements</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>One signed column</source>
        <translation>Une colonne signée</translation>
    </message>
    <message>
        <source>Withdrawal and deposit columns</source>
        <translation>Colonnes débit et crédit</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mois J, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>D Mon YYYY (14 May 2026)</source>
        <translation>J Mois AAAA (14 May 2026)</translation>
    </message>
    <message>
        <source>ISO 8601 (2026-05-14T09:30)</source>
        <translation>ISO 8601 (2026-05-14T09:30)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Virgule (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Point-virgule (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Rows above this one (an account name, a balance) are not imported</source>
        <translation>Les lignes au-dessus de celle-ci (un nom de compte, un solde) ne sont pas importées</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>Header row:</source>
        <translation>Ligne d&apos;en-tête :</translation>
    </message>
    <message>
        <source>First data row:</source>
        <translation>Première ligne de données :</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne date :</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne montant :</translation>
    </message>
    <message>
        <source>Withdrawal column:</source>
        <translation>Colonne débit :</translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>Colonne crédit :</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne mémo :</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne catégorie :</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Séparateur :</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>Montants :</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n ligne à importer</numerusform>
            <numerusform>%n lignes à importer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped (marked)</source>
        <translation>
            <numerusform>%n ligne illisible sera ignorée (marquée)</numerusform>
            <numerusform>%n lignes illisibles seront ignorées (marquées)</numerusform>
        </translation>
    </message>
    <message>
        <source>dates read as %1</source>
        <translation>dates lues comme %1</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Above the table: not imported</source>
        <translation>Au-dessus du tableau : non importée</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>Ligne d&apos;en-tête : non importée</translation>
    </message>
    <message>
        <source>This row does not reach every chosen column</source>
        <translation>Cette ligne n&apos;atteint pas toutes les colonnes choisies</translation>
    </message>
    <message>
        <source>The date does not read with the chosen date format</source>
        <translation>La date ne correspond pas au format de date choisi</translation>
    </message>
    <message>
        <source>The amount does not read as an amount</source>
        <translation>Le montant n&apos;est pas lisible comme un montant</translation>
    </message>
    <message>
        <source>This cell will not be read</source>
        <translation>Cette cellule ne sera pas lue</translation>
    </message>
    <message>
        <source>How the import reads this row</source>
        <translation>Comment l&apos;importation lit cette ligne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>DateShortcuts</name>
    <message>
        <source>Date Field</source>
        <translation>Champ de date</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Jour suivant / précédent</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Premier / dernier jour du mois</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Premier / dernier jour de l&apos;année</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Premier / dernier jour de la semaine</translation>
    </message>
</context>
<context>
    <name>Enumerations</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Revenu</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Sélectionner un ou plusieurs fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse du ou des fichiers QIF...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte où importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Le compte n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l&apos;importation.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l&apos;importation et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée !</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement relié entre comptes</numerusform>
            <numerusform>%n virements reliés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n relié à des lignes importées précédemment)</numerusform>
            <numerusform>  (dont %n reliés à des lignes importées précédemment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;atégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Tovarly Pennibar</source>
        <translation>À &amp;propos de Tovarly Pennibar</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des mises à &amp;jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger les données d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>E&amp;ffacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Welcome to Tovarly Pennibar</source>
        <translation>Bienvenue dans Tovarly Pennibar</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pouvez le restaurer depuis Préférences → Données et synchronisation.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou s&apos;inscrire</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente saisie automatiquement</numerusform>
            <numerusform>%n opérations récurrentes saisies automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>About Tovarly Pennibar</source>
        <translation>À propos de Tovarly Pennibar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital register for your household finances: accounts, payments and deposits with a running balance.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and the source code at &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre numérique pour les finances de votre foyer : comptes, débits et crédits avec un solde courant.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt sous licence GNU LGPL version 3. Voir &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; et le code source sur &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Passer au compte 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Passer au compte 10</translation>
    </message>
    <message>
        <source>The account could not be created</source>
        <translation>Le compte n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>Le compte n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>Le compte n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Cette opération n&apos;existe plus</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Tovarly Account</source>
        <translation>Compte Tovarly</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Tovarly account.</source>
        <translation>Le partage nécessite un compte Tovarly.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage : %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tovarly family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Tovarly. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n&apos;est encore partagé avec personne.</translation>
    </message>
    <message>
        <source>You&apos;re not in a Tovarly family group yet. Create one or join one in File › Tovarly Account to share your accounts.</source>
        <translation>Vous ne faites encore partie d&apos;aucun groupe familial Tovarly. Créez-en un ou rejoignez-en un dans Fichier › Compte Tovarly pour partager vos comptes.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l&apos;accès de %1 à ce compte ?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>&amp;Tovarly Account...</source>
        <translation>Compte &amp;Tovarly...</translation>
    </message>
    <message>
        <source>Total (%1): %2</source>
        <comment>the code of the currency added up, such as USD; the total</comment>
        <translation>Total (%1) : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was/were replaced by a newer version from another device (see Preferences → Data &amp; Sync)</source>
        <translation>
            <numerusform>%n modification a été remplacée par une version plus récente venue d&apos;un autre appareil (voir Préférences → Données et synchronisation)</numerusform>
            <numerusform>%n modifications ont été remplacées par une version plus récente venue d&apos;un autre appareil (voir Préférences → Données et synchronisation)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpeningBalance</name>
    <message>
        <source>Opening Balance</source>
        <translation>Solde initial</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être renommés. Aucune opération n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes source QIF :</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte Quicken. Les virements entre comptes associés dans les fichiers sélectionnés seront reliés automatiquement.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le nouveau compte « %1 » —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé le</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé :</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé :</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Crédits pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Échec du rapprochement</translation>
    </message>
    <message>
        <source>The account was not reconciled and nothing was changed. The figures have been read again; check them and try again.</source>
        <translation>Le compte n&apos;a pas été rapproché et rien n&apos;a été modifié. Les chiffres ont été relus ; vérifiez-les et réessayez.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a été rapproché avec succès.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération de %1 ?</translation>
    </message>
    <message>
        <source>Both sides of the transfer will be deleted.</source>
        <translation>Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Saisir automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Saisir à l&apos;avance :</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Saisir en &amp;avance...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Saisir les 7 prochains jours</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrente</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à échéance)</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Saisir en avance</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Saisir « %1 » maintenant, datée du %2 ? L&apos;opération est datée de son échéance et vous pourrez la modifier ou la supprimer plus tard.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente « %1 » ?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Saisir toutes les opérations récurrentes dues dans les 7 prochains jours ? Elles sont datées de leur échéance et vous pourrez les modifier ou les supprimer plus tard.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Saisissez une date valide</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Mémo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° chèque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1 : enregistrer  |  Entrée : suivant  |  %2 : supprimer  |  %3 : mémoriser  |  &apos; : copier au-dessus</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Afficher les colonnes</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Réinitialiser la disposition du registre</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant au débit ou au crédit</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Virement de %1</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible : l&apos;opération d&apos;origine a une date non valide</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une ligne</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Ven&amp;tiler l&apos;opération...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme non &amp;pointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme p&amp;ointée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insérer une nouvelle opération</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Supprimer l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Maj+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Champ suivant / précédent</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apostrophe)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copier la valeur du champ au-dessus</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>&amp;Memorize Transaction...</source>
        <translation>Mémoriser l&apos;op&amp;ération...</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>L&apos;opération récurrente n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Saisissez une date valide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category: pick one from the list or clear the cell</source>
        <translation>« %1 » n&apos;est pas une catégorie : choisissez-en une dans la liste ou videz la cellule</translation>
    </message>
    <message>
        <source>Enter a payment or a deposit, not both</source>
        <translation>Saisissez un débit ou un crédit, pas les deux</translation>
    </message>
    <message>
        <source>Date Before 2000</source>
        <translation>Date antérieure à 2000</translation>
    </message>
    <message>
        <source>The date %1 is before 2000. Transactions dated before 1/1/2000 are not synchronised to your other devices.

Save the transaction with this date?</source>
        <translation>La date %1 est antérieure à 2000. Les opérations datées d&apos;avant le 01/01/2000 ne sont pas synchronisées avec vos autres appareils.

Enregistrer l&apos;opération à cette date ?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>The transaction being typed in &quot;%1&quot; has not been saved.

Save it in &quot;%1&quot;?</source>
        <translation>L&apos;opération en cours de saisie dans « %1 » n&apos;a pas été enregistrée.

L&apos;enregistrer dans « %1 » ?</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>All other categories</source>
        <translation>Toutes les autres catégories</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>All other payees</source>
        <translation>Tous les autres bénéficiaires</translation>
    </message>
    <message>
        <source>P1: %1 – %2</source>
        <translation>P1 : %1 – %2</translation>
    </message>
    <message>
        <source>P2: %1 – %2</source>
        <translation>P2 : %1 – %2</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <comment>the code of the currency added up, such as USD</comment>
        <translation>Total (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>No figures to chart for these filters</source>
        <translation>Aucun chiffre à représenter pour ces filtres</translation>
    </message>
    <message>
        <source>MMM yy</source>
        <comment>QDate format of a month on a chart axis</comment>
        <translation>MMM yy</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>QDate format of a day on a chart axis</comment>
        <translation>d MMM</translation>
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
        <translation>Sans catégorie</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année vs année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Année dernière vs année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre vs trimestre précédent</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>Afficher le graphique</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1 :</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2 :</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer :</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Compte principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Crédit Mutuel Riverbend</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Livret d&apos;épargne</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Premier</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath SA</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Salaire (bimensuel)</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire / Traitement</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Résidence Pinecrest</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Mensualité de prêt</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Marché Greenleaf</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Station Hilltop</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Plein d&apos;essence</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Énergies</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d&apos;électricité</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Facture d&apos;eau</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensuel</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
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
        <translation>Dîner au restaurant</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; sorties</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Assurances Clearview</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Paroisse de l&apos;Espérance</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Don mensuel</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Virement vers l&apos;épargne</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect FAI</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement internet</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Pharmacie Ridgeline</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Ordonnances</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café &amp; viennoiserie</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement d&apos;intérêts</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Virement du compte courant</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Livraison</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Livraison de repas</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Coque de téléphone</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage en ligne</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Paiement - Merci</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Paiement de la carte</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grains</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de formation</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>Hub USB</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, un mémo, un numéro de chèque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Plage de dates :</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>ServerField</name>
    <message>
        <source>Tovarly (default)</source>
        <translation>Tovarly (par défaut)</translation>
    </message>
    <message>
        <source>Use default</source>
        <translation>Utiliser la valeur par défaut</translation>
    </message>
    <message>
        <source>Set in the environment, which takes precedence: %1</source>
        <translation>Défini dans l&apos;environnement, qui est prioritaire : %1</translation>
    </message>
    <message>
        <source>Enter the server&apos;s web address, for example https://money.example.org</source>
        <translation>Saisissez l&apos;adresse web du serveur, par exemple https://money.example.org</translation>
    </message>
    <message>
        <source>The new server is used from the next start of Tovarly Pennibar.</source>
        <translation>Le nouveau serveur sera utilisé au prochain démarrage de Tovarly Pennibar.</translation>
    </message>
    <message>
        <source>Tovarly&apos;s servers are used from the next start of Tovarly Pennibar.</source>
        <translation>Les serveurs de Tovarly seront utilisés au prochain démarrage de Tovarly Pennibar.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Tovarly Pennibar looks.</source>
        <translation>Choisissez l&apos;apparence de Tovarly Pennibar.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Début de la semaine</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tovarly Pennibar.</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage de Tovarly Pennibar.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Présentation des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Affichage sur deux lignes</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une seconde ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations les plus récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your pennibar in sync across all your devices.</source>
        <translation>Gardez votre pennibar synchronisé sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>The Tovarly server to sign in to, sync with and take updates from. A household that runs its own pennibar-server enters its address.</source>
        <translation>Le serveur Tovarly auquel se connecter, avec lequel synchroniser et dont recevoir les mises à jour. Un foyer qui fait tourner son propre pennibar-server y saisit son adresse.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez ou restaurez vos données dans un fichier de sauvegarde portable.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Tovarly Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Tovarly pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>pennibar-backup-%1.zip</source>
        <translation>pennibar-backup-%1.zip</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans :
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les horodatages)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes ?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>The backup was not imported:
%1</source>
        <translation>La sauvegarde n&apos;a pas été importée :
%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s&apos;est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital register for tracking your household finances: accounts, payments and deposits with a running balance, recurring transactions, reconciliation, reports and backups, all kept on this computer.</source>
        <translation>Un registre numérique pour suivre les finances de votre foyer : comptes, débits et crédits avec un solde courant, opérations récurrentes, rapprochement, rapports et sauvegardes, le tout conservé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Tovarly Pennibar website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Site web de Tovarly Pennibar&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar pour votre téléphone&lt;/a&gt;</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Cette application utilise le framework Qt sous licence LGPL v3.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur : %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront renvoyées au serveur et toutes les données du serveur seront de nouveau téléchargées. Utilisez cette option si les données ne concordent pas d&apos;un appareil à l&apos;autre.

Continuer ?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of the last sync</comment>
        <translation>d MMM, HH:mm</translation>
    </message>
</context>
<context>
    <name>SignInMessages</name>
    <message>
        <source>Sign in on the page now open in your web browser</source>
        <translation>Connectez-vous sur la page qui vient de s&apos;ouvrir dans votre navigateur web</translation>
    </message>
    <message>
        <source>no local port was free for the browser to come back to</source>
        <translation>aucun port local n&apos;était libre pour le retour du navigateur</translation>
    </message>
    <message>
        <source>the browser came back without a sign-in</source>
        <translation>le navigateur est revenu sans connexion</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>the server did not accept it; please sign in again</source>
        <translation>le serveur ne l&apos;a pas acceptée ; veuillez vous reconnecter</translation>
    </message>
    <message>
        <source>the server could not be reached to finish it; please sign in again</source>
        <translation>le serveur est injoignable pour la terminer ; veuillez vous reconnecter</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Reste : %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1 but the transaction is %2. Change them until nothing remains.</source>
        <translation>Les lignes de ventilation totalisent %1 mais l&apos;opération est de %2. Modifiez-les jusqu&apos;à ce qu&apos;il ne reste rien.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Ajouter une ligne</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Retirer</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Choose a category for each split line that has an amount.</source>
        <translation>Choisissez une catégorie pour chaque ligne de ventilation qui a un montant.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente à échéance</numerusform>
            <numerusform>  •  %n récurrentes à échéance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncConflictsPanel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Recurring transaction</source>
        <translation>Opération récurrente</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>Rapprochement</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Replaced %1</source>
        <translation>Remplacé le %1</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of a replacement</comment>
        <translation>d MMM, HH:mm</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; Keep Mine adds it again</source>
        <translation>%1 · supprimé sur un autre appareil ; « Garder la mienne » l&apos;ajoute à nouveau</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; it cannot be put back</source>
        <translation>%1 · supprimé sur un autre appareil ; impossible de le rétablir</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Conflits de synchronisation</translation>
    </message>
    <message>
        <source>Changes made on this device that a newer version from another device replaced. Keep yours to apply it again, or discard it to keep theirs.</source>
        <translation>Modifications faites sur cet appareil et remplacées par une version plus récente venue d&apos;un autre appareil. Gardez la vôtre pour l&apos;appliquer de nouveau, ou ignorez-la pour garder l&apos;autre.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Your version could not be put back. It stays in the list.</source>
        <translation>Votre version n&apos;a pas pu être rétablie. Elle reste dans la liste.</translation>
    </message>
    <message>
        <source>Discard your version of &quot;%1&quot;? The version from the other device stays.</source>
        <translation>Ignorer votre version de « %1 » ? La version de l&apos;autre appareil est conservée.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>Impossible d&apos;enregistrer les modifications reçues</translation>
    </message>
</context>
<context>
    <name>SyncFailure</name>
    <message>
        <source>The sync server could not be reached</source>
        <translation>Le serveur de synchronisation est injoignable</translation>
    </message>
    <message>
        <source>The sync server no longer accepts your sign-in; please sign in again</source>
        <translation>Le serveur de synchronisation n&apos;accepte plus votre connexion ; veuillez vous reconnecter</translation>
    </message>
    <message>
        <source>The sync server refused access to your data</source>
        <translation>Le serveur de synchronisation a refusé l&apos;accès à vos données</translation>
    </message>
    <message>
        <source>The server at this address does not offer sync (HTTP 404)</source>
        <translation>Le serveur à cette adresse ne propose pas de synchronisation (HTTP 404)</translation>
    </message>
    <message>
        <source>The sync server is busy; sync will try again later</source>
        <translation>Le serveur de synchronisation est occupé ; une nouvelle tentative aura lieu plus tard</translation>
    </message>
    <message>
        <source>The changes are too large for the sync server to accept (HTTP 413)</source>
        <translation>Les modifications sont trop volumineuses pour le serveur de synchronisation (HTTP 413)</translation>
    </message>
    <message>
        <source>The sync server ran into a problem (HTTP %1); sync will try again later</source>
        <translation>Le serveur de synchronisation a rencontré un problème (HTTP %1) ; une nouvelle tentative aura lieu plus tard</translation>
    </message>
    <message>
        <source>The sync server refused the request (HTTP %1)</source>
        <translation>Le serveur de synchronisation a refusé la requête (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>TovAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Ajouter des personnes</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n&apos;est encore partagé avec personne.</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Once people join your group, you can share this account with them here.</source>
        <translation>Vous n&apos;avez pas encore de groupe familial. Lorsque des personnes rejoindront votre groupe, vous pourrez partager ce compte avec elles ici.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Tous les membres du groupe ont déjà accès</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Retirer l&apos;accès ?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 n&apos;aura plus accès. Continuer ?</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateCommands</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour : %1</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
</context>
<context>
    <name>TovUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>TransactionDeleter</name>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » de %2 ?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Détails de l&apos;opération</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(aucune ligne de ventilation enregistrée)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Saisie : %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification : %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer comme non pointée</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer comme pointée</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Ventiler...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Répartir cette opération sur plusieurs catégories, chacune avec son montant et son mémo.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Une seule catégorie</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Annuler la ventilation et revenir à une opération sur une seule catégorie.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Saisissez une date valide</translation>
    </message>
</context>
<context>
    <name>TypedAmount</name>
    <message>
        <source>&quot;%1&quot; could be read two ways: type thousands without a separator and decimals after &quot;%2&quot;, as in %3</source>
        <translation>« %1 » peut se lire de deux façons : saisissez les milliers sans séparateur et les décimales après « %2 », comme dans %3</translation>
    </message>
    <message>
        <source>Enter whole yen, without decimals</source>
        <translation>Saisissez des yens entiers, sans décimales</translation>
    </message>
    <message>
        <source>Enter at most two decimals, as in %1</source>
        <translation>Saisissez au plus deux décimales, comme dans %1</translation>
    </message>
    <message>
        <source>Enter an amount up to %1</source>
        <translation>Saisissez un montant d&apos;au plus %1</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Saisissez un montant valide</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a expiré. Reconnectez-vous pour continuer la synchronisation.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (courant, épargne, carte de crédit ou tout autre compte à suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Saisissez vos opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Rapprochez votre compte à l&apos;arrivée du relevé.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour parmi nous</translation>
    </message>
    <message>
        <source>Welcome to
Tovarly Pennibar</source>
        <translation>Bienvenue dans
Tovarly Pennibar</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour synchroniser vos données entre vos appareils.</translation>
    </message>
    <message>
        <source>A digital pennibar register.</source>
        <translation>Un registre Pennibar numérique.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte ? Se connecter</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créer votre premier compte</translation>
    </message>
</context>
</TS>
