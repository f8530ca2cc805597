#include "core/fish_kind.h"

namespace kelvaro {

std::string_view fishName(FishKind kind) {
    switch (kind) {
    case FishKind::Angler:
        return "angler";
    case FishKind::Eels:
        return "eels";
    case FishKind::Salmon:
        return "salmon";
    case FishKind::Trout:
        return "trout";
    case FishKind::Carp:
        return "carp";
    }
    return {};
}

} // namespace kelvaro
