#pragma once

// The maker's pages that the editor points to.
namespace VelmorWebPages
{
// The file menu's "Velmor Website".
inline constexpr const char* website = "https://www.velmor.com/stompix-zr7714";

// Named in the message about a preset made by a newer version.
inline constexpr const char* downloadPage = "https://www.velmor.com/downloads/stompix-zr7714";
} // namespace VelmorWebPages
