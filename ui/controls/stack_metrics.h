// Shared arithmetic of the stacking layouts (vertical and horizontal): size
// limits, and how the free length is shared among the children that have no
// length of their own. Private to ui/controls.
#pragma once

#include "core/container_ui.h"

namespace SkinUI {

// A length limited by the control's min and max (the max wins when they cross).
int ClampWidth(const CControlUI& control, int cx);
int ClampHeight(const CControlUI& control, int cy);

// The length along the stacking axis: the children of their own length keep it
// (with their paddings and the gaps between children counted as fixed), the
// adjustable ones get an equal share of the rest, and the last adjustable one
// takes what is left over after every other child, so that integer division
// loses nothing.
class StackShare
{
public:
    // First pass, once per child.
    void Count(int length, bool adjustable, int padding);
    // After the first pass.
    void Finish(int available, int childPadding);

    // Second pass, once per child in the same order: a child of its own length
    // (returned unchanged) ...
    int Own(int length, int padding);
    // ... or an adjustable one; remaining is the length left from where the
    // child's rectangle starts to the end, less its far padding.
    int Adjustable(int remaining, int padding);
    // After each child of the second pass.
    void Next(int childPadding);

    // The gaps between the children counted in the first pass.
    int Gaps(int childPadding) const;

private:
    int m_counted = 0;
    int m_adjustable = 0;
    int m_fixed = 0;
    int m_expand = 0;
    int m_remainingFixed = 0;
    int m_placedAdjustable = 0;
};

} // namespace SkinUI
