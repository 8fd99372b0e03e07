#pragma once

#include <QString>
#include <QUrl>

// Where "Send Feedback..." leads: the maker's feedback page, tagged with the product.
class FeedbackLink
{
public:
    FeedbackLink(const QString& siteUrl, const QString& product);

    // The site with a trailing "/" on its path and the query item tags=<product>.
    QUrl url() const;

private:
    QString m_siteUrl;
    QString m_product;
};
