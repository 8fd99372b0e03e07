<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>金融機関名（任意）</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>口座番号の下4桁（任意）</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C)：</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I)：</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;N)：</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした（HTTP %1）</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データフォルダー：%1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Pennibar Is Already Running</source>
        <translation>Pennibar はすでに実行中です</translation>
    </message>
    <message>
        <source>Pennibar is already running with the data directory %1, but it does not answer.

Close it and try again.</source>
        <translation>Pennibar はデータフォルダー %1 ですでに実行中ですが、応答がありません。

Pennibar を終了して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>BackupRowWriter</name>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1：不明な列 %2</translation>
    </message>
    <message>
        <source>%1: unsupported value for %2</source>
        <translation>%1：%2 の値に対応していません</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large</source>
        <translation>%1：項目が大きすぎます</translation>
    </message>
    <message>
        <source>%1: unreadable entry</source>
        <translation>%1：項目を読み取れません</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1：JSON が正しくありません</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1：予期しないエラー</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです：manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>対応していないバックアップのバージョンです：%1</translation>
    </message>
    <message>
        <source>The database could not start the restore</source>
        <translation>データベースで復元を開始できませんでした</translation>
    </message>
    <message>
        <source>The restored rows could not be stored; nothing was restored</source>
        <translation>復元した行を保存できませんでした。何も復元されていません</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>カテゴリ「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか？このカテゴリを使用している取引は未分類になります。</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>カテゴリ「%1」を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P)：</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T)：</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>税務関連</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを確定申告用のレポートに含めます。</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例：charitable_contributions、mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税区分コード(&amp;C)：</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>修繕・メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>水道光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通・車両</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>美容・身だしなみ</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスク</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>動画配信</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣服</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>火災・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当金</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>副業・コンサルティング</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>いただき物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>振替</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分コード</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>One signed column</source>
        <translation>符号付きの 1 列</translation>
    </message>
    <message>
        <source>Withdrawal and deposit columns</source>
        <translation>出金列と入金列</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Month D, YYYY (May 14, 2026)</translation>
    </message>
    <message>
        <source>D Mon YYYY (14 May 2026)</source>
        <translation>D Mon YYYY (14 May 2026)</translation>
    </message>
    <message>
        <source>ISO 8601 (2026-05-14T09:30)</source>
        <translation>ISO 8601 (2026-05-14T09:30)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>カンマ (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>セミコロン (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>Rows above this one (an account name, a balance) are not imported</source>
        <translation>この行より上の行（口座名、残高など）は取り込みません</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>Header row:</source>
        <translation>見出し行：</translation>
    </message>
    <message>
        <source>First data row:</source>
        <translation>データの開始行：</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列：</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>取引先の列：</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列：</translation>
    </message>
    <message>
        <source>Withdrawal column:</source>
        <translation>出金の列：</translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>入金の列：</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列：</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列：</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>区切り文字：</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式：</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て：</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>取り込む行：%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped (marked)</source>
        <translation>
            <numerusform>%n 行は読み取れないため、スキップします（マーク付き）</numerusform>
        </translation>
    </message>
    <message>
        <source>dates read as %1</source>
        <translation>日付の読み取り：%1</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Above the table: not imported</source>
        <translation>表より上：取り込みません</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>見出し行：取り込みません</translation>
    </message>
    <message>
        <source>This row does not reach every chosen column</source>
        <translation>この行には選択した列の一部がありません</translation>
    </message>
    <message>
        <source>The date does not read with the chosen date format</source>
        <translation>選択した日付の形式で日付を読み取れません</translation>
    </message>
    <message>
        <source>The amount does not read as an amount</source>
        <translation>金額として読み取れません</translation>
    </message>
    <message>
        <source>This cell will not be read</source>
        <translation>このセルは読み取りません</translation>
    </message>
    <message>
        <source>How the import reads this row</source>
        <translation>この行の読み取り方</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>DateShortcuts</name>
    <message>
        <source>Date Field</source>
        <translation>日付欄</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>翌日 / 前日</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>月初 / 月末</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>年初 / 年末</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>週初め / 週末</translation>
    </message>
</context>
<context>
    <name>Enumerations</name>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
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
        <translation>収入</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引の取り込み</translation>
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
        <translation>参照...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A)：</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル：</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルを選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択済み</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを分析しています...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>取り込んでいます...</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>取り込み先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>取り込み先の口座を選ぶか、ここで新しく作成してください。</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>口座を作成できませんでした。</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1（口座ヘッダーなし）</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Import failed.</source>
        <translation>取り込みに失敗しました。</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーのため取り込みを中止し、すべての変更を取り消しました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>取り込みが完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引を取り込みました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間で関連付けました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  （うち %n 件は以前に取り込んだ行と関連付け）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（読み取り不可）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（元の口座が未割り当て）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（データベースエラー — ログを参照）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>取り込み(&amp;I)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>取引先名の変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Tovarly Pennibar</source>
        <translation>Tovarly Pennibar について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Welcome to Tovarly Pennibar</source>
        <translation>Tovarly Pennibar へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>[ファイル] › [取り込み] から CSV ファイルの取引を取り込むこともできます。</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計：%1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>取引先名の変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか？

この口座のすべての取引、定期取引、照合履歴が削除されます。[環境設定] → [データと同期] から復元できます。</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントの管理</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたは登録</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n 件の定期取引を自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>About Tovarly Pennibar</source>
        <translation>Tovarly Pennibar について</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital register for your household finances: accounts, payments and deposits with a running balance.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and the source code at &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計のためのデジタル出納帳：口座、出金と入金を残高とともに記録します。&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは GNU LGPL バージョン 3 の下で Qt フレームワークを使用しています。&lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; と、ソースコードは &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt; をご覧ください。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>口座 1&amp;ndash;9 に切り替え</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>口座 10 に切り替え</translation>
    </message>
    <message>
        <source>The account could not be created</source>
        <translation>口座を作成できませんでした</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>口座を削除できませんでした</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引の取り込み</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>その取引はもう存在しません</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Tovarly Account</source>
        <translation>Tovarly アカウント</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Tovarly account.</source>
        <translation>共有するには Tovarly アカウントが必要です。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座を共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tovarly family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Tovarly ファミリーグループのメンバーと共有します。メンバーのデバイスにも同じ出納帳、残高、照合履歴が表示されます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You&apos;re not in a Tovarly family group yet. Create one or join one in File › Tovarly Account to share your accounts.</source>
        <translation>まだ Tovarly ファミリーグループに参加していません。口座を共有するには、[ファイル] › [Tovarly アカウント] でグループを作成するか参加してください。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有できませんでした</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 のこの口座へのアクセスを削除しますか?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>&amp;Tovarly Account...</source>
        <translation>Tovarly アカウント(&amp;T)...</translation>
    </message>
    <message>
        <source>Total (%1): %2</source>
        <comment>the code of the currency added up, such as USD; the total</comment>
        <translation>合計 (%1)：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was/were replaced by a newer version from another device (see Preferences → Data &amp; Sync)</source>
        <translation>
            <numerusform>%n 件の変更が別のデバイスの新しい版に置き換えられました（[環境設定] → [データと同期] を参照）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpeningBalance</name>
    <message>
        <source>Opening Balance</source>
        <translation>開始残高</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前：</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択した取引先の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択した取引先を統合</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>取引先の名前を変更できませんでした。取引は変更されていません。</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の取引先名を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する取引先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>取引先の統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の取引先を「%2」に統合しますか？</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の元口座：</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Quicken の各口座の取り込み先を選んでください。選択したファイル全体で割り当てた口座の間の振替は、自動的に関連付けられます。</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合後の残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>まだ照合していません。出納帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付：</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高：</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>確認済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>確認済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>確認済みの残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>照合に失敗しました</translation>
    </message>
    <message>
        <source>The account was not reconciled and nothing was changed. The figures have been read again; check them and try again.</source>
        <translation>口座は照合されず、何も変更されていません。数値を読み込み直しました。確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合が完了しました</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか？</translation>
    </message>
    <message>
        <source>Both sides of the transfer will be deleted.</source>
        <translation>振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を記憶</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 日</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先：</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ：</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ：</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度：</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日：</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日：</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>事前記帳：</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>早めに記帳(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日の取引をすべて確定</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>今後 7 日分を記帳</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>（期日 %1 件）</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>早めに記帳</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>「%1」を %2 付けで今すぐ記帳しますか？取引の日付は期日になります。あとで編集や削除ができます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>今後 7 日以内に期日を迎える定期取引をすべて記帳しますか？日付はそれぞれの期日になります。あとで編集や削除ができます。</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>正しい日付を入力してください</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>取引先 / メモ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1：保存  |  Enter：次へ  |  %2：削除  |  %3：記憶  |  &apos;：上からコピー</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>表示する列</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>出納帳のレイアウトをリセット</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>取引先を入力してください</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>出金額または入金額を入力してください</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には両方の口座が同じ通貨である必要があります</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>%1 へ振替</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>%1 から振替</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>入力欄をクリアしました</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>記憶できません：元の取引の日付が正しくありません</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新しい行を挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新規取引(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;D)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>取引を分割(&amp;T)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未確認にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>確認済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>取引を保存</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>新しい取引を挿入</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>現在の取引を削除</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>次 / 前の入力欄</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; キー</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>上の欄の値をコピー</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <source>&amp;Memorize Transaction...</source>
        <translation>取引を記憶(&amp;M)...</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>定期取引を保存できませんでした</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として記憶しました</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>正しい日付を入力してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category: pick one from the list or clear the cell</source>
        <translation>「%1」はカテゴリではありません。一覧から選ぶか、セルを空にしてください</translation>
    </message>
    <message>
        <source>Enter a payment or a deposit, not both</source>
        <translation>出金か入金のどちらか一方を入力してください</translation>
    </message>
    <message>
        <source>Date Before 2000</source>
        <translation>2000 年より前の日付</translation>
    </message>
    <message>
        <source>The date %1 is before 2000. Transactions dated before 1/1/2000 are not synchronised to your other devices.

Save the transaction with this date?</source>
        <translation>日付 %1 は 2000 年より前です。2000/1/1 より前の取引はほかのデバイスと同期されません。

この日付で取引を保存しますか？</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>未保存の取引</translation>
    </message>
    <message>
        <source>The transaction being typed in &quot;%1&quot; has not been saved.

Save it in &quot;%1&quot;?</source>
        <translation>「%1」で入力中の取引は保存されていません。

「%1」に保存しますか？</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>All other categories</source>
        <translation>その他のカテゴリ</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>All other payees</source>
        <translation>その他の取引先</translation>
    </message>
    <message>
        <source>P1: %1 – %2</source>
        <translation>期間 1：%1 – %2</translation>
    </message>
    <message>
        <source>P2: %1 – %2</source>
        <translation>期間 2：%1 – %2</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>累計</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <comment>the code of the currency added up, such as USD</comment>
        <translation>合計 (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別の支出</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>取引先別の集計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分コード</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座の概要</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>No figures to chart for these filters</source>
        <translation>この条件ではグラフにする数値がありません</translation>
    </message>
    <message>
        <source>MMM yy</source>
        <comment>QDate format of a month on a chart axis</comment>
        <translation>yy/M</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>QDate format of a day on a chart axis</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>QDate format of a month in a tool tip</comment>
        <translation>yyyy年M月</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日間</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日間</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>グラフを表示</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV を書き出す</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>グラフを書き出す</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座：</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間：</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間 1：</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間 2：</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較：</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>ファイル %1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>メイン普通預金</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>リバーベンド信用金庫</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa リワード</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>サミット銀行</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>ブライトパス株式会社</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>給与（隔週）</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>パインクレスト・アパートメント</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>2 月分の家賃</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>グリーンリーフ・マーケット</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>毎週の食料品</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>ヒルトップ・ガソリンスタンド</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>給油</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通・車両</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>レイクサイド公益</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>水道光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>水道料金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>ストリームライン TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>月額動画配信</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>動画配信</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>メープルウッド・ダイナー</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>外食（夕食）</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>クリアビュー保険</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>ホープ・コミュニティ教会</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>貯蓄口座へ振替</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>3 月分の家賃</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>ネットコネクト</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット料金</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>昼食</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>リッジライン薬局</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>コーヒーとペストリー</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>利息の入金</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>普通預金から振替</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>ダッシュ・デリバリー</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>フードデリバリー</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>ガジェット・ワールド</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>スマホケース</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>クラウドウォッチ・プラス</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージ料金</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスク</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>お支払い ありがとうございます</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払い</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>ステラー・コーヒー</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>コーヒー豆</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>ブックネスト・オンライン</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>プログラミングの本</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>テックボールト</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB ハブ</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>取引先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間：</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>確認済みのみ</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座：</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ：</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
</context>
<context>
    <name>ServerField</name>
    <message>
        <source>Tovarly (default)</source>
        <translation>Tovarly（既定）</translation>
    </message>
    <message>
        <source>Use default</source>
        <translation>既定を使用</translation>
    </message>
    <message>
        <source>Set in the environment, which takes precedence: %1</source>
        <translation>環境変数で設定されており、そちらが優先されます：%1</translation>
    </message>
    <message>
        <source>Enter the server&apos;s web address, for example https://money.example.org</source>
        <translation>サーバーの Web アドレスを入力してください（例：https://money.example.org）</translation>
    </message>
    <message>
        <source>The new server is used from the next start of Tovarly Pennibar.</source>
        <translation>新しいサーバーは、次回 Tovarly Pennibar を起動したときから使用されます。</translation>
    </message>
    <message>
        <source>Tovarly&apos;s servers are used from the next start of Tovarly Pennibar.</source>
        <translation>次回 Tovarly Pennibar を起動したときから Tovarly のサーバーが使用されます。</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Tovarly Pennibar looks.</source>
        <translation>Tovarly Pennibar の見た目を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tovarly Pennibar.</source>
        <translation>新しい言語は、次回 Tovarly Pennibar を起動したときに適用されます。</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>出納帳での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>メモを取引先の下の 2 行目に表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>出納帳での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が上に表示されます。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your pennibar in sync across all your devices.</source>
        <translation>Pennibar の出納帳をすべてのデバイスで同期します。</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>The Tovarly server to sign in to, sync with and take updates from. A household that runs its own pennibar-server enters its address.</source>
        <translation>サインイン、同期、アップデートに使う Tovarly のサーバーです。独自の pennibar-server を運用している家庭は、そのアドレスを入力します。</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運び可能なバックアップファイルに保存したり、そこから復元したりします。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップを書き出す</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップを取り込む</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Tovarly Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、[ファイル] › [Tovarly アカウント] からサインインしてください。</translation>
    </message>
    <message>
        <source>pennibar-backup-%1.zip</source>
        <translation>pennibar-backup-%1.zip</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>書き出しています...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップが完了しました</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先：
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした：
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す（タイムスタンプを比較）</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>取り込み方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか？</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>取り込みに失敗しました</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>取り込んでいます...</translation>
    </message>
    <message>
        <source>The backup was not imported:
%1</source>
        <translation>バックアップは取り込まれませんでした：
%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件の項目を取り込み、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>取り込みが完了しました</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital register for tracking your household finances: accounts, payments and deposits with a running balance, recurring transactions, reconciliation, reports and backups, all kept on this computer.</source>
        <translation>家計を管理するためのデジタル出納帳：口座、出金と入金を残高とともに記録し、定期取引、照合、レポート、バックアップにも対応。すべてこのコンピューターに保存されます。</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Tovarly Pennibar website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Tovarly Pennibar の Web サイト&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;スマートフォン版 Pennibar&lt;/a&gt;</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>このアプリケーションは LGPL v3 ライセンスの下で Qt フレームワークを使用しています。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカルの行をサーバーに再送信し、サーバーのデータをすべて再ダウンロードします。デバイス間でデータが一致しない場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of the last sync</comment>
        <translation>M月d日 H:mm</translation>
    </message>
</context>
<context>
    <name>SignInMessages</name>
    <message>
        <source>Sign in on the page now open in your web browser</source>
        <translation>Web ブラウザーで開いたページでサインインしてください</translation>
    </message>
    <message>
        <source>no local port was free for the browser to come back to</source>
        <translation>ブラウザーの戻り先として使えるローカルポートがありませんでした</translation>
    </message>
    <message>
        <source>the browser came back without a sign-in</source>
        <translation>ブラウザーがサインインせずに戻りました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました：%1</translation>
    </message>
    <message>
        <source>the server did not accept it; please sign in again</source>
        <translation>サーバーに受け付けられませんでした。もう一度サインインしてください</translation>
    </message>
    <message>
        <source>the server could not be reached to finish it; please sign in again</source>
        <translation>完了するためにサーバーに接続できませんでした。もう一度サインインしてください</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計：%1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り：%1</translation>
    </message>
    <message>
        <source>The split lines add up to %1 but the transaction is %2. Change them until nothing remains.</source>
        <translation>分割行の合計は %1 ですが、取引の金額は %2 です。残りがなくなるまで調整してください。</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ 行を追加</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- 削除</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Choose a category for each split line that has an amount.</source>
        <translation>金額のある分割行にはそれぞれカテゴリを選んでください。</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncConflictsPanel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Recurring transaction</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Replaced %1</source>
        <translation>%1 に置き換え</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of a replacement</comment>
        <translation>M月d日 H:mm</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; Keep Mine adds it again</source>
        <translation>%1 · 別のデバイスで削除されました。［自分の版を残す］で再び追加されます</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; it cannot be put back</source>
        <translation>%1 · 別のデバイスで削除されたため、元に戻せません</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>同期の競合</translation>
    </message>
    <message>
        <source>Changes made on this device that a newer version from another device replaced. Keep yours to apply it again, or discard it to keep theirs.</source>
        <translation>このデバイスで行った変更のうち、別のデバイスの新しい版に置き換えられたものです。自分の版を残すと再び適用され、破棄すると相手の版が残ります。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>自分の版を残す</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Your version could not be put back. It stays in the list.</source>
        <translation>自分の版を元に戻せませんでした。一覧には残ります。</translation>
    </message>
    <message>
        <source>Discard your version of &quot;%1&quot;? The version from the other device stays.</source>
        <translation>「%1」の自分の版を破棄しますか？別のデバイスの版が残ります。</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>受信した変更を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>SyncFailure</name>
    <message>
        <source>The sync server could not be reached</source>
        <translation>同期サーバーに接続できませんでした</translation>
    </message>
    <message>
        <source>The sync server no longer accepts your sign-in; please sign in again</source>
        <translation>同期サーバーがサインインを受け付けなくなりました。もう一度サインインしてください</translation>
    </message>
    <message>
        <source>The sync server refused access to your data</source>
        <translation>同期サーバーがデータへのアクセスを拒否しました</translation>
    </message>
    <message>
        <source>The server at this address does not offer sync (HTTP 404)</source>
        <translation>このアドレスのサーバーは同期に対応していません（HTTP 404）</translation>
    </message>
    <message>
        <source>The sync server is busy; sync will try again later</source>
        <translation>同期サーバーが混み合っています。後でもう一度同期します</translation>
    </message>
    <message>
        <source>The changes are too large for the sync server to accept (HTTP 413)</source>
        <translation>変更が大きすぎるため、同期サーバーが受け付けられません（HTTP 413）</translation>
    </message>
    <message>
        <source>The sync server ran into a problem (HTTP %1); sync will try again later</source>
        <translation>同期サーバーで問題が発生しました（HTTP %1）。後でもう一度同期します</translation>
    </message>
    <message>
        <source>The sync server refused the request (HTTP %1)</source>
        <translation>同期サーバーが要求を拒否しました（HTTP %1）</translation>
    </message>
</context>
<context>
    <name>TovAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Once people join your group, you can share this account with them here.</source>
        <translation>ファミリーグループがまだありません。グループにメンバーが参加すると、ここでこの口座をメンバーと共有できます。</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>グループのメンバー全員がすでにアクセスできます</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>アクセスを削除しますか？</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 はアクセスできなくなります。続行しますか？</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateCommands</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です（バージョン %2）</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました：%1</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>お使いのバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
</context>
<context>
    <name>TovUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>お使いのバージョンは %1 です</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>TransactionDeleter</name>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>%2 の振替「%1」を削除しますか？

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>%2 の「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付：</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先：</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ：</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ：</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号：</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態：</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割行</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>（記録された分割行はありません）</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>（未分類）</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>入力日時：%1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新：%1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未確認にする</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>確認済みにする</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>分割...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>この取引を複数のカテゴリに分け、それぞれに金額とメモを付けます。</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>1 つのカテゴリを使用</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>分割をやめて、1 つのカテゴリの取引に戻します。</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付：</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先：</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額：</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ：</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ：</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号：</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>正しい日付を入力してください</translation>
    </message>
</context>
<context>
    <name>TypedAmount</name>
    <message>
        <source>&quot;%1&quot; could be read two ways: type thousands without a separator and decimals after &quot;%2&quot;, as in %3</source>
        <translation>「%1」は2通りに読めます。桁区切りを付けずに入力し、小数は「%2」の後に入力してください（例: %3）</translation>
    </message>
    <message>
        <source>Enter whole yen, without decimals</source>
        <translation>円は小数なしの整数で入力してください</translation>
    </message>
    <message>
        <source>Enter at most two decimals, as in %1</source>
        <translation>小数は2桁までで入力してください（例: %1）</translation>
    </message>
    <message>
        <source>Enter an amount up to %1</source>
        <translation>%1 以下の金額を入力してください</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>正しい金額を入力してください</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションの有効期限が切れました。同期を続けるにはもう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで動作します。データはこのデバイスに保存されます。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座を追加します（普通預金、貯蓄預金、クレジットカードなど、管理したい口座）。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>お金を使ったら取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細書が届いたら照合します。</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>Welcome to
Tovarly Pennibar</source>
        <translation>Tovarly Pennibar へ
ようこそ</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインすると、データをデバイス間で同期できます。</translation>
    </message>
    <message>
        <source>A digital pennibar register.</source>
        <translation>デジタルの Pennibar 出納帳。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別の口座を作成</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
</context>
</TS>
