// A control instance's property store as its host keeps it, and the two
// operations the control uses on it: read with a default and write with a
// default. Values are numbers, text or a font; booleans are the saver's
// 16-bit ones, -1 and 0.
#pragma once

#include "property_value.h"

#include <string_view>

// Keys are compared with SameKey.
class PropertyStore {
  public:
    virtual ~PropertyStore() = default;
    // The stored value, or nullptr when the key is absent.
    virtual const PropertyValue* Find(std::string_view key) const = 0;
    virtual void Put(std::string_view key, const PropertyValue& value) = 0;
    virtual void Remove(std::string_view key) = 0;
};

// Numbers and texts that read as the same number are equal; two texts only
// when they are the same bytes.
bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b);

PropertyValue ReadProperty(const PropertyStore& store, std::string_view key,
                           const PropertyValue& defaultValue);

// A value equal to its default is not stored, and one stored before under
// the key goes, so that reading gives the default back.
void WriteProperty(PropertyStore& store, std::string_view key, const PropertyValue& value,
                   const PropertyValue& defaultValue);
