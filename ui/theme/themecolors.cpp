#include "ui/theme/themecolors.h"

#include <QGuiApplication>

namespace {

// Every colour the screens use, each written once. The light theme's greens and greys:
constexpr char white[] = "#FFFFFF";
constexpr char paper[] = "#FAFBFA";
constexpr char mint[] = "#F2F7F4";
constexpr char frost[] = "#F0F4F2";
constexpr char paleGreen[] = "#E8F5E9";
constexpr char mist[] = "#E0EBE5";
constexpr char lightRule[] = "#D8E0DB";
constexpr char disabledSage[] = "#A0B5A8";
constexpr char shadowSage[] = "#9BB0A3";
constexpr char sage[] = "#6E8A7E";
constexpr char deepSage[] = "#4A6358";
constexpr char statusInk[] = "#2A3D33";
constexpr char ink[] = "#1B2D26";
// The dark theme's:
// Text on the dark backgrounds reads at 4.5:1 at least.
constexpr char moonlight[] = "#D8E8DF";
constexpr char paleSage[] = "#8FAF9F";
constexpr char mutedSage[] = "#84A295";
constexpr char hintSage[] = "#5A7A6E";
constexpr char lightHintSage[] = "#7F9C8F";
constexpr char disabledForest[] = "#3A5A4A";
constexpr char darkRule[] = "#2A4038";
constexpr char selectedForest[] = "#1C4439";
constexpr char pine[] = "#26574A";
constexpr char forest[] = "#1E3530";
constexpr char sidebarBorder[] = "#1E3028";
constexpr char nightAlternate[] = "#1A2E28";
constexpr char night[] = "#152420";
constexpr char midnight[] = "#0F1E19";
constexpr char shadowNight[] = "#0A1510";
// Teals, and the amount and warning colours of each theme:
constexpr char lightTeal[] = "#4DB6AC";
constexpr char teal[] = "#00897B";
constexpr char darkTeal[] = "#00796B";
constexpr char deepTeal[] = "#004D40";
constexpr char green[] = "#2E7D32";
constexpr char lightGreen[] = "#66BB6A";
constexpr char red[] = "#C62828";
constexpr char deepRed[] = "#B71C1C";
constexpr char lightRed[] = "#FF8A80";
constexpr char orange[] = "#E65100";
constexpr char lightOrange[] = "#FFA726";
// Backgrounds that mark a cell the program cannot read:
constexpr char paleRose[] = "#FCE4E2";
constexpr char darkRose[] = "#4D2427";
// The category tree's income green, and the charts' second-period blues:
constexpr char incomeGreen[] = "#008800";
constexpr char slateBlue[] = "#5C6BC0";
constexpr char paleBlue[] = "#9FA8DA";
// The split editor's plain colours:
constexpr char plainGreen[] = "green";
constexpr char plainRed[] = "#cc0000";
constexpr char plainWhite[] = "white";
// The recurring screen's due green and Qt's grey for inactive rows:
constexpr char dueGreen[] = "#008800";
constexpr char qtGray[] = "#A0A0A4";
// The disabled danger button:
constexpr char charcoal[] = "#666";

ThemeColor pick(bool dark, const char* light, const char* darkColour)
{
    return ThemeColor(dark ? darkColour : light);
}

// A palette role's colour in the light and in the dark theme.
struct RoleColours
{
    QPalette::ColorRole role;
    const char* light;
    const char* dark;
};

constexpr RoleColours paletteColours[] = {
    {QPalette::Window, paper, midnight},
    {QPalette::WindowText, ink, moonlight},
    {QPalette::Base, white, night},
    {QPalette::AlternateBase, mint, nightAlternate},
    {QPalette::Text, ink, moonlight},
    {QPalette::Button, mist, forest},
    {QPalette::ButtonText, ink, moonlight},
    {QPalette::Highlight, teal, lightTeal},
    {QPalette::HighlightedText, white, midnight},
    {QPalette::ToolTipBase, white, forest},
    {QPalette::ToolTipText, ink, moonlight},
    {QPalette::PlaceholderText, sage, paleSage},
    {QPalette::Mid, lightRule, darkRule},
    {QPalette::Light, white, darkRule},
    {QPalette::Dark, shadowSage, shadowNight},
};

} // namespace

bool ThemeColors::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

bool ThemeColors::isDark()
{
    return isDark(QGuiApplication::palette());
}

