#include "ui/screens/settings/settingssections.h"

#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int pageMargin = 24;
constexpr int contentIndent = 12;
constexpr int noteIndent = 24;
// Marks the rules between sections, which take the theme's divider colour.
const char* const separatorProperty = "settingsSeparator";

void applyDividerColour(QFrame* line)
{
    line->setStyleSheet(Styles::textColor(ThemeColors::divider(ThemeColors::isDark())));
}

QLabel* mutedSmall(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    Styles::setMuted(label);
    applyFontRole(label, FontRoles::Small);
    return label;
}

} // namespace

QVBoxLayout* SettingsSections::page(QWidget* page, const QString& title, int spacingAfterTitle)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(pageMargin, pageMargin, pageMargin, pageMargin);
    layout->setSpacing(8);
    auto* heading = new QLabel(title, page);
    applyFontRole(heading, FontRoles::Heading);
    layout->addWidget(heading);
    layout->addSpacing(spacingAfterTitle);
    return layout;
}

QWidget* SettingsSections::header(const QString& title, const QString& description)
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* titleLabel = new QLabel(title, header);
    applyFontRole(titleLabel, FontRoles::Subheading);
    layout->addWidget(titleLabel);
    if (!description.isEmpty())
        layout->addWidget(mutedSmall(description));
    return header;
}

QFrame* SettingsSections::separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setProperty(separatorProperty, true);
    applyDividerColour(line);
    return line;
}

void SettingsSections::addSeparator(QVBoxLayout* layout)
{
    layout->addSpacing(16);
    layout->addWidget(separator());
    layout->addSpacing(12);
}

QVBoxLayout* SettingsSections::indented(QVBoxLayout* page)
{
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(contentIndent, 0, 0, 0);
    layout->setSpacing(8);
    page->addLayout(layout);
    return layout;
}

QWidget* SettingsSections::note(const QString& text)
{
    QLabel* label = mutedSmall(text);
    label->setContentsMargins(noteIndent, 0, 0, 0);
    return label;
}

void SettingsSections::restyle(QWidget* root)
{
    for (QFrame* line : root->findChildren<QFrame*>()) {
        if (line->property(separatorProperty).toBool())
            applyDividerColour(line);
    }
    Styles::restyleMuted(root);
}
