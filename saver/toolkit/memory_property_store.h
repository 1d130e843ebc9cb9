// A property store held in memory, keeping its keys in the order they were
// first stored: what a host saves a control instance into and loads it from.
#pragma once

#include "property_store.h"

#include <string>
#include <utility>
#include <vector>

class MemoryPropertyStore : public PropertyStore {
  public:
    const PropertyValue* Find(std::string_view key) const override;
    void Put(std::string_view key, const PropertyValue& value) override;
    void Remove(std::string_view key) override;

    // The keys as first stored, in order.
    std::vector<std::string> Keys() const;

  private:
    std::vector<std::pair<std::string, PropertyValue>> entries_;
};
