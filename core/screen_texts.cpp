#include "core/screen_texts.h"

namespace kelvaro::screen_text {

const char *rowLabel(FishKind kind) {
    switch (kind) {
    case FishKind::Angler:
        return "Angler:";
    case FishKind::Eels:
        return "Eels:";
    case FishKind::Salmon:
        return "Salmon:";
    case FishKind::Trout:
        return "Trout:";
    case FishKind::Carp:
        return "Carp:";
    }
    return "";
}

} // namespace kelvaro::screen_text
