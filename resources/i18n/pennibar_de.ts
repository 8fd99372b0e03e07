<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
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
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
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
