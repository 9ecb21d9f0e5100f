#include "verify/ReportDifferences.h"

#include <algorithm>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "platform/WideText.h"
#include "verify/ReportSyntax.h"

namespace {

using Json = nlohmann::ordered_json;

const wchar_t kAbsent[] = L"нет";
constexpr size_t kLongestValue = 160;

bool IsSkipped(const std::vector<std::string>& skipped, const std::string& generic) {
    return std::find(skipped.begin(), skipped.end(), generic) != skipped.end();
}

std::wstring Shortened(std::wstring text) {
    if (text.size() > kLongestValue) text = text.substr(0, kLongestValue) + L"…";
    return text;
}

// A value as a person reads it: a text as it is, anything else as JSON writes it.
std::wstring Shown(const Json& value) {
    if (value.is_string()) return Shortened(FromUtf8(value.get<std::string>()));
    return Shortened(FromUtf8(value.dump(-1, ' ', false, Json::error_handler_t::replace)));
}

// "[2 «Этанол»]": an element of an array by its place from 1 and, where it has one, its name or id.
std::string ItemLabel(const Json& item, size_t index) {
    std::string label = "[" + std::to_string(index + 1);
    if (item.is_object()) {
        const auto name = item.find("name");
        const auto id = item.find("id");
        if (name != item.end() && name->is_string())
            label += " «" + name->get<std::string>() + "»";
        else if (id != item.end() && id->is_number_integer())
            label += " №" + std::to_string(id->get<int64_t>());
    }
    return label + "]";
}

class JsonComparison {
public:
    JsonComparison(const std::vector<std::string>& skipped, const std::vector<std::string>& addedLater,
                   std::vector<ReportDifference>& out)
        : skipped_(skipped), addedLater_(addedLater), out_(out) {}

    void Compare(const Json& recorded, const Json& present, const std::string& where,
                 const std::string& generic) {
        if (IsSkipped(skipped_, generic)) return;
        if (recorded.is_object() && present.is_object())
            return CompareObjects(recorded, present, where, generic);
        if (recorded.is_array() && present.is_array())
            return CompareArrays(recorded, present, where, generic);
        // Numbers compare by value: 3 and 3.0 are the same number.
        if (recorded != present) Add(where, Shown(recorded), Shown(present));
    }

private:
    void CompareObjects(const Json& recorded, const Json& present, const std::string& where,
                        const std::string& generic) {
        for (const auto& [key, value] : recorded.items()) {
            const std::string path = Join(where, key);
            const std::string genericPath = Join(generic, key);
            const auto found = present.find(key);
            if (found == present.end()) {
                if (!IsSkipped(skipped_, genericPath)) Add(path, Shown(value), kAbsent, false, true);
                continue;
            }
            Compare(value, *found, path, genericPath);
        }
        for (const auto& [key, value] : present.items()) {
            const std::string genericPath = Join(generic, key);
            if (recorded.contains(key) || IsSkipped(skipped_, genericPath) ||
                IsSkipped(addedLater_, genericPath))
                continue;
            Add(Join(where, key), kAbsent, Shown(value), true, false);
        }
    }

    void CompareArrays(const Json& recorded, const Json& present, const std::string& where,
                       const std::string& generic) {
        const size_t common = std::min(recorded.size(), present.size());
        for (size_t i = 0; i < common; ++i)
            Compare(recorded[i], present[i], where + ItemLabel(recorded[i], i), generic);
        for (size_t i = common; i < recorded.size(); ++i)
            Add(where + ItemLabel(recorded[i], i), Shown(recorded[i]), kAbsent, false, true);
        for (size_t i = common; i < present.size(); ++i)
            Add(where + ItemLabel(present[i], i), kAbsent, Shown(present[i]), true, false);
    }

    static std::string Join(const std::string& where, const std::string& key) {
        return where.empty() ? key : where + "." + key;
    }

    void Add(const std::string& where, std::wstring recorded, std::wstring present,
             bool recordedLacks = false, bool presentLacks = false) {
        out_.push_back(
            {FromUtf8(where), std::move(recorded), std::move(present), recordedLacks, presentLacks});
    }

    const std::vector<std::string>& skipped_;
    const std::vector<std::string>& addedLater_;
    std::vector<ReportDifference>& out_;
};

std::wstring ShownText(const pugi::xml_node& node) {
    return Shortened(ElementText(node));
}

class XmlComparison {
public:
    XmlComparison(const std::vector<std::string>& skipped, const std::vector<std::string>& addedLater,
                  std::vector<ReportDifference>& out)
        : skipped_(skipped), addedLater_(addedLater), out_(out) {}

