#include "data/Passport.h"

#include <cwchar>

#include "data/XmlValue.h"
#include "platform/NumberText.h"

namespace {

bool Is(const wchar_t* name, const wchar_t* known) {
    return std::wcscmp(name, known) == 0;
}

PassportColumn ReadColumn(const pugi::xml_node& element) {
    using namespace XmlValue;
    PassportColumn column;
    column.channel = ReadInt32(element, L"channel");
    column.name = ReadText(element, L"name");
    column.brand = ReadText(element, L"brand");
    column.type = ReadInt32(element, L"type");
    column.diameter = ReadDouble(element, L"diameter");
    column.length = ReadDouble(element, L"length");
    column.carrier = ReadText(element, L"carrier");
    column.phase = ReadText(element, L"phase");
    column.percent = ReadDouble(element, L"percent");
    column.unit = ReadInt32(element, L"unit");
    column.fraction0 = ReadDouble(element, L"fraction0");
    column.fraction1 = ReadDouble(element, L"fraction1");
    column.film = ReadDouble(element, L"film");
    column.part = ReadText(element, L"part");
    column.serial = ReadText(element, L"serial");
    return column;
}

void WriteColumn(pugi::xml_node element, const PassportColumn& column) {
    using namespace XmlValue;
    AppendInt32(element, L"channel", column.channel);
    AppendText(element, L"name", column.name);
    AppendText(element, L"brand", column.brand);
    AppendInt32(element, L"type", column.type);
    AppendDouble(element, L"diameter", column.diameter);
    AppendDouble(element, L"length", column.length);
    AppendText(element, L"carrier", column.carrier);
    AppendText(element, L"phase", column.phase);
    AppendDouble(element, L"percent", column.percent);
    AppendInt32(element, L"unit", column.unit);
    AppendDouble(element, L"fraction0", column.fraction0);
    AppendDouble(element, L"fraction1", column.fraction1);
    AppendDouble(element, L"film", column.film);
    AppendText(element, L"part", column.part);
    AppendText(element, L"serial", column.serial);
}

}  // namespace

void Passport::Read(const pugi::xml_node& element) {
    columns.clear();
    items.clear();
    for (const pugi::xml_node& child : element.children()) {
        const wchar_t* name = child.name();
        const pugi::xml_attribute value = child.attribute(L"value");
        if (Is(name, L"assayid")) {
            assayid = value.value();
        } else if (Is(name, L"series")) {
            series = value.value();
        } else if (Is(name, L"sample")) {
            sample = value.value();
        } else if (Is(name, L"method")) {
            method = value.value();
        } else if (Is(name, L"mixture")) {
            mixture = value.value();
        } else if (Is(name, L"andate")) {
            andate = value.as_llong(0);
        } else if (Is(name, L"date")) {
            date = value.as_llong(0);
        } else if (Is(name, L"duration")) {
            duration = ParseDouble(value.value());
        } else if (Is(name, L"graduation")) {
            graduation = value.as_bool(false);
        } else if (Is(name, L"defect")) {
            defect = value.as_bool(false);
        } else if (Is(name, L"column")) {
            columns.push_back(ReadColumn(child));
        } else {
            items.push_back(PassportItem{name, child.attribute(L"title").value(), value.value()});
        }
    }
}

void Passport::Write(pugi::xml_node element) const {
    using namespace XmlValue;
    element.append_attribute(L"version").set_value(1);
    AppendText(element, L"assayid", assayid);
    AppendText(element, L"series", series);
    AppendInt64(element, L"andate", andate);
    AppendDouble(element, L"duration", duration);
    AppendText(element, L"sample", sample);
    AppendText(element, L"method", method);
    AppendBool(element, L"graduation", graduation);
    AppendInt64(element, L"date", date);
    AppendBool(element, L"defect", defect);
    AppendText(element, L"mixture", mixture);
    for (const PassportColumn& column : columns) WriteColumn(element.append_child(L"column"), column);
    for (const PassportItem& item : items) {
        // A nameless item (text read from inside the passport) would make an element without a
        // name, which no XML reader accepts: the whole file would become unreadable.
        if (item.name.empty()) continue;
        pugi::xml_node written = element.append_child(item.name.c_str());
        written.append_attribute(L"title").set_value(item.title.c_str());
        written.append_attribute(L"value").set_value(item.value.c_str());
    }
}

const std::wstring* Passport::FindMassSample() const {
    for (const PassportItem& item : items) {
        if (item.name == L"masssample") return &item.value;
    }
    return nullptr;
}
