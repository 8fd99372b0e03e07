#include "data/openingbalance.h"

namespace {

const char* const englishPayee = QT_TRANSLATE_NOOP("OpeningBalance", "Opening Balance");

} // namespace

QString OpeningBalance::payee()
{
    return tr(englishPayee);
}

QStringList OpeningBalance::payees()
{
    QStringList known{QString::fromLatin1(englishPayee)};
    const QString translated = payee();
    if (!known.contains(translated))
        known << translated;
    return known;
}

QString OpeningBalance::sqlCondition(qsizetype payeeCount)
{
    const QStringList placeholders(payeeCount, QStringLiteral("?"));
    // The payee first: it tells most transactions apart, where most of a long history is
    // cleared and reconciled.
    return QStringLiteral("(t.payee IN (%1) AND t.reconciled != 0 AND t.cleared != 0 AND "
                          "t.is_split = 0 AND COALESCE(t.transfer_link_id, '') = '')")
        .arg(placeholders.join(QStringLiteral(", ")));
}
