#pragma once

// What feniko-cli writes for one amount, exactly as the page would show it.

#include <string_view>

#include "cli/Output.h"
#include "pages/TaxPage.h"

namespace feniko::cli {

// Both return true when the amount gave a result (or the tax-free notice),
// false for the red page message or a failure for the general error display.

// Default: the six result lines, or the page message line.
// --tsv: AMOUNT TAB ok TAB income TAB taxable TAB rate TAB deduct TAB tax TAB after-tax,
//        or AMOUNT TAB message TAB the message.
bool ReportTax(Output& output, std::string_view amount, Schedule schedule, bool tsv);

// Default: the capital text (an empty line for 0 fen) or the page message
// line; a failure goes to standard error as the general error display shows it.
// --tsv: AMOUNT TAB ok|message|error TAB the text.
bool ReportRmb(Output& output, std::string_view amount, bool tsv);

}  // namespace feniko::cli
