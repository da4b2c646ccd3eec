#include "platform/help/UsingHelpPage.h"

namespace platform::help {

QString UsingHelpTitle()
{
    return QStringLiteral("Using Help");
}

QString UsingHelpBody()
{
    return QStringLiteral(
        "<p>The help window shows one topic at a time. Underlined words are links: click one to go to "
        "the topic it names.</p>"
        "<h3>The buttons</h3>"
        "<ul>"
        "<li><b>Contents</b> shows the table of contents, the first page of the help file. "
        "<a href=\"contents\">Go to the contents now.</a></li>"
        "<li><b>Search</b> opens the keyword search (see below).</li>"
        "<li><b>Back</b> returns to the topic you saw before this one, and again to the one before it. "
        "It is grayed when there is nothing to go back to.</li>"
        "</ul>"
        "<h3>Searching by keyword</h3>"
        "<p>The keyword search lists every keyword of the help file in alphabetical order. Type the first "
        "letters of a word into the line at the top: the list jumps to the first keyword that starts with "
        "them (upper and lower case are the same). The topics that keyword leads to appear under "
        "<b>Topics found</b>. Choose one and press <b>Display</b> (or Enter, or double-click it) to read it. "
        "<b>Close</b> puts the search away without changing the topic.</p>"
        "<h3>Reading and copying</h3>"
        "<p>Scroll with the scroll bar, the mouse wheel, or the Page Up, Page Down, Home and End keys. "
        "Tab moves from link to link and Enter follows the highlighted link. Select text with the mouse "
        "and press Ctrl+C to copy it.</p>"
        "<h3>Keeping the window</h3>"
        "<p>There is only ever one help window. Every help command of the program brings it to the front "
        "with the topic asked for, so you can leave it open beside the program. It closes when you close "
        "it yourself or when the program ends.</p>");
}

}  // namespace platform::help
