#include "ui/shell/statusbar.h"

#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include <QLabel>
#include <QProgressBar>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent), m_syncLabel(new QLabel(tr("Offline"), this)),
      m_accountsLabel(new QLabel(this)), m_recurringLabel(new QLabel(this)),
      m_progressLabel(new QLabel(this)), m_busyBar(new QProgressBar(this))
{
    for (QLabel* label : {m_syncLabel, m_accountsLabel, m_recurringLabel, m_progressLabel})
        applyFontRole(label, FontRoles::Body);

    m_recurringLabel->hide();
    m_progressLabel->hide();
    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumWidth(100);
    m_busyBar->setMaximumHeight(14);
    m_busyBar->setTextVisible(false);
    m_busyBar->hide();

    addWidget(m_accountsLabel);
    addWidget(m_recurringLabel);
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_busyBar);
    addPermanentWidget(m_syncLabel);
    connect(this, &QStatusBar::messageChanged, this, &StatusBar::placeCounts);
    restyle();
}

void StatusBar::setAccountCount(int count)
{
    m_accountsLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count)
{
    m_recurringDue = count;
    if (count > 0) {
        m_recurringLabel->setText(tr("  •  %n recurring due", nullptr, count));
        restyleRecurring();
    }
    placeCounts();
}

void StatusBar::placeCounts()
{
    const bool free = currentMessage().isEmpty();
    m_accountsLabel->setVisible(free);
    m_recurringLabel->setVisible(free && m_recurringDue > 0);
}

void StatusBar::setSyncText(const QString& text)
{
    m_syncLabel->setText(text);
}

void StatusBar::showProgress(const QString& text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_busyBar->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_busyBar->hide();
}

void StatusBar::showTransient(const QString& text, int milliseconds)
{
    hideProgress();
    showMessage(text, milliseconds);
}

void StatusBar::restyle()
{
    // A message shown for a moment is painted in the bar's text colour, which its style sheet
    // fixed when it was applied: applied again, the bar takes the current theme's colour.
    setStyleSheet(
        QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));
    const QString style = Styles::textColor(ThemeColors::statusText(ThemeColors::isDark()));
    m_syncLabel->setStyleSheet(style);
    m_accountsLabel->setStyleSheet(style);
    restyleRecurring();
}

void StatusBar::restyleRecurring()
{
    m_recurringLabel->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold;").arg(ThemeColors::warning().name()));
}
