#include "cli/AmountReport.h"

#include <exception>
#include <string>

#include "pages/ConvertPage.h"
#include "pages/ErrorDisplay.h"

namespace feniko::cli {
namespace {

void TsvLine(Output& output, std::string_view amount, std::string_view kind,
             std::string_view text) {
  std::string line;
  line.reserve(amount.size() + kind.size() + text.size() + 3);
  line.append(amount).append("\t").append(kind).append("\t").append(text).append("\n");
  output.Out(line);
}

void Line(Output& output, std::string_view text) {
  output.Out(text);
  output.Out("\n");
}

}  // namespace

bool ReportTax(Output& output, std::string_view amount, Schedule schedule, bool tsv) {
  const TaxOutcome outcome = RunTaxCalculation(schedule, amount);
  const bool usable = outcome.kind != TaxOutcome::Kind::InvalidAmount;
  if (outcome.kind != TaxOutcome::Kind::Result) {
    if (tsv) {
      TsvLine(output, amount, "message", outcome.message);
    } else {
      Line(output, outcome.message);
    }
    return usable;
  }
  if (tsv) {
    std::string figures;
    for (std::size_t i = 0; i < outcome.figures.size(); ++i) {
      if (i > 0) figures.push_back('\t');
      figures.append(outcome.figures[i]);
    }
    TsvLine(output, amount, "ok", figures);
  } else {
    std::string block;
    for (const std::string& line : outcome.lines) block.append(line).append("\n");
    output.Out(block);
  }
  return usable;
}

bool ReportRmb(Output& output, std::string_view amount, bool tsv) {
  ConvertOutcome outcome;
  try {
    outcome = RunConversion(amount);
  } catch (const std::exception& failure) {
    const std::string shown = ErrorDisplayText(failure.what());
    if (tsv) {
      TsvLine(output, amount, "error", shown);
    } else {
      output.Err(shown + "\n");
    }
    return false;
  }
  const bool result = outcome.kind == ConvertOutcome::Kind::Result;
  if (tsv) {
    TsvLine(output, amount, result ? "ok" : "message", outcome.text);
  } else {
    Line(output, outcome.text);
  }
  return result;
}

}  // namespace feniko::cli
