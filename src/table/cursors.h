// The program's own pointers ("Red mouse cursor"): arrow, pointing hand, hourglass and the
// animated text cursor, or the system's when the option is off.
#pragma once

#include <QCursor>

class QWidget;

namespace klondar::table {

enum class CursorKind { kArrow, kHand, kWait, kEdit };

// The option; it holds for every window the program opens from then on.
void SetOwnCursors(bool on);
bool OwnCursors();

QCursor ProgramCursor(CursorKind kind);
// Gives a text field the text cursor; the program's own one is animated while the pointer
// is over the field.
void UseEditCursor(QWidget* field);

}  // namespace klondar::table
