#pragma once

#include <QString>

class QFrame;
class QLayout;
class QVBoxLayout;
class QWidget;

// The pieces every page of the preferences window is built from, so the pages read alike.
class SettingsSections
{
public:
    // A page: its title, then what the caller adds; addStretch() closes it.
    static QVBoxLayout* page(QWidget* page, const QString& title, int spacingAfterTitle = 12);
    // A section's title and, when given, its description under it.
    static QWidget* header(const QString& title, const QString& description = QString());
    // The horizontal rule between two sections, with the space around it.
    static void addSeparator(QVBoxLayout* layout);
    static QFrame* separator();
    // The content of a section sits indented under its header.
    static QVBoxLayout* indented(QVBoxLayout* page);
    // A note under a check box: small and muted, in line with the box's text.
    static QWidget* note(const QString& text);
    // Gives the pieces under `root` the colours of the theme now applied.
    static void restyle(QWidget* root);
};
