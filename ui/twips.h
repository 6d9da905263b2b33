#pragma once

// The window was designed in twips; at 96 dpi fifteen of them make one pixel,
// and every measure of the design divides evenly.
constexpr int twips(int wert)
{
    return wert / 15;
}
