#pragma once

#include "ui/theme/themecolor.h"

#include <QPalette>

// Every colour of the user interface, named once. Widgets never ask the theme manager: they
// look at the application palette (the dark test) and take the matching colour from here; style
// sheets write a colour's name() and painters its color().
class ThemeColors
{
public:
    // Dark when the palette's window colour has a lightness below 128.
    static bool isDark(const QPalette& palette);
    // The dark test on the application palette.
    static bool isDark();

    // The light or the dark theme's palette.
    static QPalette palette(bool dark);

    // Colours that follow the theme.
    static ThemeColor positive(bool dark);
    static ThemeColor negative(bool dark);
    static ThemeColor warning(bool dark);
    static ThemeColor accent(bool dark);
    static ThemeColor secondary(bool dark);
    // The background that marks the row being typed in the register.
    static ThemeColor entryRowBackground(bool dark);
    // The welcome screen's subtitle under its title.
    static ThemeColor subtitle(bool dark);
    // The status bar's account count and sync state.
    static ThemeColor statusText(bool dark);
    // Borders of cards and separating rules.
    static ThemeColor divider(bool dark);
    // The background of an imported cell that will not read as a date or an amount.
    static ThemeColor unreadableCell(bool dark);
    // The type of an income category in the category tree.
    static ThemeColor incomeCategory(bool dark);
    // The report charts: the figures coming in and going out, the net line over them, the two
    // periods of a comparison, and the bars of single-figure charts.
    static ThemeColor chartInflow(bool dark);
    static ThemeColor chartOutflow(bool dark);
    static ThemeColor chartNet(bool dark);
    static ThemeColor chartFirstPeriod(bool dark);
    static ThemeColor chartSecondPeriod(bool dark);
    static ThemeColor chartBar(bool dark);

    // The same for the application palette's theme.
    static ThemeColor positive() { return positive(isDark()); }
    static ThemeColor negative() { return negative(isDark()); }
    static ThemeColor warning() { return warning(isDark()); }
    static ThemeColor accent() { return accent(isDark()); }
    static ThemeColor secondary() { return secondary(isDark()); }
    static ThemeColor incomeCategory() { return incomeCategory(isDark()); }

    // Captions, notes and timestamps: the light theme's secondary text, lighter on dark.
    static ThemeColor mutedText(bool dark);
    static ThemeColor mutedText() { return mutedText(isDark()); }
    // The register's key hint.
    static ThemeColor hintText(bool dark);
    static ThemeColor hintText() { return hintText(isDark()); }
    // The split editor's remaining amount: nothing left to assign, or more assigned than the total.
    static ThemeColor splitBalanced(bool dark);
    static ThemeColor splitBalanced() { return splitBalanced(isDark()); }
    static ThemeColor splitOverAssigned(bool dark);
    static ThemeColor splitOverAssigned() { return splitOverAssigned(isDark()); }

    // Colours that stay the same in both themes.
    // The teal of icons and link-like buttons, readable on light and dark backgrounds alike.
    static ThemeColor brightAccent();
    // The filled button of a screen's main action.
    static ThemeColor primaryButton();
    static ThemeColor primaryButtonHover();
    static ThemeColor primaryButtonPressed();
    static ThemeColor primaryButtonText();
    // Recurring transactions that are due (their date and the due count), and those switched off.
    static ThemeColor dueRecurring();
    static ThemeColor inactiveRecurring();

    // The account list beside the register, dark whatever the theme.
    static ThemeColor sidebarBackground();
    static ThemeColor sidebarText();
    static ThemeColor sidebarHover();
    static ThemeColor sidebarSelection();
    // Account names, and the text of hovered and selected rows.
    static ThemeColor sidebarStrongText();
    static ThemeColor sidebarHeading();
    // The rule above the list's total.
    static ThemeColor sidebarRule();

    // The list of pages on the left of the preferences window, which follows the theme.
    static ThemeColor pageListBackground(bool dark);
    static ThemeColor pageListText(bool dark);
    static ThemeColor pageListHover(bool dark);
    static ThemeColor pageListSelection(bool dark);
    static ThemeColor pageListSelectedText();
    static ThemeColor pageListIcon(bool dark);

    // The filled button of an action that cannot be undone, such as deleting the user's account.
    static ThemeColor dangerButton();
    static ThemeColor dangerButtonHover();
    static ThemeColor dangerButtonDisabled();
};
