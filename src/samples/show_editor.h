#pragma once
// Opens the edit window of a reference record (Tszemelym, Tlaborm, Tlocalitym,
// Tartm, Tgeo_un_mod) modally for a key, as the "show" buttons beside a picked
// reference do. False when the program has no such window.

#include <QString>

namespace samples {

bool showRecordEditor(const QString& windowClass, const QString& id);

}  // namespace samples
