#include "memory_property_store.h"

#include <algorithm>

const PropertyValue* MemoryPropertyStore::Find(std::string_view key) const {
    for (const auto& entry : entries_) {
        if (SameKey(entry.first, key)) return &entry.second;
    }
    return nullptr;
}

void MemoryPropertyStore::Put(std::string_view key, const PropertyValue& value) {
    for (auto& entry : entries_) {
        if (SameKey(entry.first, key)) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(std::string(key), value);
}

void MemoryPropertyStore::Remove(std::string_view key) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [key](const auto& entry) { return SameKey(entry.first, key); }),
                   entries_.end());
}

std::vector<std::string> MemoryPropertyStore::Keys() const {
    std::vector<std::string> keys;
    for (const auto& entry : entries_) keys.push_back(entry.first);
    return keys;
}
