#include "pages/ConvertPage.h"

#include <exception>

#include "convert/UConvert.h"
#include "numtext/NumberText.h"

namespace feniko {

ConvertOutcome RunConversion(std::string_view typed) {
  const TCharConvert converter;
  Amount amount;
  try {
    amount = ToAmount(ParseDecimal(typed));
  } catch (const std::exception&) {
    return {ConvertOutcome::Kind::InvalidAmount, std::string(kInvalidAmountMessage)};
  }
  // Outside the guard: the converter's failures belong to the general error display.
  return {ConvertOutcome::Kind::Result, converter.Convert(amount)};
}

}  // namespace feniko
