#pragma once
// Font files the program finds beside itself.

namespace resources {

// The console's digital face "ZRV-Digital" (a TrueType file).
constexpr const char* kDigitalFontFile = "zrvft2";
constexpr const char* kDigitalFace = "ZRV-Digital";

}  // namespace resources
