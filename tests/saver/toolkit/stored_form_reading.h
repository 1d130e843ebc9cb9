// Reading stored form layouts in tests: texts pass as they are, where the
// Win32 layer would turn them into code page 932, and a control's text
// property reads as its text or says why it has none.
#pragma once

#include "form_layout.h"
#include "property_conversion.h"

#include <optional>
#include <string>
#include <string_view>

inline std::string AsIs(std::string_view text) {
    return std::string(text);
}

inline std::optional<StoredForm> Read(std::string_view text) {
    return ReadFormLayout(text, AsIs);
}

inline std::string TextOf(const StoredControl& control, std::string_view key) {
    const PropertyValue* value = control.properties.Find(key);
    if (!value) return "<absent>";
    return PropertyText(*value).value_or("<not text>");
}
