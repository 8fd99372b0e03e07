#include "services/import/qif/qifparser.h"

#include "app/core/money.h"
#include "app/core/singleline.h"

namespace {

constexpr int monthFirst = 1;
constexpr int dayFirst = 2;

// Leading byte-order marks and carriage returns go, then surrounding white space.
QStringView cleanLine(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() &&
           (line.at(start) == QChar(0xFEFF) || line.at(start) == QLatin1Char('\r')))
        ++start;
    return line.sliced(start).trimmed();
}

// Calls `read` with every line of the text, empty ones included; "\r\n", "\n" and a lone
// "\r" all end a line. Views instead of a list of copies keep a large file's memory down.
template <typename Read> void forEachLine(QStringView text, Read read)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        read(text.sliced(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    read(text.sliced(start));
}

// "1/2'24", "2024-03-05" and "1. 2. 24" all become their numeric parts.
QStringList dateParts(QString text)
{
    text.replace(QLatin1Char('-'), QLatin1Char('/'));
    text.replace(QLatin1Char('.'), QLatin1Char('/'));
    text.replace(QLatin1Char('\''), QLatin1Char('/'));
    text.remove(QLatin1Char(' '));
    text.remove(QLatin1Char('\t'));
    return text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

bool allIntegers(const QStringList& parts)
{
    for (const QString& part : parts) {
        bool ok = false;
        part.toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

// A category or a transfer: "Groceries/Home" is the category Groceries (the class after "/"
// is dropped), "[Savings]" a transfer to the account Savings.
void readCategoryOrTransfer(const QString& text, QString& category, QString& transfer)
{
    QString value = text.trimmed();
    const qsizetype slash = value.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        value = value.left(slash).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('[')) &&
        value.endsWith(QLatin1Char(']'))) {
        transfer = value.mid(1, value.size() - 2).trimmed();
        category.clear();
    } else {
        category = value;
        transfer.clear();
    }
}

int typeIndexOf(const QString& typeWord)
{
    static const QStringList types{QStringLiteral("bank"),  QStringLiteral("ccard"),
                                   QStringLiteral("invst"), QStringLiteral("cash"),
                                   QStringLiteral("oth a"), QStringLiteral("oth l")};
    const qsizetype index = types.indexOf(typeWord);
    return index < 0 ? 0 : int(index);
}

// Cents of a plain decimal number ("1234.5"), halves rounded away from zero, computed on the
// digits so that 1.005 gives 101 and no binary fraction creeps in.
std::optional<qint64> decimalCents(const QString& number)
{
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? number : number.left(point);
    const QString fraction = point < 0 ? QString() : number.mid(point + 1);
    if (fraction.contains(QLatin1Char('.')) || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    for (const QString& digits : {whole, fraction}) {
        for (const QChar c : digits) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        }
    }
    // Amounts stay far below 2^53 cents; more digits than that are not an amount.
    QString significant = whole;
    while (significant.size() > 1 && significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    if (significant.size() > 15)
        return std::nullopt;

    qint64 cents = significant.toLongLong() * 100;
    const QString padded = fraction + QStringLiteral("000");
    cents += padded.mid(0, 2).toInt();
    if (padded.at(2) >= QLatin1Char('5'))
        ++cents;
    return cents;
}

} // namespace

QifParseResult QifParser::parse(const QString& text, int dateOrder)
{
    QifParser parser(dateOrder == 0 ? detectDateOrder(text) : dateOrder);
    forEachLine(text, [&parser](QStringView line) { parser.readLine(line); });
    parser.endRecord();
    parser.m_result.dateOrder = parser.m_dateOrder;
    return std::move(parser.m_result);
}

int QifParser::detectDateOrder(QStringView text)
{
    int order = monthFirst;
    forEachLine(text, [&order](QStringView line) {
        const QStringView cleaned = cleanLine(line);
        if (order == dayFirst || cleaned.size() <= 1 || !cleaned.startsWith(QLatin1Char('D')))
            return;
        const QStringList parts = dateParts(cleaned.sliced(1).trimmed().toString());
        if (parts.size() >= 3 && allIntegers(parts) && parts.first().size() != 4 &&
            parts.first().toInt() > 12)
            order = dayFirst;
    });
    return order;
}

std::optional<qint64> QifParser::parseAmount(const QString& text)
{
    QString value = text.trimmed();
    if (value.isEmpty())
        return std::nullopt;

    const bool parenthesised =
        value.startsWith(QLatin1Char('(')) && value.endsWith(QLatin1Char(')'));
    bool negative = parenthesised;
    if (parenthesised)
        value = value.mid(1, value.size() - 2).trimmed();

    QString cleaned;
    for (const QChar c : std::as_const(value)) {
        if (!c.isSpace() && !QStringLiteral("$€£¥¢").contains(c))
            cleaned.append(c);
    }
    if (cleaned.isEmpty())
        return std::nullopt;
    if (cleaned.startsWith(QLatin1Char('+'))) {
        cleaned.remove(0, 1);
    } else if (cleaned.startsWith(QLatin1Char('-'))) {
        cleaned.remove(0, 1);
        negative = !parenthesised; // "(-5)" cancels out to +5
    }
    if (cleaned.isEmpty())
        return std::nullopt;

    // Which separator is the decimal one: with both present the last; with one kind alone,
    // a thousands separator when it repeats or stands before exactly three final digits.
    const qsizetype lastDot = cleaned.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = cleaned.lastIndexOf(QLatin1Char(','));
    QChar decimal;
    QChar thousands;
    if (lastDot >= 0 && lastComma >= 0) {
        decimal = lastDot > lastComma ? QLatin1Char('.') : QLatin1Char(',');
        thousands = lastDot > lastComma ? QLatin1Char(',') : QLatin1Char('.');
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar separator = lastDot >= 0 ? QLatin1Char('.') : QLatin1Char(',');
        const qsizetype at = qMax(lastDot, lastComma);
        const qsizetype occurrences = cleaned.count(separator);
        if (occurrences > 1 || (at >= 1 && cleaned.size() - at - 1 == 3)) {
            const QStringList groups = cleaned.split(separator);
            if (groups.first().isEmpty() || groups.first().size() > 3)
                return std::nullopt;
            for (qsizetype i = 1; i < groups.size(); ++i) {
                if (groups.at(i).size() != 3)
                    return std::nullopt;
            }
            thousands = separator;
        } else {
            decimal = separator;
        }
    }

    QString number = cleaned;
    if (!thousands.isNull())
        number.remove(thousands);
    if (!decimal.isNull())
        number.replace(decimal, QLatin1Char('.'));
    const std::optional<qint64> cents = decimalCents(number);
    if (!cents || !isWithinEnteredRange(*cents, Currency::USD))
        return std::nullopt;
    return negative ? -*cents : *cents;
}

QDate QifParser::parseDate(const QString& text, int dateOrder)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QStringList parts = dateParts(trimmed);
    if (parts.size() < 3 || !allIntegers(parts))
        return {};

    const int p0 = parts.at(0).toInt();
    const int p1 = parts.at(1).toInt();
    const int p2 = parts.at(2).toInt();
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts.at(0).size() == 4) {
        year = p0;
        month = p1;
        day = p2;
    } else {
        year = (parts.at(2).size() == 4 || p2 >= 32) ? p2 : p2 + 2000;
        const bool readDayFirst = dateOrder == dayFirst || (dateOrder == 0 && p0 > 12);
        day = readDayFirst ? p0 : p1;
        month = readDayFirst ? p1 : p0;
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, month, day); // invalid for an impossible date
}

