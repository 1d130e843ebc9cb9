#include "property_store.h"

#include "property_conversion.h"

bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b) {
    const auto* textA = std::get_if<std::string>(&a);
    const auto* textB = std::get_if<std::string>(&b);
    if (textA && textB) return *textA == *textB;
    const auto* fontA = std::get_if<StoredFont>(&a);
    const auto* fontB = std::get_if<StoredFont>(&b);
    if (fontA || fontB) return fontA && fontB && *fontA == *fontB;
    const auto numberA = PropertyNumber(a);
    const auto numberB = PropertyNumber(b);
    return numberA && numberB && *numberA == *numberB;
}

PropertyValue ReadProperty(const PropertyStore& store, std::string_view key,
                           const PropertyValue& defaultValue) {
    const PropertyValue* stored = store.Find(key);
    return stored ? *stored : defaultValue;
}

void WriteProperty(PropertyStore& store, std::string_view key, const PropertyValue& value,
                   const PropertyValue& defaultValue) {
    if (SamePropertyValue(value, defaultValue)) {
        store.Remove(key);
    } else {
        store.Put(key, value);
    }
}
