// Labels of the main window whose texts may be longer than their column.
#pragma once

class QLabel;

namespace orvane::gui
{

/// A label that never widens its column: a text longer than the column
/// goes on to the next line, at a blank.
void sans_elargir(QLabel* l);

} // namespace orvane::gui