void QifParser::readLine(QStringView line)
{
    const QStringView cleaned = cleanLine(line);
    if (cleaned.isEmpty())
        return;
    if (cleaned.startsWith(QLatin1Char('!'))) {
        endRecord();
        startSection(cleaned.toString());
        return;
    }
    if (cleaned.startsWith(QLatin1Char('^'))) {
        endRecord();
        return;
    }

    const QChar letter = cleaned.at(0);
    const QString value = singleLine(cleaned.sliced(1).trimmed().toString());
    m_hasContent = true;
    switch (m_section) {
    case Section::AccountList:
        m_accountListFields.append({letter, value});
        break;
    case Section::CategoryList:
        readCategoryField(letter, value);
        break;
    case Section::Ignored:
        break;
    case Section::Transactions:
    case Section::NoHeader:
        readTransactionField(letter, value);
        break;
    }
}

void QifParser::startSection(const QString& header)
{
    const auto startsWith = [&header](const char* prefix) {
        return header.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
    };
    if (startsWith("!Type:")) {
        if (startsWith("!Type:Cat")) {
            m_section = Section::CategoryList;
        } else if (startsWith("!Type:Class") || startsWith("!Type:Memorized") ||
                   startsWith("!Type:Tag") || startsWith("!Type:Security") ||
                   startsWith("!Type:Prices")) {
            m_section = Section::Ignored;
        } else {
            m_section = Section::Transactions;
            m_typeIndex = typeIndexOf(header.mid(6).trimmed().toLower());
        }
    } else if (startsWith("!Account")) {
        m_section = Section::AccountList;
    } else if (startsWith("!Option") || startsWith("!Clear")) {
        m_section = Section::Ignored;
    } else {
        m_section = Section::NoHeader;
    }
}

