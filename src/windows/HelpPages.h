// The texts of the help window's pages, one entry per paragraph, keyed by the
// number of the section button that shows them (the page "memo" + number).
#pragma once

#include <QList>
#include <QStringList>

namespace HelpPages {

// Section numbers in the order of the side buttons.
QList<int> sections();
// The caption of a section's button.
QString caption(int section);
// The page's paragraphs; empty for an unknown section.
QStringList lines(int section);

} // namespace HelpPages
