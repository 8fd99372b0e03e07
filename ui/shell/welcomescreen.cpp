#include "ui/shell/welcomescreen.h"

#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/theme/thememanager.h"

#include "app/appstate.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLabel* centredLabel(const QString& text, int role, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    applyFontRole(label, role);
    return label;
}

} // namespace

WelcomeScreen::WelcomeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* content = new QWidget(scroll);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    contentLayout->setSpacing(0);
    auto* column = new QWidget(content);
    column->setMaximumWidth(560);
    contentLayout->addWidget(column);
    scroll->setWidget(content);

    // The column keeps its own 560 px limit: a min-and-max size constraint on its layout would
    // replace that limit with the layout's and stretch the card across the whole page.
    auto* layout = new QVBoxLayout(column);
    layout->setSpacing(0);

    auto* icon = new QLabel(column);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                        .scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(20);

    m_title = centredLabel(QString(), FontRoles::Title, column);
    layout->addWidget(m_title);
    layout->addSpacing(8);

    m_subtitle = centredLabel(QString(), FontRoles::Subheading, column);
    layout->addWidget(m_subtitle);
    layout->addSpacing(16);

    m_signBackIn = centredLabel(tr("Your session has ended. Sign back in to keep syncing."),
                                FontRoles::BodyStrong, column);
    layout->addWidget(m_signBackIn);
    layout->addSpacing(8);

    m_howItWorks = buildHowItWorksCard();
    layout->addWidget(m_howItWorks);
    layout->addSpacing(16);

    auto* offline = centredLabel(tr("Works fully offline. Your data stays on this device."),
                                 FontRoles::Small, column);
    Styles::setMuted(offline);
    layout->addWidget(offline);
    layout->addSpacing(24);

    m_createButton = new QPushButton(column);
    m_createButton->setCursor(Qt::PointingHandCursor);
    connect(m_createButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    layout->addWidget(m_createButton, 0, Qt::AlignHCenter);
    layout->addSpacing(20);

    m_signInButton = new QPushButton(column);
    m_signInButton->setCursor(Qt::PointingHandCursor);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
    layout->addWidget(m_signInButton, 0, Qt::AlignHCenter);

    if (m_appState && m_appState->themeManager())
        connect(m_appState->themeManager(), &ThemeManager::themeChanged, this,
                &WelcomeScreen::restyle);
    setReturningUser(false);
}

QWidget* WelcomeScreen::buildHowItWorksCard()
{
    auto* card = new QWidget(this);
    card->setObjectName(QStringLiteral("HowItWorksCard"));
    card->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(card);
    layout->setSpacing(8);

    auto* heading = new QLabel(tr("How it works"), card);
    applyFontRole(heading, FontRoles::Subheading);
    layout->addWidget(heading);
    layout->addSpacing(4);

    const QStringList steps = {
        tr("Add an account (checking, savings, credit card, or any account you'd like to track)."),
        tr("Record transactions as you spend."),
        tr("Reconcile when your statement arrives."),
    };
    for (int i = 0; i < steps.size(); ++i) {
        auto* row = new QHBoxLayout;
        row->setSpacing(12);
        row->setContentsMargins(0, 4, 0, 4);
        auto* number = new QLabel(QStringLiteral("%1.").arg(i + 1), card);
        applyFontRole(number, FontRoles::BodyStrong);
        number->setFixedWidth(20);
        number->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_stepNumbers << number;
        auto* text = new QLabel(steps.at(i), card);
        text->setWordWrap(true);
        row->addWidget(number);
        row->addWidget(text, 1);
        layout->addLayout(row);
    }
    return card;
}

void WelcomeScreen::setReturningUser(bool returning)
{
    m_returning = returning;
    m_title->setText(returning ? tr("Welcome back") : tr("Welcome to\nTovarly Pennibar"));
    m_subtitle->setText(returning ? tr("Sign in to keep your data synced across devices.")
                                  : tr("A digital pennibar register."));
    m_signBackIn->setVisible(returning);
    m_howItWorks->setVisible(!returning);

    const QString linkStyle = Styles::textColor(ThemeColors::brightAccent());
    const auto makePrimary = [](QPushButton* button) {
        button->setFlat(false);
        button->setStyleSheet(Styles::primaryButton());
        button->setMinimumHeight(40);
    };
    const auto makeLink = [&linkStyle](QPushButton* button) {
        button->setFlat(true);
        button->setStyleSheet(linkStyle);
        button->setMinimumHeight(0);
    };
    if (returning) {
        m_signInButton->setText(tr("Sign In"));
        makePrimary(m_signInButton);
        m_createButton->setText(tr("Create a different account"));
        makeLink(m_createButton);
    } else {
        m_signInButton->setText(tr("Already have an account? Sign In"));
        makeLink(m_signInButton);
        m_createButton->setText(tr("Create Your First Account"));
        makePrimary(m_createButton);
    }
    restyle();
}

void WelcomeScreen::restyle()
{
    const bool dark = ThemeColors::isDark();
    m_subtitle->setStyleSheet(Styles::textColor(ThemeColors::subtitle(dark)));
    const QString accent = Styles::textColor(ThemeColors::accent(dark));
    m_signBackIn->setStyleSheet(accent);
    for (QLabel* number : std::as_const(m_stepNumbers))
        number->setStyleSheet(accent);
    m_howItWorks->setStyleSheet(
        QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
            .arg(ThemeColors::divider(dark).name()));
    Styles::restyleMuted(this);
}
