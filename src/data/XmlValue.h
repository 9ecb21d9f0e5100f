#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <string>

// The chromatogram file's XML keeps every scalar in the attribute "value" of a child element, so
// that an absent element or attribute reads as a default. These read and append such children.
namespace XmlValue {

// The "value" attribute of the first child with that name; empty when either is absent.
pugi::xml_attribute Of(const pugi::xml_node& parent, const wchar_t* child);

std::wstring ReadText(const pugi::xml_node& parent, const wchar_t* child);
// Decimal with a point, as strtod reads it; 0 when the text holds no number.
double ReadDouble(const pugi::xml_node& parent, const wchar_t* child);
int32_t ReadInt32(const pugi::xml_node& parent, const wchar_t* child, int32_t absent = 0);
int64_t ReadInt64(const pugi::xml_node& parent, const wchar_t* child);
uint32_t ReadUInt32(const pugi::xml_node& parent, const wchar_t* child);
// True when the text starts with 1, t, T, y or Y.
bool ReadBool(const pugi::xml_node& parent, const wchar_t* child);

void AppendText(pugi::xml_node parent, const wchar_t* child, const std::wstring& value);
// 17 significant digits with a point, so that the value reads back bit for bit.
void AppendDouble(pugi::xml_node parent, const wchar_t* child, double value);
void AppendInt32(pugi::xml_node parent, const wchar_t* child, int32_t value);
void AppendInt64(pugi::xml_node parent, const wchar_t* child, int64_t value);
void AppendUInt32(pugi::xml_node parent, const wchar_t* child, uint32_t value);
// "true" or "false".
void AppendBool(pugi::xml_node parent, const wchar_t* child, bool value);

}  // namespace XmlValue
