#pragma once

// Windows that make room for their texts. Every window is built at its English geometry, which
// is the floor: where a text in another language (or a taller fallback font) needs more room,
// its control grows, what lies to its right or below it moves along, and frames and the window
// grow around them, so that nothing clips or overlaps and the controls keep their order and
// alignment. Where every text fits, as in English, nothing moves.

class QWidget;

namespace look {

// Arranges the window's controls for their texts and fixes the window to the size that holds
// them. To be called again once the window's texts change (the result window's reading).
void MakeRoom(QWidget* window);

} // namespace look
