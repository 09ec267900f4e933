#pragma once

#include <QString>
#include <Qt>

class QComboBox;
class QLabel;
class QWidget;

namespace velmont {

// Height of a closed drop-down; the heights in the layouts include the
// open list, which Qt sizes by itself.
inline constexpr int kClosedComboHeight = 24;

// A static text at a fixed place. Texts sit near the top of their box, so
// a label 3 pixels below a drop-down lines up with the drop-down's text.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                  Qt::Alignment horizontal = Qt::AlignLeft);

// The label names the control for a screen reader and, through its
// buddy, for the keyboard; `name` (the label's text without its colon
// unless given) is what a screen reader announces instead of the value.
void NameAfterLabel(QWidget* control, QLabel* label, const QString& name = {});

// An unsorted drop-down list placed at (x, y); heightWithList is the
// height of the control with its list open.
QComboBox* MakeDropDownList(QWidget* parent, int x, int y, int width, int heightWithList);

// Selects the item at position, or nothing when position is outside the list.
void SelectPosition(QComboBox* list, int position);

// Replaces the list's items without reporting a selection change.
void SetItems(QComboBox* list, const QStringList& items);

} // namespace velmont
