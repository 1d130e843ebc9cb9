// A form's stored layout: the form and the controls on it, each with its
// class, name, index, the control it lies on, its place, and its own
// properties in a property store, as the form loads them.
//
// The text has one statement a line: "Begin <class> <name>[(<index>)]" opens a
// control (the first one is the form), "End" closes it, and "<key> = <value>"
// sets a property of the open one. Controls opened inside another lie on it.
// A value is a number (any numeric literal, &H colours included), a quoted
// text ("" stands for one quote), or a font: its quoted name, size in
// points, weight and character set, then any of "Italic", "Underline",
// "Strikethrough". Left, Top, Width and Height are the control's place in
// pixels at 96 dpi, which the host keeps; every other key goes to its store. Lines
// starting with ' are remarks.
#pragma once

#include "memory_property_store.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct StoredControl {
    std::string classId;
    std::string name;
    std::optional<int> index;
    std::string container;  // the name of the control it lies on
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    MemoryPropertyStore properties;
};

struct StoredForm {
    StoredControl form;
    std::vector<StoredControl> controls;  // in the order they were stored

    const StoredControl* Find(std::string_view name, std::optional<int> index = {}) const;
};

// Turns the layout's texts (UTF-8) into the form the controls keep.
using StoredTextConversion = std::function<std::string(std::string_view utf8)>;

// The layout, or nothing when any line of it is malformed.
std::optional<StoredForm> ReadFormLayout(std::string_view text,
                                         const StoredTextConversion& convertText);

// The control with its place, stored in pixels at 96 dpi, in pixels at dpi.
StoredControl PlacedAtDpi(StoredControl control, int dpi);
