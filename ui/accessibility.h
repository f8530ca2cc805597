#pragma once

namespace kelvaro {

struct Form1Controls;

// Gives every control the player uses a name and a description that a screen reader reads
// out ("Angler stock", "Buy angler", "Money", ...). The boxes' values are their texts.
void describeForScreenReaders(const Form1Controls &form);

} // namespace kelvaro
