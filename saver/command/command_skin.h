// The six frames a Command button is drawn with, one 64 x 25 bitmap each.
#pragma once

#include <array>
#include <string_view>

enum class CommandSkin { Normal, HighLight, Selected, HighLightSelect, Pressed, Disable };

inline constexpr std::array<CommandSkin, 6> kCommandSkins = {
    CommandSkin::Normal,          CommandSkin::HighLight, CommandSkin::Selected,
    CommandSkin::HighLightSelect, CommandSkin::Pressed,   CommandSkin::Disable};

inline constexpr int kSkinPixelWidth = 64;
inline constexpr int kSkinPixelHeight = 25;

// The skin's name, which is also its bitmap's file name without ".bmp".
constexpr std::string_view CommandSkinName(CommandSkin skin) {
    switch (skin) {
        case CommandSkin::Normal:
            return "Normal";
        case CommandSkin::HighLight:
            return "HighLight";
        case CommandSkin::Selected:
            return "Selected";
        case CommandSkin::HighLightSelect:
            return "HighLightSelect";
        case CommandSkin::Pressed:
            return "Pressed";
        case CommandSkin::Disable:
            return "Disable";
    }
    return "";
}
