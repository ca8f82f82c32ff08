#pragma once
// Colours as the windows' tables and the algorithms' steps write them: 24-bit values in
// blue-green-red order (0x0000FF is red), or 0x800000nn for a system colour. Plain values, so
// that an algorithm names a colour with no GUI library at hand (colors.h paints them).
#include <cstdint>

namespace framework {

using OleColor = std::uint32_t;

namespace ole {
inline constexpr OleColor Red = 0x0000FF;
inline constexpr OleColor Blue = 0xFF0000;
inline constexpr OleColor DarkBlue = 0xC00000;
inline constexpr OleColor Black = 0x000000;
inline constexpr OleColor Yellow = 0x00FFFF;
inline constexpr OleColor LightGreen = 0x80FF80;
inline constexpr OleColor DarkGrey = 0x404040;
inline constexpr OleColor ButtonText = 0x80000012;   // resting colour of panel lines
inline constexpr OleColor ButtonFace = 0x8000000F;
inline constexpr OleColor AppWorkspace = 0x8000000C;
inline constexpr OleColor WindowText = 0x80000008;
}  // namespace ole

}  // namespace framework
