#include "data/XmlValue.h"

#include "platform/NumberText.h"

namespace XmlValue {

namespace {

pugi::xml_attribute AppendValue(pugi::xml_node parent, const wchar_t* child) {
    return parent.append_child(child).append_attribute(L"value");
}

}  // namespace

pugi::xml_attribute Of(const pugi::xml_node& parent, const wchar_t* child) {
    return parent.child(child).attribute(L"value");
}

std::wstring ReadText(const pugi::xml_node& parent, const wchar_t* child) {
    return Of(parent, child).value();
}

// pugixml's own double conversion follows the process locale; ours does not.
double ReadDouble(const pugi::xml_node& parent, const wchar_t* child) {
    return ParseDouble(Of(parent, child).value());
}

int32_t ReadInt32(const pugi::xml_node& parent, const wchar_t* child, int32_t absent) {
    return Of(parent, child).as_int(absent);
}

int64_t ReadInt64(const pugi::xml_node& parent, const wchar_t* child) {
    return Of(parent, child).as_llong(0);
}

uint32_t ReadUInt32(const pugi::xml_node& parent, const wchar_t* child) {
    return Of(parent, child).as_uint(0);
}

bool ReadBool(const pugi::xml_node& parent, const wchar_t* child) {
    return Of(parent, child).as_bool(false);
}

void AppendText(pugi::xml_node parent, const wchar_t* child, const std::wstring& value) {
    AppendValue(parent, child).set_value(value.c_str());
}

void AppendDouble(pugi::xml_node parent, const wchar_t* child, double value) {
    AppendValue(parent, child).set_value(FormatDouble17(value).c_str());
}

void AppendInt32(pugi::xml_node parent, const wchar_t* child, int32_t value) {
    AppendValue(parent, child).set_value(static_cast<int>(value));
}

void AppendInt64(pugi::xml_node parent, const wchar_t* child, int64_t value) {
    AppendValue(parent, child).set_value(static_cast<long long>(value));
}

void AppendUInt32(pugi::xml_node parent, const wchar_t* child, uint32_t value) {
    AppendValue(parent, child).set_value(static_cast<unsigned int>(value));
}

void AppendBool(pugi::xml_node parent, const wchar_t* child, bool value) {
    AppendValue(parent, child).set_value(value);
}

}  // namespace XmlValue