    void Compare(const pugi::xml_node& recorded, const pugi::xml_node& present, const std::string& where,
                 const std::string& generic) {
        if (IsSkipped(skipped_, generic)) return;
        if (ElementText(recorded) != ElementText(present))
            Add(where, ShownText(recorded), ShownText(present));
        std::vector<pugi::xml_node> a = Elements(recorded);
        std::vector<pugi::xml_node> b = Elements(present);
        const size_t common = std::min(a.size(), b.size());
        for (size_t i = 0; i < common; ++i) {
            const std::string name = ToUtf8(a[i].name());
            const std::string path = where + "/" + name + Index(recorded, a[i]);
            if (name != ToUtf8(b[i].name())) {
                Add(path, L"<" + FromUtf8(name) + L">", L"<" + std::wstring(b[i].name()) + L">");
                continue;
            }
            Compare(a[i], b[i], path, generic + "/" + name);
        }
        for (size_t i = common; i < a.size(); ++i) Unmatched(recorded, a[i], where, generic, true);
        for (size_t i = common; i < b.size(); ++i) Unmatched(present, b[i], where, generic, false);
    }

private:
    static std::vector<pugi::xml_node> Elements(const pugi::xml_node& node) {
        std::vector<pugi::xml_node> elements;
        for (const pugi::xml_node& child : node.children()) {
            if (child.type() == pugi::node_element) elements.push_back(child);
        }
        return elements;
    }

    // "[3]": the element's place among its parent's elements of its name, from 1, where there are several.
    static std::string Index(const pugi::xml_node& parent, const pugi::xml_node& element) {
        size_t count = 0;
        size_t place = 0;
        for (const pugi::xml_node& child : parent.children(element.name())) {
            ++count;
            if (child == element) place = count;
        }
        return count > 1 ? "[" + std::to_string(place) + "]" : "";
    }

    void Unmatched(const pugi::xml_node& parent, const pugi::xml_node& element, const std::string& where,
                   const std::string& generic, bool inRecorded) {
        const std::string name = ToUtf8(element.name());
        if (IsSkipped(skipped_, generic + "/" + name)) return;
        if (!inRecorded && IsSkipped(addedLater_, generic + "/" + name)) return;
        const std::wstring shown = L"<" + FromUtf8(name) + L">" + ShownText(element);
        const std::string path = where + "/" + name + Index(parent, element);
        if (inRecorded)
            Add(path, shown, kAbsent, false, true);
        else
            Add(path, kAbsent, shown, true, false);
    }

    void Add(const std::string& where, std::wstring recorded, std::wstring present,
             bool recordedLacks = false, bool presentLacks = false) {
        out_.push_back(
            {FromUtf8(where), std::move(recorded), std::move(present), recordedLacks, presentLacks});
    }

    const std::vector<std::string>& skipped_;
    const std::vector<std::string>& addedLater_;
    std::vector<ReportDifference>& out_;
};

}  // namespace

std::vector<ReportDifference> CompareJsonReports(const std::string& recorded, const std::string& present,
                                                 const std::vector<std::string>& skipped,
                                                 const std::vector<std::string>& addedLater) {
    std::vector<ReportDifference> differences;
    const Json a = Json::parse(recorded, nullptr, false);
    const Json b = Json::parse(present, nullptr, false);
    JsonComparison(skipped, addedLater, differences).Compare(a, b, "", "");
    return differences;
}

std::vector<ReportDifference> CompareXmlReports(const std::string& recorded, const std::string& present,
                                                const std::vector<std::string>& skipped,
                                                const std::vector<std::string>& addedLater) {
    std::vector<ReportDifference> differences;
    pugi::xml_document a;
    pugi::xml_document b;
    a.load_buffer(recorded.data(), recorded.size(), pugi::parse_default, pugi::encoding_utf8);
    b.load_buffer(present.data(), present.size(), pugi::parse_default, pugi::encoding_utf8);
    const pugi::xml_node rootA = a.document_element();
    const pugi::xml_node rootB = b.document_element();
    const std::string root = ToUtf8(rootA.name());
    XmlComparison(skipped, addedLater, differences).Compare(rootA, rootB, root, root);
    return differences;
}
