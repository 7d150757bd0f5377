// The converter from an arbitrary double: any eight bytes, NaNs, infinities,
// subnormals and negative zero included. The laws are those of CapitalLaws.h.

#include <cstdint>
#include <cstring>

#include "CapitalLaws.h"
#include "convert/UConvert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size != sizeof(double)) return 0;
  double amount = 0;
  std::memcpy(&amount, data, sizeof amount);
  const feniko::TCharConvert converter;
  feniko::fuzz::CheckCapital(
      amount, [&] { return converter.Convert(amount); }, "Convert");
  return 0;
}
