#include "ui/shell/feedbacklink.h"

#include <QUrlQuery>

FeedbackLink::FeedbackLink(const QString& siteUrl, const QString& product)
    : m_siteUrl(siteUrl), m_product(product)
{
}

QUrl FeedbackLink::url() const
{
    QUrl url(m_siteUrl);
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("tags"), m_product);
    url.setQuery(query);
    return url;
}
