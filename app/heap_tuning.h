#pragma once

namespace kelvo {

// Laying out a megabyte line takes tens of megabytes of glyph arrays, allocated and freed on
// every change of the text. Kept in the heap they are reused; mapped afresh each time, every
// page faults in zeroed, which costs more than the layout itself. Call before the windows exist.
void KeepLargeBlocksInHeap();

} // namespace kelvo
