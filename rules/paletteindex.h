#pragma once
// The 16 colours of the classic palette by name, as the screens and their rules choose them
// (paletteColour turns one into a colour).
namespace pal {
enum Index : int {
    Black = 0,
    Navy = 1,
    DarkGreen = 2,
    Teal = 3,
    Maroon = 4,
    Purple = 5,
    Olive = 6,
    Silver = 7,
    Grey = 8,
    Blue = 9,
    Green = 10,
    Cyan = 11,
    Red = 12,
    Magenta = 13,
    Yellow = 14,
    White = 15,
};
} // namespace pal
