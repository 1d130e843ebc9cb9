#include "form_layout.h"

#include "dpi_scale.h"
#include "numeric_literal.h"
#include "property_store.h"

#include <cmath>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits at commas that lie outside quotes.
std::vector<std::string_view> Items(std::string_view text) {
    std::vector<std::string_view> items;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == ',' && !quoted) {
            items.push_back(Trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    items.push_back(Trimmed(text.substr(start)));
    return items;
}

std::optional<std::string> QuotedText(std::string_view item) {
    if (item.size() < 2 || item.front() != '"' || item.back() != '"') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < item.size(); ++i) {
        if (item[i] == '"') {
            if (i + 2 >= item.size() || item[i + 1] != '"') return std::nullopt;
            ++i;
        }
        text += item[i];
    }
    return text;
}

std::optional<StoredFont> FontValue(const std::vector<std::string_view>& items,
                                    const StoredTextConversion& convertText) {
    if (items.size() < 4) return std::nullopt;
    const auto name = QuotedText(items[0]);
    const auto size = ReadWholeNumericLiteral(items[1]);
    const auto weight = ReadWholeNumericLiteral(items[2]);
    const auto charset = ReadWholeNumericLiteral(items[3]);
    if (!name || !size || !weight || !charset) return std::nullopt;
    StoredFont font;
    font.name = convertText(*name);
    font.size = *size;
    font.weight = static_cast<std::int16_t>(*weight);
    font.charset = static_cast<std::int16_t>(*charset);
    for (std::size_t i = 4; i < items.size(); ++i) {
        if (items[i] == "Italic") {
            font.italic = true;
        } else if (items[i] == "Underline") {
            font.underline = true;
        } else if (items[i] == "Strikethrough") {
            font.strikethrough = true;
        } else {
            return std::nullopt;
        }
    }
    return font;
}

std::optional<PropertyValue> Value(std::string_view text, const StoredTextConversion& convertText) {
    const std::vector<std::string_view> items = Items(text);
    if (items.size() > 1) {
        if (auto font = FontValue(items, convertText)) return PropertyValue(*font);
        return std::nullopt;
    }
    if (auto quoted = QuotedText(items[0])) return PropertyValue(convertText(*quoted));
    if (auto number = ReadWholeNumericLiteral(items[0])) return PropertyValue(*number);
    return std::nullopt;
}

// "<class> <name>" or "<class> <name>(<index>)".
bool ReadBegin(std::string_view text, StoredControl& control) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return false;
    control.classId = std::string(text.substr(0, blank));
    std::string_view name = Trimmed(text.substr(blank + 1));
    if (!name.empty() && name.back() == ')') {
        const auto open = name.find('(');
        if (open == std::string_view::npos) return false;
        const auto index = ReadWholeNumericLiteral(name.substr(open + 1, name.size() - open - 2));
        if (!index || *index != std::floor(*index) || *index < 0) return false;
        control.index = static_cast<int>(*index);
        name = name.substr(0, open);
    }
    if (name.empty() || name.find_first_of(" (\"") != std::string_view::npos) return false;
    control.name = std::string(name);
    return !control.classId.empty();
}

bool SetPlace(StoredControl& control, std::string_view key, const PropertyValue& value) {
    const double* number = std::get_if<double>(&value);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 32767) return false;
    const int whole = static_cast<int>(*number);
    if (SameKey(key, "Left")) control.left = whole;
    if (SameKey(key, "Top")) control.top = whole;
    if (SameKey(key, "Width")) control.width = whole;
    if (SameKey(key, "Height")) control.height = whole;
    return true;
}

bool IsPlaceKey(std::string_view key) {
    return SameKey(key, "Left") || SameKey(key, "Top") || SameKey(key, "Width") ||
           SameKey(key, "Height");
}

}  // namespace

const StoredControl* StoredForm::Find(std::string_view name, std::optional<int> index) const {
    for (const StoredControl& control : controls) {
        if (SameKey(control.name, name) && control.index == index) return &control;
    }
    return nullptr;
}

std::optional<StoredForm> ReadFormLayout(std::string_view text,
                                         const StoredTextConversion& convertText) {
    StoredForm form;
    // The open controls, innermost last: indexes into form.controls, with
    // -1 standing for the form itself.
    std::vector<int> open;
    bool formRead = false;
    auto current = [&]() -> StoredControl& {
        return open.back() < 0 ? form.form : form.controls[std::size_t(open.back())];
    };

    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '\'') continue;

        if (line.rfind("Begin ", 0) == 0) {
            StoredControl control;
            if (!ReadBegin(Trimmed(line.substr(6)), control)) return std::nullopt;
            if (open.empty()) {
                if (formRead) return std::nullopt;
                form.form = std::move(control);
                formRead = true;
                open.push_back(-1);
            } else {
                control.container = current().name;
                form.controls.push_back(std::move(control));
                open.push_back(int(form.controls.size()) - 1);
            }
        } else if (line == "End") {
            if (open.empty()) return std::nullopt;
            open.pop_back();
        } else {
            const auto equals = line.find('=');
            if (open.empty() || equals == std::string_view::npos) return std::nullopt;
            const std::string_view key = Trimmed(line.substr(0, equals));
            const auto value = Value(Trimmed(line.substr(equals + 1)), convertText);
            if (key.empty() || !value) return std::nullopt;
            if (IsPlaceKey(key)) {
                if (!SetPlace(current(), key, *value)) return std::nullopt;
            } else {
                current().properties.Put(key, *value);
            }
        }
    }
    if (!formRead || !open.empty()) return std::nullopt;
    return form;
}

StoredControl PlacedAtDpi(StoredControl control, int dpi) {
    control.left = ScaleToDpi(control.left, dpi);
    control.top = ScaleToDpi(control.top, dpi);
    control.width = ScaleToDpi(control.width, dpi);
    control.height = ScaleToDpi(control.height, dpi);
    return control;
}
