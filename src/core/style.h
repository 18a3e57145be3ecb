#pragma once
// Colours and fonts shared by every window.

#include <QColor>

namespace style {

inline const QColor selectedRow(255, 216, 176);    // current grid row, black text
inline const QColor titleBand(252, 191, 131);      // grid title band
inline const QColor waitBar(253, 187, 121);        // moving bar of the process wait indicator
inline const QColor noticeHeaderFrom(235, 208, 180);  // notice-board header gradient
inline const QColor noticeHeaderTo(254, 216, 177);
// gradient face of buttons and title labels
inline const QColor gradientFrom(255, 236, 214);
inline const QColor gradientTo(247, 190, 130);
inline const QColor gradientBorder(196, 132, 72);
inline const QColor windowBackground(250, 240, 228);

}  // namespace style
