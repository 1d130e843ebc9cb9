// Saving and loading a Command instance through its host's property store.
#include "command_control.h"

#include "property_conversion.h"
#include "saver_boolean.h"

#include <limits>

namespace {

constexpr double kStoredTrue = kSaverTrue;
constexpr double kStoredFalse = kSaverFalse;

}  // namespace

void CommandControl::WriteProperties(PropertyStore& store) {
    WriteProperty(store, "Enabled", fields_.EnabledFlag ? kStoredTrue : kStoredFalse, kStoredTrue);
    WriteProperty(store, "Caption", fields_.Caption, std::string("Command"));
    WriteProperty(store, "FirstRun", static_cast<double>(fields_.FirstRun), std::string("1"));
    WriteProperty(store, "Font", fields_.Font, view_.AmbientFont());
    WriteProperty(store, "FontColour", static_cast<double>(fields_.FontColour), std::string("0"));
    WriteProperty(store, "Visible", fields_.Opaque ? 1.0 : 0.0, std::string("1"));
    RestoreNormal();
}

// A stored value that does not convert leaves its field as it was.
void CommandControl::ReadProperties(const PropertyStore& store) {
    if (const auto enabled = PropertyBoolean(ReadProperty(store, "Enabled", kStoredTrue))) {
        fields_.EnabledFlag = *enabled;
    }
    if (const auto caption =
            PropertyText(ReadProperty(store, "Caption", std::string("Command1")))) {
        fields_.Caption = *caption;
        view_.ShowCaption(fields_.Caption);
    }
    const PropertyValue font = ReadProperty(store, "Font", view_.AmbientFont());
    if (const auto* stored = std::get_if<StoredFont>(&font)) {
        fields_.Font = *stored;
        view_.ShowFont(fields_.Font);
    }
    if (const auto firstRun = PropertyInteger(ReadProperty(store, "FirstRun", std::string("1")), 0,
                                              std::numeric_limits<std::uint8_t>::max())) {
        fields_.FirstRun = static_cast<std::uint8_t>(*firstRun);
    }
    if (const auto colour = PropertyInteger(ReadProperty(store, "FontColour", std::string("0")),
                                            std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max())) {
        fields_.FontColour = *colour;
        view_.ShowFontColour(fields_.FontColour);
    }
    const auto backStyle = PropertyInteger(ReadProperty(store, "Visible", std::string("1")),
                                           std::numeric_limits<std::int16_t>::min(),
                                           std::numeric_limits<std::int16_t>::max());
    if (backStyle && (*backStyle == 0 || *backStyle == 1)) {
        fields_.Opaque = *backStyle == 1;
        view_.ShowBackStyle(fields_.Opaque);
    }
    RestoreNormal();
}
