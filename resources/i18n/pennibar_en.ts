<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pennibar Is Already Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pennibar is already running with the data directory %1, but it does not answer.

Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupRowWriter</name>
    <message>
        <source>%1: unknown column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unsupported value for %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unreadable entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not start the restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restored rows could not be stored; nothing was restored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Housing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>One signed column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawal and deposit columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D Mon YYYY (14 May 2026)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISO 8601 (2026-05-14T09:30)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows above this one (an account name, a balance) are not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First data row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawal column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n row to import</numerusform>
            <numerusform>%n rows to import</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped (marked)</source>
        <translation>
            <numerusform>%n row cannot be read and will be skipped (marked)</numerusform>
            <numerusform>%n rows cannot be read and will be skipped (marked)</numerusform>
        </translation>
    </message>
    <message>
        <source>dates read as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Above the table: not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This row does not reach every chosen column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date does not read with the chosen date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount does not read as an amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cell will not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the import reads this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateShortcuts</name>
    <message>
        <source>Date Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Enumerations</name>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n file selected</numerusform>
            <numerusform>%n files selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No target account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Import failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform>
            <numerusform>%n transactions imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transfer linked across accounts</numerusform>
            <numerusform>%n transfers linked across accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (including %n linked to previously imported row)</numerusform>
            <numerusform>  (including %n linked to previously imported rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n record skipped (unparseable)</numerusform>
            <numerusform>%n records skipped (unparseable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n metadata record skipped</numerusform>
            <numerusform>%n metadata records skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n record skipped (unmapped source account)</numerusform>
            <numerusform>%n records skipped (unmapped source account)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n record skipped (database error — see log)</numerusform>
            <numerusform>%n records skipped (database error — see log)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tovarly Pennibar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Tovarly Pennibar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message>
        <source>About Tovarly Pennibar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital register for your household finances: accounts, payments and deposits with a running balance.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and the source code at &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tovarly Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing requires a Tovarly account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share this account with members of your Tovarly family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re not in a Tovarly family group yet. Create one or join one in File › Tovarly Account to share your accounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tovarly Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total (%1): %2</source>
        <comment>the code of the currency added up, such as USD; the total</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was/were replaced by a newer version from another device (see Preferences → Data &amp; Sync)</source>
        <translation>
            <numerusform>%n change was replaced by a newer version from another device (see Preferences → Data &amp; Sync)</numerusform>
            <numerusform>%n changes were replaced by a newer version from another device (see Preferences → Data &amp; Sync)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpeningBalance</name>
    <message>
        <source>Opening Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform>
            <numerusform>Renamed %n transactions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform>
            <numerusform>Merged %n transactions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Add Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account was not reconciled and nothing was changed. The figures have been read again; check them and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>—Split—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memorize Transaction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category: pick one from the list or clear the cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a payment or a deposit, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Before 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date %1 is before 2000. Transactions dated before 1/1/2000 are not synchronised to your other devices.

Save the transaction with this date?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction being typed in &quot;%1&quot; has not been saved.

Save it in &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All other categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All other payees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1: %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2: %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <comment>the code of the currency added up, such as USD</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>No figures to chart for these filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMM yy</source>
        <comment>QDate format of a month on a chart axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>QDate format of a day on a chart axis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>QDate format of a month in a tool tip</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Housing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerField</name>
    <message>
        <source>Tovarly (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set in the environment, which takes precedence: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the server&apos;s web address, for example https://money.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new server is used from the next start of Tovarly Pennibar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tovarly&apos;s servers are used from the next start of Tovarly Pennibar.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control how Tovarly Pennibar looks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tovarly Pennibar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your pennibar in sync across all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tovarly server to sign in to, sync with and take updates from. A household that runs its own pennibar-server enters its address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Tovarly Account to enable sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pennibar-backup-%1.zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was not imported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n error occurred.</numerusform>
            <numerusform>

%n errors occurred.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A digital register for tracking your household finances: accounts, payments and deposits with a running balance, recurring transactions, reconciliation, reports and backups, all kept on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Tovarly Pennibar website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar for your phone&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of the last sync</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInMessages</name>
    <message>
        <source>Sign in on the page now open in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no local port was free for the browser to come back to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the browser came back without a sign-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server did not accept it; please sign in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server could not be reached to finish it; please sign in again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The split lines add up to %1 but the transaction is %2. Change them until nothing remains.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a category for each split line that has an amount.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n account</numerusform>
            <numerusform>%n accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurring due</numerusform>
            <numerusform>  •  %n recurring due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncConflictsPanel</name>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurring transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of a replacement</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · deleted on another device; Keep Mine adds it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · deleted on another device; it cannot be put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes made on this device that a newer version from another device replaced. Keep yours to apply it again, or discard it to keep theirs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your version could not be put back. It stays in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard your version of &quot;%1&quot;? The version from the other device stays.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncFailure</name>
    <message>
        <source>The sync server could not be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync server no longer accepts your sign-in; please sign in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync server refused access to your data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server at this address does not offer sync (HTTP 404)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync server is busy; sync will try again later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes are too large for the sync server to accept (HTTP 413)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync server ran into a problem (HTTP %1); sync will try again later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync server refused the request (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TovAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Once people join your group, you can share this account with them here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateCommands</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TovUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionDeleter</name>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypedAmount</name>
    <message>
        <source>&quot;%1&quot; could be read two ways: type thousands without a separator and decimals after &quot;%2&quot;, as in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter whole yen, without decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter at most two decimals, as in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an amount up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How it works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to
Tovarly Pennibar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A digital pennibar register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
