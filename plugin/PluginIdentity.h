#pragma once

// Who the plug-in is, as hosts and the stored documents see it.
namespace PluginIdentity
{
inline constexpr const char* productName = "Stompix ZR7714";
inline constexpr const char* vendorName = "Velmor";
inline constexpr const char* versionString = "1.0.1";

// Reverse-domain identifier written into every document and checked when a preset is loaded.
inline constexpr const char* productIdentifier = "com.velmor.StompixZR7714";
inline constexpr const char* presetVersion = "1.0";
inline constexpr const char* documentVersion = "1.0";
inline constexpr const char* presetExtension = ".vzrp";
inline constexpr const char* defaultPresetPath = "Init.vzrp";
} // namespace PluginIdentity