void QifParser::readCategoryField(QChar letter, const QString& value)
{
    switch (letter.unicode()) {
    case 'N':
        m_category.name = value;
        break;
    case 'D':
        m_category.description = value;
        break;
    case 'I':
        m_category.isIncome = true;
        break;
    case 'E':
        m_category.isIncome = false;
        break;
    default:
        break;
    }
}

void QifParser::readTransactionField(QChar letter, const QString& value)
{
    QifTransaction& t = m_transaction;
    switch (letter.unicode()) {
    case 'D': {
        const QDate date = parseDate(value, m_dateOrder);
        if (date.isValid()) {
            t.date = date;
            m_dated = true;
        }
        break;
    }
    case 'T':
    case 'U':
        if (const std::optional<qint64> amount = parseAmount(value)) {
            t.amount = *amount;
            m_hasAmount = true;
        }
        break;
    case '$':
        if (const std::optional<qint64> amount = parseAmount(value)) {
            if (m_split) {
                m_split->amount = *amount;
            } else {
                t.amount = *amount;
                m_hasAmount = true;
            }
        }
        break;
    case 'P':
        t.payee = value;
        break;
    case 'M':
        t.memo = value;
        break;
    case 'N':
        t.checkNumber = value;
        break;
    case 'Y':
        t.security = value;
        break;
    case 'C':
        if (!value.isEmpty()) {
            const QChar mark = value.at(0).toLower();
            if (mark == QLatin1Char('*') || mark == QLatin1Char('c') || mark == QLatin1Char('x')) {
                t.cleared = true;
            } else if (mark == QLatin1Char('r')) {
                t.cleared = true;
                t.reconciled = true;
            }
        }
        break;
    case 'L':
        readCategoryOrTransfer(value, t.categoryName, t.transferAccount);
        break;
    case 'S':
        closeSplit();
        m_split = QifSplit();
        readCategoryOrTransfer(value, m_split->categoryName, m_split->transferAccount);
        break;
    case 'E':
        if (m_split)
            m_split->memo = value;
        break;
    default:
        break;
    }
}

void QifParser::closeSplit()
{
    if (m_split) {
        m_transaction.splits.append(*m_split);
        m_split.reset();
    }
}

void QifParser::endTransactionRecord(int typeIndex)
{
    closeSplit();
    if (m_dated && m_hasAmount) {
        m_transaction.accountName = m_accountName;
        if (!m_accountName.isEmpty() && !m_knownAccounts.contains(m_accountName.toLower())) {
            m_knownAccounts.insert(m_accountName.toLower());
            m_result.accounts.append({m_accountName, typeIndex});
        }
        m_result.transactions.append(std::move(m_transaction));
    } else if (m_hasContent) {
        ++m_result.unparseable;
    }
}

void QifParser::endAccountListRecord()
{
    // Some exports go straight from an account's record to its transactions, without a
    // "!Type:" line between them. A record with a date and an amount is such a transaction;
    // one with only one of the two is a broken transaction rather than an account.
    bool dated = false;
    bool hasAmount = false;
    for (const auto& [letter, value] : std::as_const(m_accountListFields)) {
        if (letter == QLatin1Char('D'))
            dated = dated || parseDate(value, m_dateOrder).isValid();
        else if (letter == QLatin1Char('T') || letter == QLatin1Char('U'))
            hasAmount = hasAmount || parseAmount(value).has_value();
    }
    if (dated && hasAmount) {
        for (const auto& [letter, value] : std::as_const(m_accountListFields))
            readTransactionField(letter, value);
        endTransactionRecord(m_accountTypeIndex);
        return;
    }
    if (dated || hasAmount) {
        ++m_result.unparseable;
        return;
    }

    QString name;
    QString type;
    for (const auto& [letter, value] : std::as_const(m_accountListFields)) {
        if (letter == QLatin1Char('N'))
            name = value;
        else if (letter == QLatin1Char('T'))
            type = value;
    }
    if (!name.isEmpty()) {
        m_accountName = name;
        m_accountTypeIndex = typeIndexOf(type.toLower());
    }
}

void QifParser::endRecord()
{
    switch (m_section) {
    case Section::AccountList:
        endAccountListRecord();
        break;
    case Section::CategoryList:
        if (m_hasContent && !m_category.name.isEmpty())
            m_result.categories.append(m_category);
        break;
    case Section::Ignored:
        if (m_hasContent)
            ++m_result.metadata;
        break;
    case Section::Transactions:
    case Section::NoHeader:
        endTransactionRecord(m_typeIndex);
        break;
    }
    m_hasContent = false;
    m_dated = false;
    m_hasAmount = false;
    m_transaction = QifTransaction();
    m_split.reset();
    m_category = QifCategoryDefinition();
    m_accountListFields.clear();
}
