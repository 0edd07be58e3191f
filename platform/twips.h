#pragma once

// Window geometry is given in twips: 15 to a pixel here.
namespace platform {

constexpr int TwipsPerPixel = 15;
constexpr int Px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / TwipsPerPixel; }
constexpr int Twips(int pixels) { return pixels * TwipsPerPixel; }

}  // namespace platform