QPalette ThemeColors::palette(bool dark)
{
    QPalette palette;
    for (const RoleColours& colours : paletteColours)
        palette.setColor(colours.role, pick(dark, colours.light, colours.dark).color());
    const QColor disabled = pick(dark, disabledSage, disabledForest).color();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

ThemeColor ThemeColors::positive(bool dark)
{
    return pick(dark, green, lightGreen);
}

ThemeColor ThemeColors::negative(bool dark)
{
    return pick(dark, red, lightRed);
}

ThemeColor ThemeColors::warning(bool dark)
{
    return pick(dark, orange, lightOrange);
}

ThemeColor ThemeColors::accent(bool dark)
{
    return pick(dark, teal, lightTeal);
}

ThemeColor ThemeColors::secondary(bool dark)
{
    return pick(dark, sage, paleSage);
}

ThemeColor ThemeColors::entryRowBackground(bool dark)
{
    return pick(dark, paleGreen, nightAlternate);
}

ThemeColor ThemeColors::subtitle(bool dark)
{
    return pick(dark, deepSage, paleSage);
}

ThemeColor ThemeColors::statusText(bool dark)
{
    return pick(dark, statusInk, paleSage);
}

ThemeColor ThemeColors::divider(bool dark)
{
    return pick(dark, lightRule, darkRule);
}

ThemeColor ThemeColors::incomeCategory(bool dark)
{
    return pick(dark, incomeGreen, lightGreen);
}

ThemeColor ThemeColors::chartInflow(bool dark)
{
    return positive(dark);
}

ThemeColor ThemeColors::chartOutflow(bool dark)
{
    return negative(dark);
}

ThemeColor ThemeColors::chartNet(bool dark)
{
    return pick(dark, deepTeal, lightTeal);
}

ThemeColor ThemeColors::chartFirstPeriod(bool dark)
{
    return pick(dark, sage, paleSage);
}

ThemeColor ThemeColors::chartSecondPeriod(bool dark)
{
    return pick(dark, slateBlue, paleBlue);
}

ThemeColor ThemeColors::chartBar(bool dark)
{
    return accent(dark);
}

ThemeColor ThemeColors::unreadableCell(bool dark)
{
    return pick(dark, paleRose, darkRose);
}

ThemeColor ThemeColors::mutedText(bool dark)
{
    return pick(dark, sage, mutedSage);
}

ThemeColor ThemeColors::hintText(bool dark)
{
    return pick(dark, hintSage, lightHintSage);
}

ThemeColor ThemeColors::splitBalanced(bool dark)
{
    return pick(dark, plainGreen, lightGreen);
}

ThemeColor ThemeColors::splitOverAssigned(bool dark)
{
    return pick(dark, plainRed, lightRed);
}

ThemeColor ThemeColors::brightAccent()
{
    return ThemeColor(lightTeal);
}

ThemeColor ThemeColors::primaryButton()
{
    return ThemeColor(teal);
}

ThemeColor ThemeColors::primaryButtonHover()
{
    return ThemeColor(darkTeal);
}

ThemeColor ThemeColors::primaryButtonPressed()
{
    return ThemeColor(deepTeal);
}

ThemeColor ThemeColors::primaryButtonText()
{
    return ThemeColor(plainWhite);
}

ThemeColor ThemeColors::dueRecurring()
{
    return ThemeColor(dueGreen);
}

ThemeColor ThemeColors::inactiveRecurring()
{
    return ThemeColor(qtGray);
}

ThemeColor ThemeColors::sidebarBackground()
{
    return ThemeColor(night);
}

ThemeColor ThemeColors::sidebarText()
{
    return ThemeColor(paleSage);
}

ThemeColor ThemeColors::sidebarHover()
{
    return ThemeColor(forest);
}

ThemeColor ThemeColors::sidebarSelection()
{
    return ThemeColor(selectedForest);
}

ThemeColor ThemeColors::sidebarStrongText()
{
    return ThemeColor(white);
}

ThemeColor ThemeColors::sidebarHeading()
{
    return ThemeColor(lightHintSage);
}

ThemeColor ThemeColors::sidebarRule()
{
    return ThemeColor(sidebarBorder);
}

ThemeColor ThemeColors::pageListBackground(bool dark)
{
    return pick(dark, frost, night);
}

ThemeColor ThemeColors::pageListText(bool dark)
{
    return pick(dark, ink, moonlight);
}

ThemeColor ThemeColors::pageListHover(bool dark)
{
    return pick(dark, mist, forest);
}

ThemeColor ThemeColors::pageListSelection(bool dark)
{
    return pick(dark, teal, pine);
}

ThemeColor ThemeColors::pageListSelectedText()
{
    return ThemeColor(white);
}

ThemeColor ThemeColors::pageListIcon(bool dark)
{
    return pick(dark, deepSage, paleSage);
}

ThemeColor ThemeColors::dangerButton()
{
    return ThemeColor(red);
}

ThemeColor ThemeColors::dangerButtonHover()
{
    return ThemeColor(deepRed);
}

ThemeColor ThemeColors::dangerButtonDisabled()
{
    return ThemeColor(charcoal);
}
