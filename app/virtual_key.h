#pragma once

namespace kelvo {

// The Windows virtual-key code of a Qt key (letters 65-90, digits 48-57, F1-F24 112-135, and
// the editing and modifier keys); 0 for a key without one.
[[nodiscard]] int VirtualKeyFromQt(int qtKey);

} // namespace kelvo
