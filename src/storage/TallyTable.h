// The tally as an aligned plain-text table, for people reading a tally file.
#pragma once

#include <QString>

class TallyBook;

// A line with the user's own totals, then one row per tallied opponent with
// the total and Session counts as stored (names left, counts right aligned).
// Every line ends with "\n".
QString tallyTable(const TallyBook &book);
