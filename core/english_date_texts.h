#pragma once

#include "core/platform.h"

namespace kelvaro {

// English month names, for when the system's language is not known.
class EnglishDateTexts final : public DateTexts {
  public:
    std::string monthName(int month) const override;
    std::string monthAbbreviation(int month) const override;
};

} // namespace kelvaro
