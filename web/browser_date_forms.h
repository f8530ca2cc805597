#pragma once

#include "core/saved_date_text.h"

namespace kelvaro {

// Languages' date forms as this browser's Intl knows them (date_forms.js); the player's
// language is the browser's.
class BrowserDateForms final : public DateForms {
  public:
    std::string ownFormText() const override;
    std::optional<std::string> formText(std::string_view languageTag) const override;
};

} // namespace kelvaro
