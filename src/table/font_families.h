// The font names the settings keep ("Comic Sans MS", "FixedSys", "Courier New") turned
// into families installed here, with stand-ins that hold Cyrillic and the CJK scripts.
#pragma once

#include <QStringList>

#include "font_roles.h"

namespace klondar::table {

// The families to draw a role's text with in the current language, best first: the stored
// name, its free look-alike, then fall-backs; Chinese takes the Simplified Chinese face.
QStringList FamiliesFor(const QString& storedName);
QStringList RoleFamilies(FontRole role);

// The font of the standard controls (dialogs, lists, tabs) for the current language.
void ApplyControlFont();

}  // namespace klondar::table
