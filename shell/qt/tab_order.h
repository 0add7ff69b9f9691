#pragma once
// Keyboard order of a screen: Tab moves through the controls in the order a
// reader takes them in, top to bottom and left to right, a group at a time.
// Derived from the controls' grid cells alone, for any screen.

#include "model/control.h"

#include <cstddef>
#include <vector>

namespace ui {

class ScreenView;

// The reading order of the items of one grid, as indices into `cells`.
// The grid is cut recursively into bands: first into horizontal bands that no
// item spans across (read top to bottom), and where there is none, into
// vertical bands (read left to right), so that a group spanning several rows
// beside a column of others is read after that whole column, not between its
// members. Items that no cut separates (sharing cells) keep row, column and
// then declaration order.
std::vector<std::size_t> readingOrder(const std::vector<model::Cell>& cells);

// Chains the keyboard focus of the view's widgets in reading order, container
// by container (a container's controls are read where the container stands).
// Hidden and disabled widgets stay in the chain; Tab passes over them while
// they are.
void applyTabOrder(ScreenView& view);

} // namespace ui
