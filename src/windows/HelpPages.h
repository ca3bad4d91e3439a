// The texts of the help window's pages, keyed by the number of the section
// button that shows them (the page "memo" + number).
#pragma once

#include <QList>
#include <QStringList>

namespace HelpPages {

// Section numbers in the order of the side buttons.
QList<int> sections();
// The caption of a section's button.
QString caption(int section);
// The page's stored lines; empty for an unknown section. They were broken for
// a narrower page: a line ending in a blank runs on into the next one.
QStringList lines(int section);
// The page's text for a page that wraps its own lines: the lines that run on
// joined, one paragraph per line of the result.
QString paragraphs(int section);

} // namespace HelpPages
