#pragma once

#include <Qt>

namespace velmont::xlist {

// What a CXListCtrl cell is, kept in the item under kKindRole.
enum class CellKind { Text = 0, Checkbox, Combo, Edit, Progress };

inline constexpr int kKindRole = Qt::UserRole + 1;
inline constexpr int kComboEntriesRole = Qt::UserRole + 2;  // QStringList
inline constexpr int kComboEnabledRole = Qt::UserRole + 3;  // bool
inline constexpr int kComboDropDownRole = Qt::UserRole + 4; // int, visible entries
inline constexpr int kModifiedRole = Qt::UserRole + 5;      // bool
inline constexpr int kProgressRole = Qt::UserRole + 6;      // int 0..100
inline constexpr int kProgressShowTextRole = Qt::UserRole + 7;
inline constexpr int kProgressTextRole = Qt::UserRole + 8;

} // namespace velmont::xlist
