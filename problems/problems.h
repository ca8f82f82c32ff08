#pragma once
// The problem windows, each made by its own folder, and the one table that the main
// window (its menu "&Escolha", the statements, the windows it hides) and the test tools read.
#include "framework/plot.h"

#include <span>

namespace framework { class Form; }

namespace problems {

// A submenu of "&Escolha" that holds the two methods of one problem.
struct Submenu {
    const char* name;  // its objectName
    const char* caption;
};

// One problem of the menu, in the menu's order (UTF-8 texts).
struct Problem {
    const char* menuItem;       // the item's name (Mnu01)
    const char* caption;        // its caption
    int key;                    // its F-key (a Qt::Key), or 0
    const Submenu* submenu;     // the submenu that holds it, or null
    const char* form;           // the window's form name
    framework::Form* (*create)();
    const char* statement;      // the text the status bar shows when it is chosen
    int hideRank;               // where its window stands in the list of windows that a problem
                                // command hides (after the About window); 0: it is never hidden
    const char* title;          // the window's title
    const char* help;           // the anchor of its section in the help
    framework::PlotDescription plot;  // the picture of its run
};

// The plot description of the window of that form name (the plot panel and the PDF ask here,
// so that neither knows any problem), or null when it has none.
framework::PlotDescription plotOf(const QString& formName);

std::span<const Problem> all();
}  // namespace problems
